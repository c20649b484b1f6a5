#include "battle/disasters.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// Six living cards with chosen elements and HP 10; IDs chosen so that V avoids every modulus. The
// field kind, turn, chance digit and acting slot as given.
void Field(DuelSide& s, std::array<int32_t, 6> elements, int32_t kind = 0, int32_t turn = 2, int32_t luck = 0,
           int32_t atk = 1) {
    for (size_t i = 0; i < 6; ++i) {
        tchar& c = s.d.chara[i + 1];
        c = Card(10);
        c.name = "札" + std::to_string(i + 1);
        c.element = elements[i], c.hp = 10, c.mp = 0;
    }
    s.d.my_id = 1, s.d.aite_id = 0;
    s.d.duel_kind = kind, s.d.turn = turn, s.d.luck = luck, s.d.atk_no = atk;
}

TEST(DisasterValue, SumsFiguresIdsAndLuck) {
    DuelRecord d;
    for (size_t i = 1; i <= 6; ++i) d.chara[i].hp = static_cast<int32_t>(i), d.chara[i].mp = 1;
    d.my_id = 100, d.aite_id = 50, d.luck = 7;
    EXPECT_EQ(DisasterValue(d), 21 + 6 + 150 + 7);
}

// Each disaster by its field and turn; the hits follow the chance digit's order.
TEST(Disasters, EachByItsField) {
    struct Case {
        const char* what;
        int32_t kind, turn, luck;
        std::array<int32_t, 6> elements;
        std::array<int32_t, 6> hp_after;
        const char* second_line;
    };
    const Case cases[] = {
        // Thunder on the thunder field, digit 0: slot 1 three times, slot 3 twice, slot 2 once.
        {"thunder", 16, 4, 0, {0, 0, 0, 0, 0, 0}, {1, 7, 4, 10, 10, 10}, "天地に雷鳴が轟いた！！！！！！！！！！！！"},
        // Great upheaval on the death field every turn, digit 1: 4 three times, 5 twice, 6 once.
        {"upheaval", 18, 2, 1, {0, 0, 0, 0, 0, 0}, {10, 10, 10, 0, 2, 6}, "大異変が発生した！！！！！！！！！！"},
        // Tsunami, digit 6: slot 3 three times (fire: 2 each), 4 (water: heals), 5 and 6 (1 each).
        {"tsunami", 12, 4, 6, {0, 0, 3, 4, 1, 2}, {10, 10, 4, 11, 9, 9}, "巨大な津波が戦士達を飲みこんだ！！！！！！！！！"},
        // Magma, digit 2: fire heals 1, water burns to time 1, others to a bomb (HP unchanged).
        {"magma", 13, 3, 2, {3, 4, 0, 3, 3, 3}, {11, 10, 10, 11, 11, 11}, "マグマが雪崩となって襲いかかる！！！！！！！"},
    };
    for (const Case& c : cases) {
        DuelSide s;
        Field(s, c.elements, c.kind, c.turn, c.luck);
        RunDisasters(s.ctx, false);
        for (size_t i = 0; i < 6; ++i) EXPECT_EQ(s.d.chara[i + 1].hp, c.hp_after[i]) << c.what << " slot " << i + 1;
        EXPECT_TRUE(s.screen.Has(std::string("add: ") + c.second_line)) << c.what;
    }
}

TEST(Disasters, MagmaStatuses) {
    DuelSide s;
    Field(s, {3, 4, 0, 1, 2, 3}, 13, 7, 2, 2);  // visits 1, 4, 5, 6, 3, 2
    RunDisasters(s.ctx, false);
    EXPECT_EQ((std::array{s.d.chara[1].status1, s.d.chara[2].status1, s.d.chara[3].status1}), (std::array{0, 12, 9}));
    EXPECT_TRUE(s.screen.Has("add: 札2は火傷を負った！→<時１>化!"));
}

// The interference icon brings thunder at turn 4 whatever V is; the cloud softens it; the meteor hardens it.
TEST(Disasters, InterferenceCloudAndMeteor) {
    DuelSide s;
    Field(s, {0, 0, 0, 0, 0, 0}, 0, 4, 2);  // visits 1, 4, 5, 6, 3, 2
    s.d.chara[4].status2 = 4;
    RunDisasters(s.ctx, true);
    EXPECT_EQ((std::array{s.d.chara[1].hp, s.d.chara[4].hp}), (std::array{7, 9}));  // 3 - 2 with the cloud
    EXPECT_TRUE(s.screen.Has("add: 札4は 1ダメージを受けた！"));
}

TEST(Disasters, TimeDistortion) {
    struct Case { int32_t luck, turn_before, turn_after; };
    for (const Case c : {Case{0, 3, 4}, Case{3, 4, 8}, Case{4, 3, 2}, Case{5, 3, 1}, Case{7, 3, 0}}) {
        DuelSide s;
        Field(s, {0, 0, 0, 0, 0, 0}, 17, c.turn_before, c.luck, 4);
        RunDisasters(s.ctx, false);
        EXPECT_EQ(s.d.turn, c.turn_after) << c.luck << " from " << c.turn_before;
    }
}

TEST(Disasters, DeadSlotsAreSkippedAndNothingHappens) {
    DuelSide s;
    Field(s, {0, 0, 0, 0, 0, 0}, 16, 4, 0);  // visits only 1, 2, 3
    for (size_t i = 1; i <= 3; ++i) s.d.chara[i].name = "死亡";
    RunDisasters(s.ctx, false);
    EXPECT_TRUE(s.screen.Has("add: ....かと思われたが何も起きなかった...."));
}

}  // namespace
}  // namespace kestra::test
