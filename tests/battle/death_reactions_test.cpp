#include "battle/death_reactions.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

const std::string kHead = "name\tmin_lv\tmax_luck\tmin_turn\tmp_cost\tkind\tamount\tmusic\tline\n";

// Six plain cards with no reaction, on turn 5.
void Seat(DuelSide& s, int32_t luck) {
    for (size_t i = 1; i <= 6; ++i) {
        s.d.chara[i] = Card(static_cast<int32_t>(i) + 9);
        s.d.chara[i].orig_no = s.d.chara[i].card_no;
    }
    s.d.turn = 5, s.d.luck = luck;
}

// A card of catalogue number c at level lv that has just fallen to HP 0.
tchar Dying(int32_t c, int32_t lv) {
    tchar t = Card(c, lv, 7);
    t.orig_no = c, t.hp = 0;
    return t;
}

// Unknown name or kind, a new card out of the list, without HP, itself or in a loop, a free rescue or
// one to HP 0, level 10, music 46, no line, a line outside CP932.
TEST(DeathTable, LoaderRefusesFaults) {
    const std::string egg = "竜の卵\t0\t9\t0\t0\ttransform\t";
    // clang-format off
    ExpectRefused([](const std::string& t) { return LoadDeathReactions(t, GameCatalogue()); }, &DeathReactionLoad::reactions, kHead, {
        "竜のたまご\t0\t9\t0\t0\ttransform\t38\t-\tx\n", "竜の卵\t0\t9\t0\t0\thatch\t38\t-\tx\n", egg + "400\t-\tx\n",
        egg + "73\t-\tx\n", egg + "103\t-\tx\n", egg + "38\t-\tx\nはぐれ子竜\t0\t9\t0\t0\ttransform\t103\t-\tx\n",
        "弱者\t0\t9\t0\t0\trescue\t1\t-\tx\n", "弱者\t0\t2\t0\t0\trescue\t0\t-\tx\n", "弱者\t10\t2\t0\t0\trescue\t1\t-\tx\n",
        egg + "38\t46\tx\n", egg + "38\t-\t\n", egg + "38\t-\t\xF0\x9F\x90\x89\n",
    }, egg + "38\t-\tx\n");
    // clang-format on
    // A table that lacks a number column is refused, not read with a default.
    const DeathReactionLoad no_turn = LoadDeathReactions(
        "name\tmin_lv\tmax_luck\tmp_cost\tkind\tamount\tmusic\tline\n竜の卵\t0\t9\t0\ttransform\t38\t-\tx\n", GameCatalogue());
    EXPECT_NE(no_turn.error, "");
    EXPECT_TRUE(no_turn.reactions.empty());
}

TEST(DeathConditions, LevelChanceTurnAndMp) {
    struct Case { const char* what; int32_t card, lv, luck, turn, mp; bool applies; };
    // clang-format off
    const Case cases[] = {
        {"swordsman too green", 5, 5, 0, 5, 1, false}, {"swordsman ready", 5, 6, 3, 5, 1, true},
        {"swordsman unlucky", 5, 6, 4, 5, 1, false}, {"knight too early", 93, 0, 0, 2, 5, false},
        {"knight in time", 93, 0, 0, 3, 5, true}, {"healer short of MP", 199, 0, 0, 5, 5, false},
        {"healer with MP", 199, 0, 0, 5, 6, true}, {"plain card", 10, 9, 0, 9, 9, false},
    };
    // clang-format on
    const auto table = LoadEmbeddedDeathReactions(GameCatalogue()).reactions;
    for (const Case& c : cases) {
        DuelRecord d;
        d.chara[3] = Dying(c.card, c.lv);
        d.chara[3].mp = c.mp, d.luck = c.luck, d.turn = c.turn;
        EXPECT_EQ(FindDeathReaction(table, d, 3) != nullptr, c.applies) << c.what;
    }
}

