#include "battle/after_action.h"

#include "battle/deaths.h"
#include "battle/end_of_action.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// Six living cards, HP 5 and MP 2 each, IDs that keep the disasters quiet; slot 1 acts on slot 4.
void Field(DuelSide& s) {
    for (size_t i = 1; i <= 6; ++i) {
        s.d.chara[i] = Card(10 + static_cast<int32_t>(i));
        s.d.chara[i].hp = 5;
        s.d.chara[i].mp = 2;
    }
    s.d.my_id = 1, s.d.aite_id = 0, s.d.turn = 2, s.d.turn_base = 8, s.d.atk_no = 1, s.d.tgt_no = 4;
}

// Records the game set the after-action processing hands over.
struct GameSetSpy {
    int calls = 0;
    bool beaten = false, both = false;
    BattleHooks Hooks() {
        BattleHooks h;
        h.game_set = [this](DuelContext&, bool b, bool w) { ++calls, beaten = b, both = w; };
        return h;
    }
};

TEST(AfterAction, ClampsBeforeAnyDeathLine) {
    DuelSide s;
    Field(s);
    s.d.chara[5].hp = -7, s.d.chara[5].mp = -1, s.d.chara[6].lv = -2;
    GameSetSpy spy;
    EXPECT_EQ(RunAfterAction(s.ctx, spy.Hooks()), PhaseEnd::NextTurn);
    EXPECT_EQ((std::array{s.d.chara[5].hp, s.d.chara[5].mp, s.d.chara[6].lv}), (std::array{0, 0, 0}));
    EXPECT_EQ(s.d.chara[5].name, "死亡");
    EXPECT_TRUE(s.screen.Has("add: 相手の" + Card(15).name + "は息絶えた...."));
    EXPECT_TRUE(s.screen.Has("picture 5: cg/char-1.bmp"));
    EXPECT_EQ(spy.calls, 0);
    EXPECT_EQ(s.d.turn, 3);  // the opponent's turn has begun
    EXPECT_EQ(s.d.input_phase, kPhaseAwaitOpponent);
}

