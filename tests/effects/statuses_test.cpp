#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "effects/statuses.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using namespace status;
using test::Card;
using test::DuelSide;

// A side with six living cards on the given turn.
void Seat(DuelSide& s, int32_t turn) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(static_cast<int32_t>(i) + 9);
    s.d.turn = turn;
}

TEST(StatusGroups, PoisonTimerAndHealing) {
    for (int32_t code = 0; code <= kBadLast; ++code) {
        EXPECT_EQ(InPoisonGroup(code), code == 1 || code == 6) << code;
        EXPECT_EQ(InTimerGroup(code), code >= 12 && code <= 14) << code;
    }
    for (int32_t code = 0; code <= kGoodLast; ++code)
        EXPECT_EQ(InHealingState(code), code == 1 || code == 9 || code == 10 || code == 11) << code;
}

// The random bad status goes by turn mod 7, the good one by turn mod 8.
TEST(StatusRandom, ByTurn) {
    const std::pair<int32_t, int32_t> bad[] = {{7, kBadBomb},     {8, kBadPoison},   {0, kBadBomb},
                                               {2, kBadSleep},    {3, kBadWeakened}, {4, kBadCurse},
                                               {5, kBadConfusion}, {6, kBadFrozen},  {13, kBadFrozen}};
    for (const auto& [turn, code] : bad) EXPECT_EQ(RandomBadStatus(turn), code) << turn;
    const std::pair<int32_t, int32_t> good[] = {
        {8, kGoodRampage},        {15, kGoodPromise}, {0, kGoodRampage},   {1, kGoodHealing},   {2, kGoodMagicPower},
        {3, kGoodStrengthened}, {4, kGoodShield},   {5, kGoodMagicPath}, {6, kGoodDivinity}, {9, kGoodHealing}};
    for (const auto& [turn, code] : good) EXPECT_EQ(RandomGoodStatus(turn), code) << turn;
}

