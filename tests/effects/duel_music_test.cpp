// The duel's music piece and the music quiz at the duel start.
#include "effects/duel_music.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

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

// The piece is the sum of the six cards' HP and MP mod 46; a negative sum, which no shipped card
// gives, still names a piece that exists.
TEST(DuelMusic, PieceIsTheFiguresModFortySix) {
    const std::pair<int32_t, int32_t> cases[] = {{12, 12}, {45, 45}, {46, 0},  {47, 1},
                                                 {100, 8}, {137, 45}, {138, 0}, {-1, 45}};
    for (const auto& [total, piece] : cases) {
        DuelRecord d;
        SetFigures(d, total);
        d.chara[0].hp = d.chara[7].mp = 5;  // entries 0 and 7 are no cards
        EXPECT_EQ(DuelMusicPiece(d), piece) << total;
    }
    EXPECT_EQ(DuelMusicFile(8), "8.mid");
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
        EXPECT_EQ((std::array{p.piece_hit, p.group_hit}), (std::array{c.piece_hit, c.group_hit})) << c.guess;
        EXPECT_EQ((std::array{p.money, p.ark}), (std::array{c.money, c.ark})) << c.guess << " " << c.piece;
    }
    EXPECT_TRUE(MusicQuizPayout(GameCatalogue(), 0, 0).piece_hit) << "piece 0 is a piece like the others";
}

// The start plays the piece when music is on and pays the quiz; in view mode nobody's purse changes.
TEST(DuelMusic, StartPlaysThePieceAndPaysTheQuiz) {
    struct Case {
        const char* what;
        int32_t total, pick;
        bool music, view;
        int32_t piece, money, ark, ticks, group_ticks;
        std::vector<std::string> transcript;
    };
    const Case cases[] = {
        {"piece hit", 46 + 3, 3, true, false, 3, 50 + 114, 2 + 7, 30, 30, {"bgm: 3.mid", "se0: coin.wav", "se0: coin.wav"}},
        {"music off still pays the group", 6, 0, false, false, 6, 50 + 14, 2 + 7, 0, 30, {"se0: coin.wav"}},
        {"view mode", 3, 3, true, true, 3, 50, 2, 0, 0, {"bgm: 3.mid"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        SetFigures(s.d, c.total);
        s.d.look_mode = c.view ? 1 : 0;
        s.my.quiz_pick = c.pick;
        s.my.money = 50;
        s.my.ark = 2;
        const DuelMusicStart out = StartDuelMusic(s.ctx, c.music);
        EXPECT_EQ((std::array{out.piece, s.my.money, s.my.ark, out.bingo_ticks, out.bingo_group_ticks}),
                  (std::array{c.piece, c.money, c.ark, c.ticks, c.group_ticks}));
        EXPECT_EQ(s.screen.transcript, c.transcript);
    }
}

}  // namespace
}  // namespace kestra
