#include "battle/pair_events.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// Cards that stand in no pair, to fill the field.
constexpr int32_t kFillers[] = {24, 34, 35, 55, 49, 63};

// Six filler cards on the given turn, the card in slot 2 acting.
void Seat(DuelSide& s, int32_t turn) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(kFillers[i - 1]);
    s.d.turn = turn, s.d.atk_no = 2, s.d.tgt_no = 5;
}

// The other machine's view of the same duel.
void Mirror(const DuelRecord& a, DuelRecord& b) {
    for (size_t i = 1; i <= 3; ++i) {
        b.chara[i] = a.chara[i + 3];
        b.chara[i + 3] = a.chara[i];
    }
    b.turn = a.turn, b.luck = a.luck, b.my_id = a.aite_id, b.aite_id = a.my_id;
    b.atk_no = MirrorSlot(a.atk_no), b.tgt_no = MirrorSlot(a.tgt_no);
}

// The lines the player reads, without the slot numbers of the flashes.
std::vector<std::string> Text(const test::RecordingPresenter& p) {
    std::vector<std::string> lines;
    for (const auto& l : p.transcript)
        if (l.rfind("show: ", 0) == 0 || l.rfind("add: ", 0) == 0) lines.push_back(l);
    return lines;
}

TEST(PairTable, LoaderRefusesFaults) {
    const std::string head = "first\tsecond\teffect\tparam\tapplies_to\tline\n";
    // Unknown names (alone, in a list, empty), unknown effect, status out of range or 0, a parameter on
    // damage, a third group, one name on both sides, no line, a line outside CP932.
    // clang-format off
    ExpectRefused([](const std::string& t) { return LoadPairEvents(t, GameCatalogue()); }, &PairEventLoad::pairs, head, {
        "見習い鍛冶\t鍛冶場の師匠\tplus5\t0\t1\tx\n", "見習い鍛冶|だれか\t鍛冶場の親方\tplus5\t0\t1\tx\n",
        "見習い鍛冶||炭焼き\t鍛冶場の親方\tplus5\t0\t1\tx\n", "見習い鍛冶\t鍛冶場の親方\ttriple\t0\t1\tx\n",
        "見習い鍛冶\t鍛冶場の親方\thp2_good\t14\t1\tx\n", "見習い鍛冶\t鍛冶場の親方\tbad\t0\t1\tx\n",
        "見習い鍛冶\t鍛冶場の親方\tdamage3\t3\t1\tx\n", "見習い鍛冶\t鍛冶場の親方\tplus5\t0\t3\tx\n",
        "見習い鍛冶\t鍛冶場の親方|見習い鍛冶\tplus5\t0\t1\tx\n", "見習い鍛冶\t鍛冶場の親方\tplus5\t0\t1\t\n",
        "見習い鍛冶\t鍛冶場の親方\tplus5\t0\t1\t\xF0\x9F\x94\xA5\n",
    }, "見習い鍛冶\t鍛冶場の親方\tplus5\t0\t1\tx\n");
    // clang-format on
    // The last good and bad statuses are in range.
    for (const char* row : {"見習い鍛冶\t鍛冶場の親方\thp2_good\t13\t1\tx\n", "見習い鍛冶\t鍛冶場の親方\tbad\t20\t1\tx\n"})
        EXPECT_EQ(LoadPairEvents(head + row, GameCatalogue()).pairs.size(), 1u) << row;
}