TEST(DeathRun, EggHatchesByChance) {
    struct Case {
        int32_t luck, becomes;
        const char* bgm;  // empty: no music change
    };
    for (const Case c : {Case{5, 38, ""}, Case{1, 108, "bgm: 25.mid"}}) {
        DuelSide s;
        Seat(s, c.luck);
        s.d.chara[2] = Dying(103, 4);
        s.d.chara[2].status1 = 9;
        ASSERT_TRUE(RunDeathReaction(s.ctx, 2)) << c.luck;
        tchar expected = MakeFightingCard(GameCatalogue(), c.becomes, 4, 7);
        expected.orig_no = 103;
        EXPECT_EQ(s.d.chara[2], expected) << c.luck;
        EXPECT_EQ(s.d.chara[2].hp, GameCatalogue().card[static_cast<size_t>(c.becomes)].hp + 1);
        EXPECT_TRUE(s.screen.Has("picture 2: cg/unit" + std::to_string(c.becomes) + ".bmp"));
        EXPECT_EQ(s.screen.Lines("bgm"), *c.bgm ? std::vector<std::string>{c.bgm} : std::vector<std::string>{});
        EXPECT_TRUE(s.screen.Has("add: 竜の卵は" + expected.name + "へと姿を変えた!!"));
    }
}

TEST(DeathRun, RescueSpendsMpAndKeepsHp) {
    DuelSide s;
    Seat(s, 7);
    tchar& c = s.d.chara[5];
    c = Dying(199, 0);  // 泉の癒し手
    c.mp = 10, c.status1 = 9, c.status2 = 11;
    ASSERT_TRUE(RunDeathReaction(s.ctx, 5));
    EXPECT_EQ((std::array{c.hp, c.mp, c.status1, c.status2}), (std::array{6, 4, 0, 11}));
    EXPECT_EQ(c.name, "泉の癒し手");
    for (const char* line : {"se2: live.wav", "flash blue 5", "add: 泉の癒し手はHP 6で踏みとどまった!!"})
        EXPECT_TRUE(s.screen.Has(line)) << line;
}

TEST(DeathRun, NoReactionLeavesAllAlone) {
    struct Case { const char* what; int32_t card, mp; bool dead; };
    for (const Case c : {Case{"plain card", 12, 4, false}, Case{"healer without MP", 199, 5, false},
                         Case{"already dead", 103, 8, true}}) {
        DuelSide s;
        Seat(s, 0);
        s.d.chara[1] = Dying(c.card, 9);
        s.d.chara[1].mp = c.mp;
        if (c.dead) s.d.chara[1].name = std::string(kDeadName);
        const DuelRecord before = s.d;
        EXPECT_FALSE(RunDeathReaction(s.ctx, 1)) << c.what;
        EXPECT_EQ(s.d, before) << c.what;
        EXPECT_TRUE(s.screen.transcript.empty()) << c.what;
    }
}

TEST(DeathRun, CaptainSinksAndHisShipReturns) {
    DuelSide s;
    Seat(s, 2);
    s.d.chara[3] = Dying(69, 3);  // 荒波の船長
    ASSERT_TRUE(RunDeathReaction(s.ctx, 3));
    EXPECT_EQ((std::array{s.d.chara[3].card_no, s.d.chara[3].orig_no}), (std::array{179, 69}));
    s.d.chara[3].hp = 0;
    ASSERT_TRUE(RunDeathReaction(s.ctx, 3));
    EXPECT_EQ((std::array{s.d.chara[3].card_no, s.d.chara[3].element}), (std::array{104, 104 % 5}));
    s.d.chara[3].hp = 0;
    EXPECT_FALSE(RunDeathReaction(s.ctx, 3));
    EXPECT_EQ(s.screen.Lines("bgm"), (std::vector<std::string>{"bgm: 13.mid", "bgm: 13.mid"}));
}

}  // namespace
}  // namespace kestra::test
