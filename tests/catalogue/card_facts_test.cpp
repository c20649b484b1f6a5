#include "catalogue/card_facts.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(CardFacts, ElementIsTheNumberModFive) {
    struct Case {
        int32_t card;
        const char* text;
    };
    const Case cases[] = {{0, "<無>"}, {4, "<水>"}, {5, "<無>"}, {6, "<光>"}, {10, "<無>"},
                          {12, "<闇>"}, {233, "<火>"}, {326, "<光>"}, {355, "<無>"}};
    for (const Case& c : cases) EXPECT_EQ(ElementText(ElementOf(c.card)), c.text) << c.card;
    EXPECT_EQ(ElementText(5), "");
    EXPECT_EQ(ElementText(-1), "");
}

TEST(CardFacts, RarityNames) {
    struct Case {
        int32_t code;
        const char* name;
    };
    const Case cases[] = {{0, "楽"},  {1, "普"},  {2, "中"},  {3, "上"},  {4, "激"},  {5, "極"},  {6, "幻"},
                          {7, "神"},  {8, "無"},  {9, "ファントム"}, {10, "？"}, {11, "魔"}, {12, "未"},
                          {13, "売"}, {14, "合成"}, {15, "禁"}, {16, "秘"}, {17, "ろあ"}, {18, "精霊"},
                          {19, "パクント"}, {20, "？"}, {-1, "？"}, {1000, "？"}};
    for (const Case& c : cases) EXPECT_EQ(RarityName(c.code), c.name) << c.code;
}

TEST(CardFacts, PicturePathHasNoLeadingZeros) {
    EXPECT_EQ(CardPicturePath(0), "cg/unit0.bmp");
    EXPECT_EQ(CardPicturePath(7), "cg/unit7.bmp");
    EXPECT_EQ(CardPicturePath(326), "cg/unit326.bmp");
}

TEST(CardFacts, LevelBonusIsLevelDivThree) {
    struct Case {
        int32_t base, level, shown;
    };
    const Case cases[] = {{4, 0, 4}, {4, 2, 4}, {4, 3, 5}, {4, 5, 5}, {4, 6, 6}, {4, 9, 7}, {4, 10, 7}, {0, 10, 3}};
    for (const Case& c : cases) EXPECT_EQ(WithLevelBonus(c.base, c.level), c.shown) << c.level;
}

}  // namespace
}  // namespace kestra
