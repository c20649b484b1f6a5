#include "battle/after_action.h"

#include <gtest/gtest.h>

#include "battle/deaths.h"
#include "battle/end_of_action.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::DuelSide;

// Six living cards, HP 5 and MP 2 each, IDs that keep the disasters quiet.
void Field(DuelSide& s) {
    for (size_t i = 1; i <= 6; ++i) {
        s.d.chara[i] = Card(10 + static_cast<int32_t>(i));
        s.d.chara[i].hp = 5;
        s.d.chara[i].mp = 2;
    }
    s.d.my_id = 1;
    s.d.aite_id = 0;
    s.d.turn = 2;
    s.d.turn_base = 8;
    s.d.atk_no = 1;
    s.d.tgt_no = 4;
}

// Records the game set the after-action processing hands over.
struct GameSetSpy {
    int calls = 0;
    bool beaten = false, both = false;
    BattleHooks Hooks() {
        BattleHooks h;
        h.game_set = [this](DuelContext&, bool b, bool w) {
            ++calls;
            beaten = b;
            both = w;
        };
        return h;
    }
};

TEST(AfterAction, ClampsBeforeAnyDeathLine) {
    DuelSide s;
    Field(s);
    s.d.chara[5].hp = -7;
    s.d.chara[5].mp = -1;
    s.d.chara[6].lv = -2;
    GameSetSpy spy;
    EXPECT_EQ(RunAfterAction(s.ctx, spy.Hooks()), PhaseEnd::NextTurn);
    EXPECT_EQ(s.d.chara[5].hp, 0);
    EXPECT_EQ(s.d.chara[5].mp, 0);
    EXPECT_EQ(s.d.chara[6].lv, 0);
    EXPECT_EQ(s.d.chara[5].name, "死亡");
    EXPECT_TRUE(s.screen.Has("add: 相手の" + Card(15).name + "は息絶えた...."));
    EXPECT_TRUE(s.screen.Has("picture 5: cg/char-1.bmp"));
    EXPECT_EQ(spy.calls, 0);
    EXPECT_EQ(s.d.turn, 3);  // the opponent's turn has begun
    EXPECT_EQ(s.d.input_phase, kPhaseAwaitOpponent);
}

TEST(Deaths, RevivalRules) {
    struct Case {
        const char* what;
        int32_t card, lv, status1, status2, kind, turn, luck, icon;
        bool revives;
    };
    const Case cases[] = {
        {"promise", 10, 0, 0, 5, 0, 6, 0, -1, true},
        {"contract", 10, 0, 15, 0, 0, 6, 0, -1, true},
        {"801 duel", 10, 0, 0, 0, 9, 6, 0, -1, true},
        {"icon 81 early", 10, 0, 0, 0, 0, 4, 0, 81, true},
        {"icon 81 late", 10, 0, 0, 0, 0, 5, 0, 81, false},
        {"ghost lv3 digit 2", 187, 3, 0, 0, 0, 6, 2, -1, true},
        {"ghost lv3 digit 3", 187, 3, 0, 0, 0, 6, 3, -1, false},
        {"ghost lv6 digit 4", 187, 6, 0, 0, 0, 6, 4, -1, true},
        {"ghost lv9 digit 6", 187, 9, 0, 0, 0, 6, 6, -1, true},
        {"ghost lv9 digit 7", 187, 9, 0, 0, 0, 6, 7, -1, false},
        {"plain", 10, 9, 0, 0, 0, 6, 0, -1, false},
    };
    for (const Case& c : cases) {
        DuelSide s;
        Field(s);
        s.d.chara[2] = Card(c.card, c.lv);
        s.d.chara[2].hp = 0;
        s.d.chara[2].status1 = c.status1;
        s.d.chara[2].status2 = c.status2;
        s.d.duel_kind = c.kind;
        s.d.turn = c.turn;
        s.d.luck = c.luck;
        s.d.e_icon1 = c.icon;
        EXPECT_EQ(RevivesInstead(s.d, s.ctx.cat, 2), c.revives) << c.what;
        ProcessDeaths(s.ctx);
        EXPECT_EQ(s.d.chara[2].alive(), c.revives) << c.what;
        if (c.revives) {
            EXPECT_EQ(s.d.chara[2].hp, 1) << c.what;
            EXPECT_EQ(s.d.chara[2].status1, 0) << c.what;
            EXPECT_TRUE(s.screen.Has("add: しかし復活を遂げた!!")) << c.what;
        }
    }
}