// Each status change shown on the screen: the status it leaves and its sound, flash, line and click.
TEST(StatusShown, StatusAndStory) {
    struct Case {
        const char* what;
        int32_t turn;
        size_t slot;
        bool bad;  // which status field changes
        int32_t before, after;
        std::function<void(DuelContext&)> act;
        std::vector<std::string> transcript;  // "@" stands for the card's name
    };
    const Case cases[] = {
        {"a random bad status replaces silently", 7, 5, true, kBadPoison, kBadBomb,
         [](DuelContext& c) { GiveRandomBadStatus(c, 5); },
         {"se3: down.wav", "flash black 5", "add: @にランダムバッドステータス!!", "click"}},
        {"a random good status", 15, 2, false, kGoodShield, kGoodPromise,
         [](DuelContext& c) { GiveRandomGoodStatus(c, 2); },
         {"se3: up.wav", "flash white 2", "add: @にランダムグッドステータス!!", "click"}},
        {"a shortened life", 3, 4, true, kBadTime3, kBadTime1, [](DuelContext& c) { ShortenLife(c, 4); },
         {"se3: down.wav", "flash white 4", "add: @は寿命が短くなった！", "click"}},
        {"driven mad", 3, 6, true, kBadConfusion, kBadBetrayal, [](DuelContext& c) { DriveMad(c, 6); },
         {"se3: cat.wav", "flash fuchsia 6", "add: @は頭がおかしくなった....", "click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s, c.turn);
        tchar& card = s.d.chara[c.slot];
        (c.bad ? card.status1 : card.status2) = c.before;
        c.act(s.ctx);
        EXPECT_EQ(c.bad ? card.status1 : card.status2, c.after);
        std::vector<std::string> expected = c.transcript;
        for (std::string& line : expected)
            if (const size_t at = line.find('@'); at != std::string::npos) line.replace(at, 1, card.name);
        EXPECT_EQ(s.screen.transcript, expected);
    }
}

TEST(StatusCountdown, FourTestsInTurn) {
    struct Case {
        const char* what;
        int32_t status_before, hp_before, status_after, hp_after;
    };
    const Case cases[] = {
        {"time 3 goes to time 1", kBadTime3, 6, kBadTime1, 6}, {"time 2 leaves a bomb", kBadTime2, 6, kBadBomb, 6},
        {"time 1 leaves HP 1 and a bomb", kBadTime1, 6, kBadBomb, 1},
        {"a bomb takes HP to 0 and stays", kBadBomb, 6, kBadBomb, 0},
        {"poison becomes time 2", kBadPoison, 6, kBadTime2, 6}, {"no status becomes time 2", kBadNone, 6, kBadTime2, 6},
        {"chains become time 2", kBadChains, 6, kBadTime2, 6},
    };
    for (const Case& c : cases) {
        tchar card = Card(12);
        card.status1 = c.status_before;
        card.hp = c.hp_before;
        AdvanceCountdown(card);
        EXPECT_EQ((std::pair{card.status1, card.hp}), (std::pair{c.status_after, c.hp_after})) << c.what;
    }
}

TEST(StatusConfusion, EscalatesOnlyFromConfusion) {
    for (const auto& [before, after] : {std::pair{kBadConfusion, kBadBetrayal}, {kBadNone, kBadConfusion},
                                        {kBadBetrayal, kBadConfusion}, {kBadPoison, kBadConfusion}}) {
        tchar card = Card(10);
        card.status1 = before;
        EscalateConfusion(card);
        EXPECT_EQ(card.status1, after) << before;
    }
}

TEST(StatusMove, BadAndGoodEvenWhenZero) {
    struct Case {
        const char* what;
        std::array<int32_t, 4> before, after;  // user status1, status2, target status1, status2
    };
    const Case cases[] = {
        {"curse moves over poison", {kBadCurse, kGoodShield, kBadPoison, kGoodCloud}, {0, kGoodCloud, kBadCurse, 0}},
        {"nothing moves over poison", {0, kGoodShield, kBadPoison, 0}, {0, 0, 0, 0}},
        {"nothing over nothing", {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        tchar user = Card(10), target = Card(11);
        user.status1 = c.before[0], user.status2 = c.before[1];
        target.status1 = c.before[2], target.status2 = c.before[3];
        MoveBadStatus(user, target);
        StealGoodStatus(user, target);
        EXPECT_EQ((std::array{user.status1, user.status2, target.status1, target.status2}), c.after) << c.what;
    }
}

// The shown moves act on the slots they name (their lines are the seeded duels' to pin).
TEST(StatusMove, ShownMovesActOnTheSlots) {
    DuelSide s;
    Seat(s, 3);
    s.d.chara[1].status1 = kBadSleep;
    s.d.chara[4].status2 = kGoodBarrier;
    PassBadStatus(s.ctx, 1, 4);
    TakeGoodStatus(s.ctx, 1, 4);
    EXPECT_EQ(s.d.chara[4].status1, kBadSleep);
    EXPECT_EQ(s.d.chara[1].status2, kGoodBarrier);
}

TEST(StatusClear, RequiredStatusOrNothing) {
    struct Case {
        const char* what;
        RequiredStatus required;
        int32_t status1, status2;
        bool cleared;
        int32_t status1_after, status2_after;
    };
    const RequiredStatus poison{StatusField::Bad, StatusGroup::Poison};
    const RequiredStatus timer{StatusField::Bad, StatusGroup::Timer};
    const RequiredStatus healing{StatusField::Good, StatusGroup::Healing};
    const RequiredStatus magic_path{StatusField::Good, StatusGroup::One, kGoodMagicPath};
    const RequiredStatus bomb{StatusField::Bad, StatusGroup::One, kBadBomb};
    const Case cases[] = {
        {"antidote on strong poison", poison, kBadStrongPoison, kGoodShield, true, 0, kGoodShield},
        {"antidote on sleep", poison, kBadSleep, 0, false, kBadSleep, 0},
        {"timer on time 2", timer, kBadTime2, 0, true, 0, 0},
        {"timer on a bomb", timer, kBadBomb, 0, false, kBadBomb, 0},
        {"healing state on divinity", healing, kBadCurse, kGoodDivinity, true, kBadCurse, 0},
        {"healing state on shield", healing, 0, kGoodShield, false, 0, kGoodShield},
        {"magic path held", magic_path, 0, kGoodMagicPath, true, 0, 0},
        {"bomb missing", bomb, kBadTime1, 0, false, kBadTime1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s, 3);
        tchar& card = s.d.chara[2];
        card.status1 = c.status1;
        card.status2 = c.status2;
        const int32_t hp = card.hp;
        bool rewarded = false;
        const bool cleared = ClearRequiredStatus(s.ctx, 2, c.required, [&](DuelContext& ctx, int32_t slot) {
            rewarded = true;
            ctx.d.chara[static_cast<size_t>(slot)].hp += 3;
        });
        EXPECT_EQ((std::array{cleared, rewarded}), (std::array{c.cleared, c.cleared}));
        EXPECT_EQ((std::array{card.status1, card.status2}), (std::array{c.status1_after, c.status2_after}));
        EXPECT_EQ(card.hp, c.cleared ? hp + 3 : hp);
        EXPECT_EQ(s.screen.Has("add: 何も起きなかった...."), !c.cleared);
    }
}

}  // namespace
}  // namespace kestra
