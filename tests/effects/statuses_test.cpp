#include <gtest/gtest.h>

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

TEST(StatusRandom, BadByTurnModSeven) {
    struct Case {
        int32_t turn, code;
    };
    for (const Case c : {Case{7, kBadBomb}, Case{8, kBadPoison}, Case{0, kBadBomb}, Case{2, kBadSleep},
                         Case{3, kBadWeakened}, Case{4, kBadCurse}, Case{5, kBadConfusion}, Case{6, kBadFrozen},
                         Case{13, kBadFrozen}})
        EXPECT_EQ(RandomBadStatus(c.turn), c.code) << c.turn;
}

TEST(StatusRandom, GoodByTurnModEight) {
    struct Case {
        int32_t turn, code;
    };
    for (const Case c : {Case{8, kGoodRampage}, Case{15, kGoodPromise}, Case{0, kGoodRampage}, Case{1, kGoodHealing},
                         Case{2, kGoodMagicPower}, Case{3, kGoodStrengthened}, Case{4, kGoodShield},
                         Case{5, kGoodMagicPath}, Case{6, kGoodDivinity}, Case{9, kGoodHealing}})
        EXPECT_EQ(RandomGoodStatus(c.turn), c.code) << c.turn;
}

TEST(StatusRandom, BadOnTargetReplacesSilently) {
    DuelSide s;
    Seat(s, 7);
    s.d.chara[5].status1 = kBadPoison;
    GiveRandomBadStatus(s.ctx, 5);
    EXPECT_EQ(s.d.chara[5].status1, kBadBomb);
    const std::vector<std::string> expected = {"se3: down.wav", "flash black 5",
                                               "add: " + s.d.chara[5].name + "にランダムバッドステータス!!", "click"};
    EXPECT_EQ(s.screen.transcript, expected);
}

TEST(StatusRandom, GoodOnUser) {
    DuelSide s;
    Seat(s, 15);
    s.d.chara[2].status2 = kGoodShield;
    GiveRandomGoodStatus(s.ctx, 2);
    EXPECT_EQ(s.d.chara[2].status2, kGoodPromise);
    const std::vector<std::string> expected = {"se3: up.wav", "flash white 2",
                                               "add: " + s.d.chara[2].name + "にランダムグッドステータス!!", "click"};
    EXPECT_EQ(s.screen.transcript, expected);
}

TEST(StatusCountdown, FourTestsInTurn) {
    struct Case {
        const char* what;
        int32_t status_before, hp_before;
        int32_t status_after, hp_after;
    };
    const Case cases[] = {
        {"time 3 goes to time 1", kBadTime3, 6, kBadTime1, 6},
        {"time 2 leaves a bomb", kBadTime2, 6, kBadBomb, 6},
        {"time 1 leaves HP 1 and a bomb", kBadTime1, 6, kBadBomb, 1},
        {"a bomb takes HP to 0 and stays", kBadBomb, 6, kBadBomb, 0},
        {"poison becomes time 2", kBadPoison, 6, kBadTime2, 6},
        {"no status becomes time 2", kBadNone, 6, kBadTime2, 6},
        {"chains become time 2", kBadChains, 6, kBadTime2, 6},
    };
    for (const Case& c : cases) {
        tchar card = Card(12);
        card.status1 = c.status_before;
        card.hp = c.hp_before;
        AdvanceCountdown(card);
        EXPECT_EQ(card.status1, c.status_after) << c.what;
        EXPECT_EQ(card.hp, c.hp_after) << c.what;
    }
}

TEST(StatusCountdown, ShortenLifeShowsItsLine) {
    DuelSide s;
    Seat(s, 3);
    s.d.chara[4].status1 = kBadTime3;
    ShortenLife(s.ctx, 4);
    EXPECT_EQ(s.d.chara[4].status1, kBadTime1);
    EXPECT_TRUE(s.screen.Has("se3: down.wav"));
    EXPECT_TRUE(s.screen.Has("flash white 4"));
    EXPECT_TRUE(s.screen.Has("add: " + s.d.chara[4].name + "は寿命が短くなった！"));
}

