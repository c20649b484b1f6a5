// Sound that starts after the first window: nothing is lost that matters, nothing plays twice.
#include "audio/deferred_audio.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

using Cue = RecordingAudio::Cue;

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
