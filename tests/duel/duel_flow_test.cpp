// The game set as every front end runs it: results, then the set IDs (exchanged only when playing).
#include "duel/duel_flow.h"

#include <gtest/gtest.h>

#include "duel/verification.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::DuelSide;

// Six cards, the opponent's side wiped out.
void Finished(DuelSide& s) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(static_cast<int32_t>(i));
    for (size_t i = 4; i <= 6; ++i) s.d.chara[i].hp = 0;
    s.d.duel_role = kReceiver;
}

TEST(DuelFlow, PlayingTheResultsAreSavedAndTheSetIdsExchanged) {
    DuelSide s;
    Finished(s);
    int saves = 0;
    const GameSetResult r = RunGameSetAndIds(s.ctx, false, false, [&saves](tmy&) {
        ++saves;
        return SaveOutcome{};
    });
    EXPECT_TRUE(r.won);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(s.my.duels, 1);
    EXPECT_EQ(s.d.input_phase, kPhaseSetIds);
    EXPECT_EQ(s.d.my_id, SetIdFor(s.d, kReceiver));
    EXPECT_EQ(s.d.aite_id, SetIdFor(s.d, kApplicant));
    EXPECT_EQ(s.screen.clipboard, "セットID：" + std::to_string(s.d.my_id) + " ありがとうございました");
}

TEST(DuelFlow, ViewModeOnlyComputesTheSetIds) {
    DuelSide s;
    Finished(s);
    s.d.look_mode = 1;
    s.d.input_phase = kPhaseAwaitOpponent;
    int saves = 0;
    const GameSetResult r = RunGameSetAndIds(s.ctx, true, false, [&saves](tmy&) {
        ++saves;
        return SaveOutcome{};
    });
    EXPECT_FALSE(r.won);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(s.my.duels, 0);
    EXPECT_NE(s.d.input_phase, kPhaseSetIds);
    EXPECT_EQ(s.d.my_id, SetIdFor(s.d, kReceiver));
    EXPECT_TRUE(s.screen.clipboard.empty());
    EXPECT_TRUE(s.screen.Has("show: 申込側は全滅しました！！！"));
}

// The window was closed mid-duel: the abort has settled it, so the game set adds nothing after it.
TEST(DuelFlow, AClosedDuelGetsNoResultsAndNoSetIds) {
    DuelSide s;
    Finished(s);
    const tmy before = s.my;
    s.msg.SwitchOff();
    int saves = 0;
    const GameSetResult r = RunGameSetAndIds(s.ctx, false, false, [&saves](tmy&) {
        ++saves;
        return SaveOutcome{};
    });
    EXPECT_TRUE(r.won);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(s.my, before);
    EXPECT_NE(s.d.input_phase, kPhaseSetIds);
    EXPECT_TRUE(s.screen.clipboard.empty());
}

}  // namespace
}  // namespace kestra
