// The game set as every front end runs it: a viewed duel only computes the set IDs, a closed one gets
// nothing after the abort (playing, the seeded two-program duels exchange and match them).
#include "duel/duel_flow.h"

#include <gtest/gtest.h>

#include "duel/verification.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::DuelSide;

// Six cards, the opponent's side wiped out; counts the saves it is asked for.
struct Finished : DuelSide {
    int saves = 0;
    SavePlayer save = [this](tmy&) { return ++saves, SaveOutcome{}; };
    Finished() {
        for (size_t i = 1; i <= 6; ++i) d.chara[i] = Card(static_cast<int32_t>(i)), d.chara[i].hp = i >= 4 ? 0 : d.chara[i].hp;
        d.duel_role = kReceiver;
    }
};

TEST(DuelFlow, ViewModeOnlyComputesTheSetIds) {
    Finished s;
    s.d.look_mode = 1, s.d.input_phase = kPhaseAwaitOpponent;
    EXPECT_FALSE(RunGameSetAndIds(s.ctx, true, false, s.save).won);
    EXPECT_EQ((std::array{s.saves, s.my.duels, s.d.my_id}), (std::array{0, 0, SetIdFor(s.d, kReceiver)}));
    EXPECT_NE(s.d.input_phase, kPhaseSetIds);
    EXPECT_TRUE(s.screen.clipboard.empty());
    EXPECT_TRUE(s.screen.Has("show: 申込側は全滅しました！！！"));
}

// The window was closed mid-duel: the abort has settled it, so the game set adds nothing after it.
TEST(DuelFlow, AClosedDuelGetsNoResultsAndNoSetIds) {
    Finished s;
    const tmy before = s.my;
    s.msg.SwitchOff();
    EXPECT_TRUE(RunGameSetAndIds(s.ctx, false, false, s.save).won);
    EXPECT_EQ(s.saves, 0);
    EXPECT_EQ(s.my, before);
    EXPECT_NE(s.d.input_phase, kPhaseSetIds);
    EXPECT_TRUE(s.screen.clipboard.empty());
}

}  // namespace
}  // namespace kestra