TEST(Deaths, RevivalRules) {
    struct Case { const char* what; int32_t card, lv, status1, status2, kind, turn, luck, icon; bool revives; };
    // clang-format off
    const Case cases[] = {
        {"promise", 10, 0, 0, 5, 0, 6, 0, -1, true}, {"contract", 10, 0, 15, 0, 0, 6, 0, -1, true},
        {"801 duel", 10, 0, 0, 0, 9, 6, 0, -1, true}, {"icon 81 early", 10, 0, 0, 0, 0, 4, 0, 81, true},
        {"icon 81 late", 10, 0, 0, 0, 0, 5, 0, 81, false}, {"ghost lv3 digit 2", 187, 3, 0, 0, 0, 6, 2, -1, true},
        {"ghost lv3 digit 3", 187, 3, 0, 0, 0, 6, 3, -1, false}, {"ghost lv6 digit 4", 187, 6, 0, 0, 0, 6, 4, -1, true},
        {"ghost lv9 digit 6", 187, 9, 0, 0, 0, 6, 6, -1, true}, {"ghost lv9 digit 7", 187, 9, 0, 0, 0, 6, 7, -1, false},
        {"plain", 10, 9, 0, 0, 0, 6, 0, -1, false}, {"the undead keeps its promise", 181, 0, 0, 5, 0, 6, 0, -1, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Field(s);
        s.d.chara[2] = Card(c.card, c.lv);
        s.d.chara[2].hp = 0, s.d.chara[2].status1 = c.status1, s.d.chara[2].status2 = c.status2;
        s.d.duel_kind = c.kind, s.d.turn = c.turn, s.d.luck = c.luck, s.d.e_icon1 = c.icon;
        EXPECT_EQ(RevivesInstead(s.d, s.ctx.cat, 2), c.revives);
        ProcessDeaths(s.ctx);
        EXPECT_EQ(s.d.chara[2].alive(), c.revives);
        if (!c.revives) continue;
        EXPECT_EQ(s.d.chara[2].hp, 1);
        EXPECT_EQ(s.d.chara[2].status1, 0);
        if (c.card == 181) {
            EXPECT_EQ(s.d.chara[2].status2, 5);
        }
        EXPECT_TRUE(s.screen.Has("add: しかし復活を遂げた!!"));
    }
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
    const tchar& c = s.d.chara[5];
    EXPECT_EQ((std::array{c.card_no, c.orig_no, c.element, c.hp}), (std::array{28, 28, 28 % 5, Card(28, 3).hp}));
    EXPECT_EQ(s.d.e_dekki[8].name, "死亡");
    EXPECT_TRUE(s.screen.Has("add: 第2番目の戦士が現れた！"));
}

// One side falls: the game set; both fall together: the LOWER catalogue total of the fighting cards
// wins, a tie goes to the receiver.
TEST(AfterAction, WipeOutJudgement) {
    struct Case { int32_t mine, theirs, role; bool both, this_wins; };
    const Case cases[] = {{11, 11, kApplicant, false, true}, {11, 234, kApplicant, true, true},
                          {234, 11, kReceiver, true, false}, {11, 11, kReceiver, true, true},
                          {11, 11, kApplicant, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.mine << " " << c.theirs << " role " << c.role << " both " << c.both);
        DuelSide s;
        Field(s);
        s.d.duel_role = c.role;
        for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(i <= 3 ? c.mine : c.theirs);
        for (size_t i = c.both ? 1 : 4; i <= 6; ++i) s.d.chara[i].hp = 0;
        if (c.both) {
            EXPECT_EQ(ThisSideWinsDoubleWipeOut(s.d, s.ctx.cat), c.this_wins);
        }
        GameSetSpy spy;
        EXPECT_EQ(RunAfterAction(s.ctx, spy.Hooks()), PhaseEnd::GameSet);
        EXPECT_EQ(spy.calls, 1);
        EXPECT_EQ(spy.beaten, !c.this_wins);
        EXPECT_EQ(spy.both, c.both);
        if (!c.both) continue;
        EXPECT_TRUE(s.screen.Has("show: 相討ちに、総合判定により勝敗を決めます"));
        EXPECT_TRUE(s.screen.Has(c.this_wins ? "add: ＜あなたの勝ちです！＞" : "add: ＜あなたの負けです！＞"));
    }
}

TEST(StatusTick, EveryBadStatus) {
    struct Case {
        const char* what;
        int32_t status1, waza, card, hp_after, mp_after, status_after;
        bool owner_named;
        const char* line;  // after the card's (or owner's) name
    };
    // The card starts with HP 8, MP 6 in slot 1 (owner label "あなた").
    // clang-format off
    const Case cases[] = {
        {"poison", 1, 0, 10, 7, 6, 1, false, "は毒ダメージ 1を受けた"},
        {"strong poison", 6, 0, 10, 4, 6, 6, false, "は猛毒ダメージ 4を受けた"},
        {"death poison", 19, 0, 10, 0, 6, 19, false, "は死毒ダメージ 20を受けた"},
        {"poison eater by technique", 1, 34, 10, 9, 6, 1, false, "は毒ダメージ分 1回復"},
        {"curse", 3, 0, 10, 4, 6, 3, false, "は呪いダメージ 4を受けた"},
        {"sleep", 2, 0, 10, 8, 6, 0, true, "は目を覚ました!!"},
        {"stone", 5, 0, 10, 8, 6, 2, true, "は、石化から解け、眠りについた。"},
        {"time 1", 12, 0, 10, 8, 6, 9, true, "は、<爆弾>状態へと変化した!!"},
        {"bomb", 9, 0, 10, 0, 6, 9, true, "の体は、木っ端微塵に吹き飛んだ!!"},
        {"bomb-proof", 9, 0, 53, 18, 16, 0, true, "は、爆発無効 > HP,MP+10"},
        {"contract", 15, 0, 10, 1, 1, 15, false, "は<契約>により、HPとMPが 1になった！"},
        {"weakened", 4, 0, 10, 8, 6, 4, false, nullptr},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Field(s);
        s.d.chara[1] = Card(c.card, 0, c.waza);
        s.d.chara[1].hp = 8, s.d.chara[1].mp = 6, s.d.chara[1].status1 = c.status1;
        TickBadStatus(s.ctx, 1);
        const tchar& t = s.d.chara[1];
        EXPECT_EQ((std::array{t.hp, t.mp, t.status1}), (std::array{c.hp_after, c.mp_after, c.status_after}));
        if (c.line) {
            EXPECT_TRUE(s.screen.Has("add: " + std::string(c.owner_named ? "あなたの" : "") + Card(c.card).name + c.line));
        }
    }
}

TEST(StatusTick, SicknessAndConfusion) {
    DuelSide s;
    Field(s);
    s.d.chara[2].status1 = 10;
    s.d.chara[3].name = "死亡";
    TickBadStatus(s.ctx, 2);
    EXPECT_EQ((std::array{s.d.chara[1].hp, s.d.chara[1].mp, s.d.chara[2].hp}), (std::array{4, 1, 5}));

    DuelSide c;
    Field(c);
    c.d.chara[6].status1 = 7;
    c.d.chara[6].hp = 9;  // strikes its own side's first card for 9 / 2 + 1
    TickBadStatus(c.ctx, 6);
    EXPECT_EQ(c.d.chara[4].hp, 0);
    EXPECT_TRUE(c.screen.Has("add: " + c.d.chara[4].name + "に攻撃し、5ダメージを与えた"));
}

// Rampage aims by the chance digit; a dead aim moves on; the opponent's action rampages against
// this side.
TEST(EndOfAction, RampageAimsByTheChanceDigit) {
    struct Case { int32_t luck, atk, victim; };
    for (const Case c : {Case{0, 1, 4}, Case{3, 1, 4}, Case{4, 1, 5}, Case{6, 1, 5}, Case{7, 1, 6}, Case{9, 1, 6},
                         Case{9, 5, 1}}) {
        SCOPED_TRACE(::testing::Message() << "luck " << c.luck << " atk " << c.atk);
        DuelSide s;
        Field(s);
        s.d.luck = c.luck, s.d.atk_no = c.atk;
        if (c.atk == 5) s.d.chara[3].name = "死亡";
        s.d.chara[static_cast<size_t>(c.atk)].status2 = 6;
        RunEndOfAction(s.ctx);
        for (int32_t v = c.atk == 5 ? 1 : 4; v <= (c.atk == 5 ? 2 : 6); ++v)
            EXPECT_EQ(s.d.chara[static_cast<size_t>(v)].hp, v == c.victim ? 0 : 5) << "slot " << v;
    }
}

// Icons 210, 260 and 271 at the end of the acting side's action; 81 on the acting side holds off
// the other side's 260 and 271.
TEST(EndOfAction, IconsOverTheActingSide) {
    struct Case { const char* what; std::array<int32_t, 4> icons; int32_t my_id; std::array<int32_t, 3> hp, mp; };
    const Case cases[] = {
        {"210 halves <闇>", {-1, -1, 210, -1}, 1, {5, 3, 5}, {2, 1, 2}},
        {"271 draws HP, wrapped sums made positive", {-1, -1, 271, -1}, 2000000000, {8, 10, 2}, {2, 2, 2}},
        {"271 held off by 81", {81, -1, 271, -1}, 2000000000, {5, 5, 5}, {2, 2, 2}},
    };
    for (const Case& c : cases) {
        DuelSide s;
        Field(s);
        for (size_t i = 1; i <= 6; ++i) s.d.chara[i].element = i == 2 ? 2 : 0;
        Wear(s.d, c.icons);
        s.d.my_id = c.my_id;
        RunEndOfAction(s.ctx);
        for (size_t i = 1; i <= 3; ++i)
            EXPECT_EQ((std::array{s.d.chara[i].hp, s.d.chara[i].mp}), (std::array{c.hp[i - 1], c.mp[i - 1]}))
                << c.what << " slot " << i;
        EXPECT_EQ(s.d.chara[4].hp, 5) << c.what;
    }
    // 260: each card takes the look of the card the shared pick names (IDs 1 and 0, turn 2: 6, 9, 3).
    DuelSide s;
    Field(s);
    s.d.e_icon1 = 260;
    RunEndOfAction(s.ctx);
    for (const auto& [slot, card] : {std::pair<size_t, int32_t>{1, 6}, {2, 9}, {3, 3}}) {
        EXPECT_EQ(s.d.chara[slot].orig_no, card);
        EXPECT_EQ(s.d.chara[slot].name, "模造" + GameCatalogue().card[static_cast<size_t>(card)].name);
    }
}

TEST(EndOfAction, MomentCard) {
    const int32_t icon = IconNamed("刹那のカード");
    ASSERT_GE(icon, 0);
    for (const auto& [turn, hp_after] : {std::pair{2, 104}, {3, 5}, {6, 5}, {7, -94}}) {
        DuelSide s;
        Field(s);
        s.d.turn = turn, s.d.e_icon2 = icon;
        RunEndOfAction(s.ctx);
        EXPECT_EQ(s.d.chara[1].hp, hp_after) << turn;
        EXPECT_EQ(s.d.chara[4].hp, 5) << "only the acting side";
    }
}

}  // namespace
}  // namespace kestra::test
