#include <gtest/gtest.h>

#include "audio/audio.h"

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

}  // namespace
}  // namespace kestra
