#include "audio/sdl_audio.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace kestra {
namespace {

// SDL's disk driver as a sound device the tests can listen to: every mixed sample lands in a raw
// file (16-bit stereo), written in real time while a device is open. The constructor makes a scratch
// folder for it and sets the driver for the next device.
class DiskDevice {
  public:
    DiskDevice() {
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("kestra-sound-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
    }
    ~DiskDevice() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    DiskDevice(const DiskDevice&) = delete;
    DiskDevice& operator=(const DiskDevice&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path output() const { return folder_ / "mixed.raw"; }
    // Bytes the device has written so far.
    uintmax_t BytesWritten() const {
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(output(), ec);
        return ec ? 0 : size;
    }
    // The output's samples as signed 16-bit values; read after the device has closed.
    std::vector<int16_t> Read() const {
        std::ifstream in(output(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);  // little-endian, as the driver writes
        return samples;
    }
    // Samples that are not silence.
    int64_t LoudSamples() const {
        const std::vector<int16_t> all = Read();
        return std::count_if(all.begin(), all.end(), [](int16_t s) { return s != 0; });
    }

  private:
    std::filesystem::path folder_;
};

// The game folder's dat/ the build assembled.
std::filesystem::path GameDat() { return std::filesystem::path(KESTRA_TEST_GAME_DIR) / "dat"; }

// Waits (a bounded poll of two seconds at most, never a timed assertion) until done() holds.
bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}

// Waits until the channel's wave has finished sounding.
bool WaitQuiet(const SdlAudio& a, int32_t channel) {
    return WaitFor([&] { return !a.Playing(channel); });
}

// A wave really comes out on its channel, unmuted or muted and unmuted again; muted gives silence.
TEST(SdlAudio, AWaveComesOutUnlessMuted) {
    struct Case {
        const char* name;
        bool mute, unmute;
    };
    for (const Case& c :
         {Case{"plain", false, false}, Case{"muted", true, false}, Case{"unmuted", true, true}}) {
        DiskDevice disk;
        {
            SdlAudio a(GameDat());
            if (c.mute) a.SetMuted(true);
            if (c.unmute) a.SetMuted(false);
            PlaySe3(a, "1.wav");
            EXPECT_TRUE(a.Playing(2)) << c.name;
            EXPECT_FALSE(a.Playing(0)) << c.name;
            ASSERT_TRUE(WaitQuiet(a, 2)) << c.name;
        }
        EXPECT_FALSE(disk.Read().empty()) << c.name;
        EXPECT_EQ(disk.LoudSamples() > 1000, !c.mute || c.unmute) << c.name << " " << disk.LoudSamples();
        EXPECT_TRUE(disk.LoudSamples() == 0 || !c.mute || c.unmute) << c.name;
    }
}

// The four channels mix and a new wave cuts the old; music switched off plays nothing and does not
// stop what plays; missing pieces never throw.
TEST(SdlAudio, ChannelsMixAndMusicSwitches) {
    DiskDevice disk;
    SdlAudio a(GameDat());
    a.PlaySe("d.wav", 0);
    a.PlaySe("no.wav", 1);
    a.PlaySe("no.wav", 3);
    EXPECT_TRUE(a.Playing(0) && a.Playing(1) && a.Playing(3));
    a.PlaySe("1.wav", 0);  // the long d.wav is cut at once
    EXPECT_EQ(a.LoadedWave(0), "1.wav");
    EXPECT_TRUE(a.Playing(0) && a.Playing(1));
    EXPECT_NO_THROW(a.PlayBgm("not"));
    EXPECT_NO_THROW(a.PlayBgm("nowhere.mid"));
    EXPECT_FALSE(a.MusicPlaying());
    EXPECT_NO_THROW(a.PlayBgm("1.wav"));  // not a MIDI piece: whatever it does, nothing breaks
    a.PlayBgm("not");  // stops whatever it started
    a.SetMusicOn(false);
    EXPECT_FALSE(a.MusicOn());
    a.PlayBgm("0.mid");
    EXPECT_FALSE(a.MusicPlaying());
    a.SetMusicOn(true);
    a.PlayBgm("0.mid");
    EXPECT_TRUE(a.MusicPlaying());
    a.SetMusicOn(false);  // switching off does not stop what plays
    EXPECT_TRUE(a.MusicPlaying());
    a.PlayBgm("not");
    EXPECT_FALSE(a.MusicPlaying());
}

// Start-up loads the first wave on every channel without playing it; missing and bad waves and bad
// channels are swallowed, and nothing sounds.
TEST(SdlAudio, StartUpIsSilentAndBadWavesAndChannelsAreSwallowed) {
    DiskDevice disk;
    std::ofstream(disk.folder() / "bad.wav", std::ios::binary) << "RIFF not really a wave";
    std::filesystem::copy_file(GameDat() / "1.wav", disk.folder() / "1.wav");
    {
        SdlAudio a(disk.folder());
        ASSERT_TRUE(a.DeviceOpen());
        for (int32_t ch = 0; ch < 4; ++ch) {
            EXPECT_EQ(a.LoadedWave(ch), "1.wav") << ch;
            EXPECT_FALSE(a.Playing(ch)) << ch;
        }
        EXPECT_NO_THROW(a.PlaySe("missing.wav", 0));
        EXPECT_EQ(a.LoadedWave(0), "");
        EXPECT_FALSE(a.Playing(0));
        EXPECT_NO_THROW(a.PlaySe("bad.wav", 1));
        EXPECT_EQ(a.LoadedWave(1), "");
        EXPECT_FALSE(a.Playing(1));
        EXPECT_NO_THROW(a.PlaySe("", 2));
        EXPECT_FALSE(a.Playing(2));
        for (const int32_t ch : {-1, 4, 15}) {
            EXPECT_NO_THROW(a.PlaySe("1.wav", ch)) << ch;
            EXPECT_FALSE(a.Playing(ch)) << ch;
        }
        EXPECT_EQ(a.LoadedWave(3), "1.wav");  // the good channel kept its wave
        ASSERT_TRUE(WaitFor([&] { return disk.BytesWritten() >= 16384; }));
    }
    EXPECT_EQ(disk.LoudSamples(), 0);
}

TEST(SdlAudio, APieceReallyComesOut) {
    DiskDevice disk;
    {
        SdlAudio a(GameDat());
        a.PlayBgm("0.mid");
        ASSERT_TRUE(a.MusicPlaying());
        const uintmax_t at_start = disk.BytesWritten();
        ASSERT_TRUE(WaitFor([&] { return disk.BytesWritten() >= at_start + 65536; }));
    }
    EXPECT_GT(disk.LoudSamples(), 1000);
}

TEST(SdlAudio, WithoutADeviceEveryCallDoesNothing) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudio a(GameDat());
    EXPECT_FALSE(a.DeviceOpen());
    EXPECT_NO_THROW(a.PlaySe("1.wav", 0));
    EXPECT_NO_THROW(a.PlayBgm("0.mid"));
    EXPECT_FALSE(a.Playing(0));
    EXPECT_EQ(a.LoadedWave(0), "");
    EXPECT_FALSE(a.MusicPlaying());
}

TEST(SdlAudio, TwoProgramsInOneProcessShareTheDevice) {
    DiskDevice disk;
    auto first = std::make_unique<SdlAudio>(GameDat());
    auto second = std::make_unique<SdlAudio>(GameDat());
    ASSERT_TRUE(first->DeviceOpen());
    ASSERT_TRUE(second->DeviceOpen());
    first->PlayBgm("0.mid");
    second->PlaySe("1.wav", 1);
    first.reset();  // the first program ends; the second keeps its sound
    EXPECT_TRUE(second->DeviceOpen());
    second->PlaySe("no.wav", 2);
    EXPECT_TRUE(second->Playing(2));
    second.reset();
    // The device closed with the last holder and opens again for the next program.
    SdlAudio third(GameDat());
    EXPECT_TRUE(third.DeviceOpen());
    third.PlaySe("1.wav", 0);
    EXPECT_TRUE(third.Playing(0));
}

}  // namespace
}  // namespace kestra
