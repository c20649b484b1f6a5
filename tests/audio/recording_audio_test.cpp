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

// Music switched off plays nothing and does not clear; muted cues are not recorded, but the piece counts.
TEST(RecordingAudio, MusicOffPlaysNothingAndMutedCuesAreNotRecorded) {
    RecordingAudio a;
    a.SetMusicOn(false);
    a.PlayBgm("lorpe.mid");
    EXPECT_EQ(a.music, "");
    EXPECT_TRUE(a.played.empty());
    a.SetMusicOn(true);
    a.PlayBgm("3.mid");
    EXPECT_EQ(a.music, "3.mid");
    a.SetMusicOn(false);  // switching off leaves the piece playing
    EXPECT_EQ(a.music, "3.mid");
    a.PlayBgm("not");
    EXPECT_EQ(a.music, "");
    a.SetMusicOn(true);
    a.PlayBgm("");
    EXPECT_EQ(a.music, "");
    EXPECT_EQ(a.played, (std::vector<Cue>{{"3.mid", -1}}));
    a.played.clear();
    a.SetMuted(true);
    a.PlaySe("no.wav", 0);
    a.PlayBgm("5.mid");
    EXPECT_TRUE(a.played.empty());
    EXPECT_EQ(a.music, "5.mid");  // the piece still counts as playing, only silenced
    a.SetMuted(false);
    a.PlaySe("ok.wav", 1);
    a.PlayBgm("6.mid");
    EXPECT_EQ(a.Waves(), (std::vector<std::string>{"ok.wav"}));
}

}  // namespace
}  // namespace kestra
