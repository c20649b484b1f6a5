// The duel's music piece and the music quiz at the duel start.
#include "effects/duel_music.h"

#include <gtest/gtest.h>

#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::DuelSide;
using test::GameCatalogue;

// Six slots whose HP and MP add up to the given total (slot 1 carries the rest).
void SetFigures(DuelRecord& d, int32_t total) {
    for (size_t s = 1; s <= 6; ++s) d.chara[s].hp = d.chara[s].mp = 1;
    d.chara[1].hp = total - 11;
}

TEST(DuelMusic, PieceIsTheFiguresModFortySix) {
    struct Case {
        int32_t total, piece;
    };
    const Case cases[] = {{12, 12}, {45, 45}, {46, 0}, {47, 1}, {100, 8}, {137, 45}, {138, 0}};
    for (const Case& c : cases) {
        DuelRecord d;
        SetFigures(d, c.total);
        EXPECT_EQ(DuelMusicPiece(d), c.piece) << c.total;
    }
    DuelRecord d;
    SetFigures(d, 100);
    d.chara[0].hp = d.chara[7].mp = 5;  // entries 0 and 7 are no cards
    EXPECT_EQ(DuelMusicPiece(d), 8);
    EXPECT_EQ(DuelMusicFile(8), "8.mid");
}

// A negative sum, which no shipped card gives, still names a piece that exists.
TEST(DuelMusic, NegativeSumsFoldIntoTheList) {
    DuelRecord d;
    SetFigures(d, -1);
    EXPECT_EQ(DuelMusicPiece(d), 45);
}

// The shipped list: group 0 has 7 titled pieces (0..6), group 4 six (21..26), group 8 three (43..45).
TEST(DuelMusic, QuizPayouts) {
    struct Case {
        int32_t guess, piece;
        bool piece_hit, group_hit;
        int32_t money, ark;
    };
    const Case cases[] = {
        {3, 3, true, true, 100 + 14, 7},    // 50 div 7 = 7 Ark, twice that in 円, plus the piece prize
        {3, 6, false, true, 14, 7},         // same group only
        {44, 43, false, true, 32, 16},      // 50 div 3 = 16
        {26, 21, false, true, 16, 8},       // 50 div 6 = 8
        {21, 20, false, false, 0, 0},       // groups 4 and 3
        {-1, 0, false, false, 0, 0},        // no guess
        {100, 0, false, false, 0, 0},       // outside the list
    };
    for (const Case& c : cases) {
        const QuizPayout p = MusicQuizPayout(GameCatalogue(), c.guess, c.piece);
        EXPECT_EQ(p.piece_hit, c.piece_hit) << c.guess << " " << c.piece;
        EXPECT_EQ(p.group_hit, c.group_hit) << c.guess << " " << c.piece;
        EXPECT_EQ(p.money, c.money) << c.guess << " " << c.piece;
        EXPECT_EQ(p.ark, c.ark) << c.guess << " " << c.piece;
    }
}

TEST(DuelMusic, StartPlaysThePieceAndPaysTheQuiz) {
    DuelSide s;
    SetFigures(s.d, 46 + 3);
    s.my.quiz_pick = 3;
    s.my.money = 50;
    s.my.ark = 2;
    const DuelMusicStart out = StartDuelMusic(s.ctx, true);
    EXPECT_EQ(out.piece, 3);
    EXPECT_EQ(s.my.money, 50 + 114);
    EXPECT_EQ(s.my.ark, 2 + 7);
    EXPECT_EQ(out.bingo_ticks, 30);
    EXPECT_EQ(out.bingo_group_ticks, 30);
    const std::vector<std::string> expected = {"bgm: 3.mid", "se0: coin.wav", "se0: coin.wav"};
    EXPECT_EQ(s.screen.transcript, expected);
}

TEST(DuelMusic, MusicOffStillPaysTheGroup) {
    DuelSide s;
    SetFigures(s.d, 6);
    s.my.quiz_pick = 0;
    s.my.money = 0;
    const DuelMusicStart out = StartDuelMusic(s.ctx, false);
    EXPECT_EQ(out.piece, 6);
    EXPECT_EQ(s.my.money, 14);
    EXPECT_EQ(out.bingo_ticks, 0);
    EXPECT_EQ(out.bingo_group_ticks, 30);
    EXPECT_FALSE(s.screen.Has("bgm: 6.mid"));
    EXPECT_TRUE(s.screen.Has("se0: coin.wav"));
}

// In view mode the piece plays but nobody's purse changes.
TEST(DuelMusic, ViewModePaysNothing) {
    DuelSide s;
    SetFigures(s.d, 3);
    s.d.look_mode = 1;
    s.my.quiz_pick = 3;
    s.my.money = 10;
    const DuelMusicStart out = StartDuelMusic(s.ctx, true);
    EXPECT_EQ(s.my.money, 10);
    EXPECT_EQ(s.my.ark, 0);
    EXPECT_EQ(out.bingo_ticks, 0);
    EXPECT_TRUE(s.screen.Has("bgm: 3.mid"));
    EXPECT_FALSE(s.screen.Has("se0: coin.wav"));
}

}  // namespace
}  // namespace kestra