TEST(StatusConfusion, EscalatesOnlyFromConfusion) {
    struct Case {
        int32_t before, after;
    };
    for (const Case c : {Case{kBadConfusion, kBadBetrayal}, Case{kBadNone, kBadConfusion},
                         Case{kBadBetrayal, kBadConfusion}, Case{kBadPoison, kBadConfusion}}) {
        tchar card = Card(10);
        card.status1 = c.before;
        EscalateConfusion(card);
        EXPECT_EQ(card.status1, c.after) << c.before;
    }
}

TEST(StatusConfusion, DriveMadShowsItsLine) {
    DuelSide s;
    Seat(s, 3);
    s.d.chara[6].status1 = kBadConfusion;
    DriveMad(s.ctx, 6);
    EXPECT_EQ(s.d.chara[6].status1, kBadBetrayal);
    EXPECT_TRUE(s.screen.Has("se3: cat.wav"));
    EXPECT_TRUE(s.screen.Has("flash fuchsia 6"));
    EXPECT_TRUE(s.screen.Has("add: " + s.d.chara[6].name + "は頭がおかしくなった...."));
}

TEST(StatusMove, BadAndGoodEvenWhenZero) {
    struct Case {
        const char* what;
        int32_t user1, user2, target1, target2;          // before
        int32_t user1_after, user2_after, target1_after, target2_after;
    };
    const Case cases[] = {
        {"curse moves over poison", kBadCurse, kGoodShield, kBadPoison, kGoodCloud, 0, kGoodCloud, kBadCurse, 0},
        {"nothing moves over poison", 0, kGoodShield, kBadPoison, 0, 0, 0, 0, 0},
        {"nothing over nothing", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        tchar user = Card(10), target = Card(11);
        user.status1 = c.user1;
        user.status2 = c.user2;
        target.status1 = c.target1;
        target.status2 = c.target2;
        MoveBadStatus(user, target);
        StealGoodStatus(user, target);
        EXPECT_EQ(user.status1, c.user1_after) << c.what;
        EXPECT_EQ(user.status2, c.user2_after) << c.what;
        EXPECT_EQ(target.status1, c.target1_after) << c.what;
        EXPECT_EQ(target.status2, c.target2_after) << c.what;
    }
}

TEST(StatusMove, PresentedLines) {
    DuelSide s;
    Seat(s, 3);
    s.d.chara[1].status1 = kBadSleep;
    s.d.chara[4].status2 = kGoodBarrier;
    PassBadStatus(s.ctx, 1, 4);
    TakeGoodStatus(s.ctx, 1, 4);
    EXPECT_EQ(s.d.chara[4].status1, kBadSleep);
    EXPECT_EQ(s.d.chara[1].status2, kGoodBarrier);
    const std::string& u = s.d.chara[1].name;
    const std::string& t = s.d.chara[4].name;
    EXPECT_TRUE(s.screen.Has("add: " + u + "のBADｽﾃｰﾀｽを" + t + "に転化させた！"));
    EXPECT_TRUE(s.screen.Has("add: " + t + "のGOODｽﾃｰﾀｽを" + u + "に転化させた！"));
    EXPECT_EQ(s.screen.Lines("se3: kaijyo.wav").size(), 2u);
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
        EXPECT_EQ(cleared, c.cleared) << c.what;
        EXPECT_EQ(rewarded, c.cleared) << c.what;
        EXPECT_EQ(card.status1, c.status1_after) << c.what;
        EXPECT_EQ(card.status2, c.status2_after) << c.what;
        EXPECT_EQ(card.hp, c.cleared ? hp + 3 : hp) << c.what;
        EXPECT_EQ(s.screen.Has("add: 何も起きなかった...."), !c.cleared) << c.what;
    }
}

}  // namespace
}  // namespace kestra