TEST(Deaths, TheUndeadKeepsItsPromise) {
    DuelSide s;
    Field(s);
    s.d.chara[4] = Card(181);
    s.d.chara[4].hp = 0;
    s.d.chara[4].status2 = 5;
    ProcessDeaths(s.ctx);
    EXPECT_EQ(s.d.chara[4].hp, 1);
    EXPECT_EQ(s.d.chara[4].status2, 5);
}

// Sudden death: the last living reserve (entries 9 down to 3) takes the fallen slot.
TEST(Deaths, SuddenDeathReserve) {
    DuelSide s;
    Field(s);
    s.d.duel_kind = kSuddenDeath;
    for (size_t k = 0; k < 10; ++k) s.d.e_dekki[k] = Card(20 + static_cast<int32_t>(k), 3, 0);
    s.d.e_dekki[9].name = "死亡";
    s.d.chara[5].hp = 0;
    ProcessDeaths(s.ctx);
    EXPECT_EQ(s.d.chara[5].card_no, 28);
    EXPECT_EQ(s.d.chara[5].orig_no, 28);
    EXPECT_EQ(s.d.chara[5].element, 28 % 5);
    EXPECT_EQ(s.d.chara[5].hp, Card(28, 3).hp);
    EXPECT_EQ(s.d.e_dekki[8].name, "死亡");
    EXPECT_TRUE(s.screen.Has("add: 第2番目の戦士が現れた！"));
}

TEST(AfterAction, WipeOutHandsOverTheGameSet) {
    DuelSide s;
    Field(s);
    for (size_t i = 4; i <= 6; ++i) s.d.chara[i].hp = 0;
    GameSetSpy spy;
    EXPECT_EQ(RunAfterAction(s.ctx, spy.Hooks()), PhaseEnd::GameSet);
    EXPECT_EQ(spy.calls, 1);
    EXPECT_FALSE(spy.beaten);
    EXPECT_FALSE(spy.both);
}

// Both sides fall together: the LOWER catalogue total of the fighting cards wins; a tie goes to the receiver.
TEST(AfterAction, DoubleWipeOutJudgement) {
    struct Case {
        int32_t mine, theirs, role;
        bool this_wins;
    };
    const Case cases[] = {{11, 234, kApplicant, true}, {234, 11, kReceiver, false}, {11, 11, kReceiver, true},
                          {11, 11, kApplicant, false}};
    for (const Case& c : cases) {
        DuelSide s;
        Field(s);
        s.d.duel_role = c.role;
        for (size_t i = 1; i <= 3; ++i) s.d.chara[i] = Card(c.mine);
        for (size_t i = 4; i <= 6; ++i) s.d.chara[i] = Card(c.theirs);
        for (size_t i = 1; i <= 6; ++i) s.d.chara[i].hp = 0;
        EXPECT_EQ(ThisSideWinsDoubleWipeOut(s.d, s.ctx.cat), c.this_wins);
        GameSetSpy spy;
        EXPECT_EQ(RunAfterAction(s.ctx, spy.Hooks()), PhaseEnd::GameSet);
        EXPECT_TRUE(s.screen.Has("show: 相討ちに、総合判定により勝敗を決めます"));
        EXPECT_EQ(spy.beaten, !c.this_wins);
        EXPECT_TRUE(spy.both);
        EXPECT_TRUE(s.screen.Has(c.this_wins ? "add: ＜あなたの勝ちです！＞" : "add: ＜あなたの負けです！＞"));
    }
}

