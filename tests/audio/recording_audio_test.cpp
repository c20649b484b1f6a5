// The recording stand-in, and sound that starts after the first window: nothing is lost that matters,
// nothing plays twice.
#include <gtest/gtest.h>

#include "audio/audio.h"
#include "audio/deferred_audio.h"

namespace kestra {
namespace {

using Cue = RecordingAudio::Cue;

TEST(RecordingAudio, TheFourHelpersUseChannelsZeroToThree) {
    RecordingAudio a;
    PlaySe(a, "1.wav");
    PlaySe2(a, "katan.wav");
    PlaySe3(a, "in.wav");
    PlaySe4(a, "coin.wav");
    EXPECT_EQ(a.played, (std::vector<Cue>{{"1.wav", 0}, {"katan.wav", 1}, {"in.wav", 2}, {"coin.wav", 3}}));
}

// Music switched off plays nothing and does not stop what plays; "not" stops it; muted cues are not
// recorded, but the piece counts as playing.
TEST(RecordingAudio, MusicOffPlaysNothingAndMutedCuesAreNotRecorded) {
    RecordingAudio a;
    a.SetMusicOn(false);
    a.PlayBgm("lorpe.mid");
    EXPECT_EQ(a.music, "");
    a.SetMusicOn(true);
    a.PlayBgm("3.mid");
    a.SetMusicOn(false);
    EXPECT_EQ(a.music, "3.mid");
    a.PlayBgm("not");
    EXPECT_EQ(a.music, "");
    a.SetMusicOn(true);
    a.PlayBgm("");
    EXPECT_EQ(a.music, "");
    a.SetMuted(true);
    a.PlaySe("no.wav", 0);
    a.PlayBgm("5.mid");
    EXPECT_EQ(a.music, "5.mid");
    a.SetMuted(false);
    a.PlaySe("ok.wav", 1);
    EXPECT_EQ(a.played, (std::vector<Cue>{{"3.mid", -1}, {"ok.wav", 1}}));
}

TEST(DeferredAudio, TheLastPieceAskedForStartsOnceTheSoundIsReady) {
    struct Case {
        const char* name;
        std::vector<std::string> pieces;  // asked before the sound was ready
        bool music_on;
        bool muted;
        std::vector<Cue> played;  // by the real sound, after Attach and one effect
    };
    const Case cases[] = {
        {"the opening piece", {"lorpe.mid"}, true, false, {{"lorpe.mid", -1}, {"1.wav", 0}}},
        {"the later piece wins", {"lorpe.mid", "3.mid"}, true, false, {{"3.mid", -1}, {"1.wav", 0}}},
        {"stopped again", {"lorpe.mid", "not"}, true, false, {{"1.wav", 0}}},
        {"music switched off", {"lorpe.mid"}, false, false, {{"1.wav", 0}}},
        {"muted by the developer panel", {"lorpe.mid"}, true, true, {}},
    };
    for (const Case& c : cases) {
        DeferredAudio a;
        a.SetMusicOn(c.music_on);
        a.SetMuted(c.muted);
        for (const std::string& piece : c.pieces) a.PlayBgm(piece);
        a.PlaySe("no.wav", 0);  // dropped: there is no sound yet
        auto real = std::make_unique<RecordingAudio>();
        RecordingAudio* seen = real.get();
        EXPECT_FALSE(a.Ready());
        a.Attach(std::move(real));
        EXPECT_TRUE(a.Ready());
        a.PlaySe("1.wav", 0);
        EXPECT_EQ(seen->played, c.played) << c.name;
        EXPECT_EQ(seen->MusicOn(), c.music_on) << c.name;
    }
}

}  // namespace
}  // namespace kestra
