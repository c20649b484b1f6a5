#pragma once
// The program's sound: four wave channels and one looping MIDI piece through SDL2_mixer.
// Nothing here ever reports a failure: no device, a missing file or a bad file plays nothing.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "audio/audio.h"
#include "audio/midi_player.h"
#include "audio/mixer_device.h"
#include "audio/wave_channels.h"

namespace kestra {

class SdlAudio : public Audio {
public:
    // Opens the device and loads "1.wav" onto each of the four channels, from dat_folder.
    explicit SdlAudio(std::filesystem::path dat_folder);
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    void PlaySe(std::string_view wave, int32_t channel) override;
    void PlayBgm(std::string_view piece) override;
    void SetMusicOn(bool on) override { music_on_ = on; }
    bool MusicOn() const override { return music_on_; }
    void SetMuted(bool muted) override;

    // What the mixer is doing, for diagnostics and the tests.
    bool DeviceOpen() const { return device_.Open(); }
    bool Playing(int32_t channel) const { return waves_.Playing(channel); }
    std::string LoadedWave(int32_t channel) const { return waves_.Loaded(channel); }
    bool MusicPlaying() const { return music_.Playing(); }

private:
    MixerDevice device_;  // first member: opened before the channels load, closed after they free
    WaveChannels waves_;
    MidiPlayer music_;
    bool music_on_ = true;
    bool muted_ = false;
};

}  // namespace kestra