TEST(PairEffect, OnOneCard) {
    struct Case {
        const char* tag;
        int32_t param, hp, mp;
        int32_t hp_after, mp_after, status1_after, status2_after;
    };
    // clang-format off
    const Case cases[] = {
        {"double", 0, 7, 4, 14, 8, 0, 0}, {"double", 0, INT32_MAX, 4, -2, 8, 0, 0}, {"plus5", 0, 7, 4, 12, 9, 0, 0},
        {"halve", 0, 7, 4, 3, 4, 0, 0}, {"damage3", 0, 7, 4, 4, 4, 0, 0}, {"damage5", 0, 7, 4, 2, 4, 0, 0},
        {"damage5", 0, 3, 4, 0, 4, 0, 0}, {"hp2_good", 2, 7, 4, 9, 4, 0, 2}, {"mp3_good", 8, 7, 4, 7, 7, 0, 8},
        {"bad", 9, 7, 4, 7, 4, 9, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        tchar card = Card(13);
        card.hp = c.hp, card.mp = c.mp;
        const auto effect = PairEffectFromTag(c.tag);
        ASSERT_TRUE(effect.has_value()) << c.tag;
        ApplyPairEffect(card, *effect, c.param);
        EXPECT_EQ((std::array{card.hp, card.mp, card.status1, card.status2}),
                  (std::array{c.hp_after, c.mp_after, c.status1_after, c.status2_after})) << c.tag;
    }
}

TEST(PairRun, OnlyOnTurnFourAndOnlyWithBothGroupsAlive) {
    struct Case { const char* what; int32_t turn; bool master_dead; int32_t played; };
    const Case cases[] = {{"turn 4", 4, false, 1}, {"turn 3", 3, false, 0}, {"turn 5", 5, false, 0}, {"turn 4, master dead", 4, true, 0}};
    for (const Case& c : cases) {
        DuelSide s;
        Seat(s, c.turn);
        s.d.chara[3] = Card(3);   // 見習い鍛冶
        s.d.chara[5] = Card(13);  // 鍛冶場の親方
        if (c.master_dead) s.d.chara[5].name = std::string(kDeadName);
        const tchar before = s.d.chara[3];
        EXPECT_EQ(RunPairEvents(s.ctx), c.played) << c.what;
        EXPECT_EQ(s.d.chara[3].hp, before.hp + 5 * c.played) << c.what;
        EXPECT_EQ(s.d.chara[3].mp, before.mp + 5 * c.played) << c.what;
        if (c.played == 0) {
            EXPECT_TRUE(s.screen.transcript.empty()) << c.what;
        }
    }
}

TEST(PairRun, FirstGroupFlashesThenTheChosenGroupFeelsIt) {
    DuelSide s;
    Seat(s, 4);
    s.d.chara[1] = Card(81);   // 日輪の神
    s.d.chara[4] = Card(82);   // 月影の魔女
    s.d.chara[6] = Card(227);  // 月蝕の女帝
    const int32_t hp4 = s.d.chara[4].hp, hp6 = s.d.chara[6].hp;
    EXPECT_EQ(RunPairEvents(s.ctx), 1);
    EXPECT_EQ(s.d.chara[4].hp, hp4 / 2);
    EXPECT_EQ(s.d.chara[6].hp, hp6 / 2);
    EXPECT_EQ(s.d.chara[1].hp, Card(81).hp);
    const auto& t = s.screen.transcript;
    ASSERT_GE(t.size(), 11u);
    EXPECT_EQ(t[1].rfind("show: ", 0), 0u);
    EXPECT_EQ((std::vector<std::string>{t[0], t[2], t[3], t[4], t[5], t[8]}),
              (std::vector<std::string>{"flash white 1", "click", "se3: noroi.wav", "flash black 4",
                                        "add: " + s.d.chara[4].name + "はHPが半減した....", "flash black 6"}));
}

TEST(PairRun, OwnTableEveryCardOfTheGroupInActingSideOrder) {
    const PairEventLoad load = LoadPairEvents(
        "first\tsecond\teffect\tparam\tapplies_to\tline\n炭焼き\t荷車引き|磯の小蟹\tbad\t7\t2\t出会い\n",
        GameCatalogue());
    ASSERT_EQ(load.error, "");
    DuelSide s;
    Seat(s, 4);             // slot 1 磯の小蟹, slot 4 荷車引き
    s.d.chara[6] = Card(28);  // 炭焼き
    s.d.atk_no = 5;
    EXPECT_EQ(RunPairEvents(s.ctx, load.pairs), 1);
    EXPECT_EQ((std::array{s.d.chara[1].status1, s.d.chara[4].status1, s.d.chara[6].status1}), (std::array{7, 7, 0}));
    EXPECT_EQ(s.screen.Lines("flash"), (std::vector<std::string>{"flash white 6", "flash white 4", "flash white 1"}));
}

TEST(PairRun, MirrorAgrees) {
    DuelSide a, b;
    Seat(a, 4);
    // 夜道の落ち武者, 聖堂騎士, 見習い鍛冶 / 鍛冶場の親方, 宿なし犬, 黄泉の影武者: the knight's foes on both sides.
    const int32_t cards[] = {17, 21, 3, 13, 25, 182};
    for (size_t i = 1; i <= 6; ++i) a.d.chara[i] = Card(cards[i - 1]);
    a.d.luck = 6;
    Mirror(a.d, b.d);
    EXPECT_EQ((std::array{RunPairEvents(a.ctx), RunPairEvents(b.ctx)}), (std::array{2, 2}));
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(a.d.chara[i], b.d.chara[i > 3 ? i - 3 : i + 3]) << i;
    EXPECT_EQ(Text(a.screen), Text(b.screen));
}

}  // namespace
}  // namespace kestra::test