TEST(StatusTick, EveryBadStatus) {
    struct Case {
        const char* what;
        int32_t status1, waza, card;
        int32_t hp_after, mp_after, status_after;
        const char* line;  // after the card's (or owner's) name
    };
    // The card starts with HP 8, MP 6 in slot 1 (owner label "あなた").
    const Case cases[] = {
        {"poison", 1, 0, 10, 7, 6, 1, "は毒ダメージ 1を受けた"},
        {"strong poison", 6, 0, 10, 4, 6, 6, "は猛毒ダメージ 4を受けた"},
        {"deadly poison", 18, 0, 10, 0, 6, 18, "は劇毒ダメージ 9を受けた"},
        {"death poison", 19, 0, 10, 0, 6, 19, "は死毒ダメージ 20を受けた"},
        {"poison eater by technique", 1, 34, 10, 9, 6, 1, "は毒ダメージ分 1回復"},
        {"poison eater card", 6, 0, 47, 12, 6, 6, "は毒ダメージ分 4回復"},
        {"curse", 3, 0, 10, 4, 6, 3, "は呪いダメージ 4を受けた"},
        {"sleep", 2, 0, 10, 8, 6, 0, "は目を覚ました!!"},
        {"stone", 5, 0, 10, 8, 6, 2, "は、石化から解け、眠りについた。"},
        {"jail", 11, 0, 10, 8, 6, 5, "は、牢から解け、石化した。"},
        {"time 3", 14, 0, 10, 8, 6, 13, "は、<時２>状態へと変化した!!"},
        {"time 2", 13, 0, 10, 8, 6, 12, "は、<時１>状態へと変化した!!"},
        {"time 1", 12, 0, 10, 8, 6, 9, "は、<爆弾>状態へと変化した!!"},
        {"bomb", 9, 0, 10, 0, 6, 9, "の体は、木っ端微塵に吹き飛んだ!!"},
        {"bomb-proof", 9, 0, 53, 18, 16, 0, "は、爆発無効 > HP,MP+10"},
        {"contract", 15, 0, 10, 1, 1, 15, "は<契約>により、HPとMPが 1になった！"},
        {"weakened", 4, 0, 10, 8, 6, 4, nullptr},
    };
    const bool owner_named[] = {false, false, false, false, false, false, false, true, true, true,
                                true,  true,  true,  true,  true,  false, false};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        DuelSide s;
        Field(s);
        s.d.chara[1] = Card(c.card, 0, c.waza);
        s.d.chara[1].hp = 8;
        s.d.chara[1].mp = 6;
        s.d.chara[1].status1 = c.status1;
        TickBadStatus(s.ctx, 1);
        EXPECT_EQ(s.d.chara[1].hp, c.hp_after) << c.what;
        EXPECT_EQ(s.d.chara[1].mp, c.mp_after) << c.what;
        EXPECT_EQ(s.d.chara[1].status1, c.status_after) << c.what;
        if (c.line) {
            const std::string who = (owner_named[i] ? "あなたの" : "") + Card(c.card).name;
            EXPECT_TRUE(s.screen.Has("add: " + who + c.line)) << c.what;
        }
    }
}

TEST(StatusTick, SicknessAndConfusion) {
    DuelSide s;
    Field(s);
    s.d.chara[2].status1 = 10;
    s.d.chara[3].name = "死亡";
    TickBadStatus(s.ctx, 2);
    EXPECT_EQ(s.d.chara[1].hp, 4);
    EXPECT_EQ(s.d.chara[1].mp, 1);
    EXPECT_EQ(s.d.chara[2].hp, 5);

    DuelSide c;
    Field(c);
    c.d.chara[6].status1 = 7;
    c.d.chara[6].hp = 9;  // strikes its own side's first card for 9 / 2 + 1
    TickBadStatus(c.ctx, 6);
    EXPECT_EQ(c.d.chara[4].hp, 0);
    EXPECT_TRUE(c.screen.Has("add: " + c.d.chara[4].name + "に攻撃し、5ダメージを与えた"));
}

TEST(EndOfAction, RampageAimsByTheChanceDigit) {
    struct Case {
        int32_t luck;
        int32_t victim;
    };
    for (const Case c : {Case{0, 4}, Case{3, 4}, Case{4, 5}, Case{6, 5}, Case{7, 6}, Case{9, 6}}) {
        DuelSide s;
        Field(s);
        s.d.luck = c.luck;
        s.d.chara[1].status2 = 6;
        RunEndOfAction(s.ctx);
        for (int32_t v = 4; v <= 6; ++v)
            EXPECT_EQ(s.d.chara[static_cast<size_t>(v)].hp, v == c.victim ? 0 : 5) << c.luck << " slot " << v;
    }
    // A dead aim moves on; the opponent's action rampages against this side.
    DuelSide s;
    Field(s);
    s.d.atk_no = 5;
    s.d.luck = 9;
    s.d.chara[3].name = "死亡";
    s.d.chara[5].status2 = 6;
    RunEndOfAction(s.ctx);
    EXPECT_EQ(s.d.chara[1].hp, 0);
}

TEST(EndOfAction, MomentCard) {
    struct Case {
        int32_t turn, hp_after;
    };
    int32_t icon = -1;
    for (int32_t n = 0; n < kListedIcons; ++n)
        if (test::GameCatalogue().icon[static_cast<size_t>(n)].name == "刹那のカード") icon = n;
    ASSERT_GE(icon, 0);
    for (const Case c : {Case{2, 104}, Case{3, 5}, Case{6, 5}, Case{7, -94}}) {
        DuelSide s;
        Field(s);
        s.d.turn = c.turn;
        s.d.e_icon2 = icon;
        RunEndOfAction(s.ctx);
        EXPECT_EQ(s.d.chara[1].hp, c.hp_after) << c.turn;
        EXPECT_EQ(s.d.chara[4].hp, 5) << "only the acting side";
    }
}

}  // namespace
}  // namespace kestra
