// The technique buttons of the command box: digits, captions, and what a card is offered.
#include "app/duel_techniques.h"

#include <gtest/gtest.h>

#include <set>

namespace kestra {
namespace {

TEST(DuelTechniques, ButtonsSendTheirKeys) {
    struct Case {
        const char* name;
        int32_t key;
        const char* caption;
    };
    const Case cases[] = {
        {"m1", 10, "でこぴん"},  {"m9", 90, "タマネギ斬り"}, {"m10", 11, "弓矢狼"}, {"m24", 62, "約束"},
        {"m25", 82, "ビンタ"},   {"m26", 92, ""},            {"m30", 3, "盗む"},    {"m39", 93, "凍結"},
        {"m56", 65, "ヘルプ！！"}, {"m58", 85, "トロッコ銃"}, {"m75", 57, "死術"},  {"m80", 8, "錬金術"},
        {"m86", 68, "ウルトラでこぴん"}, {"m87", 78, "アイテム"}, {"m88", 88, "森羅万象"}, {"m5a", 50, "赤い風"},
    };
    for (const Case& c : cases) {
        const TechniqueButton* b = FindTechniqueButton(c.name);
        ASSERT_NE(b, nullptr) << c.name;
        EXPECT_EQ(b->key(), c.key) << c.name;
        EXPECT_EQ(b->caption, c.caption) << c.name;
    }
    std::set<std::string_view> names;
    for (const TechniqueButton& b : TechniqueButtons()) names.insert(b.name);
    EXPECT_EQ(names.size(), TechniqueButtons().size());
    EXPECT_EQ(FindTechniqueButton("m57"), nullptr);
    EXPECT_EQ(FindTechniqueButton("m5")->key(), FindTechniqueButton("m5a")->key());
}

TEST(DuelTechniques, TheCardsOffers) {
    struct Case {
        int32_t waza, icon1, icon2;
        std::vector<OfferedButton> expected;
    };
    const std::vector<Case> cases = {
        {0, -1, -1, {{"m1", "でこぴん"}}},
        {10, -1, -1, {{"m1", "でこぴん"}, {"m76", "心術"}}},     // 心術 is built
        {14, -1, -1, {{"m1", "でこぴん"}, {"m80", "錬金術"}}},
        {18, -1, -1, {{"m1", "でこぴん"}, {"m84", "冥術"}}},
        {1, -1, -1, {{"m1", "でこぴん"}, {"m67", "魔術"}}},
        {9, -1, -1, {{"m1", "でこぴん"}, {"m75", "死術"}}},       // the death art, key 57
        {19, -1, -1, {{"m1", "でこぴん"}}},                       // not a single-word technique
        {23, -1, -1, {{"m1", "でこぴん"}, {"m87", "アイテム"}}},
        {0, 198, -1, {{"m1", "でこぴん"}, {"m87", "アイテム"}}},
        {0, -1, 148, {{"m1", "でこぴん"}, {"m44", "青い風"}}},
        {0, -1, 227, {{"m1", "バリア"}}},
        {0, 228, -1, {{"m1", "刻印剣"}}},
    };
    for (const Case& c : cases) {
        DuelRecord d;
        d.atk_no = 2;
        d.chara[2].waza = c.waza;
        d.my_icon1 = c.icon1;
        d.my_icon2 = c.icon2;
        d.e_icon1 = 198;  // the opponent's icons offer nothing to this side
        Rng rng(1);
        EXPECT_EQ(OfferedButtons(d, rng), c.expected) << c.waza << " " << c.icon1 << " " << c.icon2;
    }
}

// Icon 80 leaves exactly one button, drawn by local chance from those that name a technique.
TEST(DuelTechniques, IconEightyLeavesOneDrawnButton) {
    std::set<std::string_view> seen;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        DuelRecord d;
        d.atk_no = 1;
        d.my_icon2 = 80;
        Rng rng(seed);
        const std::vector<OfferedButton> offered = OfferedButtons(d, rng);
        ASSERT_EQ(offered.size(), 1u);
        EXPECT_FALSE(offered[0].caption.empty());
        EXPECT_NE(offered[0].name, kItemButton);
        seen.insert(offered[0].name);
    }
    EXPECT_GT(seen.size(), 40u);
}

}  // namespace
}  // namespace kestra
