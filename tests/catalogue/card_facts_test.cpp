#include "catalogue/card_facts.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(CardFacts, ElementRarityPictureAndLevelBonus) {
    const std::pair<int32_t, const char*> elements[] = {{0, "<無>"}, {4, "<水>"}, {6, "<光>"}, {12, "<闇>"}, {233, "<火>"}};
    for (const auto& [card, text] : elements) EXPECT_EQ(ElementText(ElementOf(card)), text) << card;
    EXPECT_EQ(ElementText(5), "");
    EXPECT_EQ(ElementText(-1), "");
    // The ends of the class names and the codes outside them.
    const std::pair<int32_t, const char*> classes[] = {{0, "楽"}, {9, "ファントム"}, {10, "？"}, {19, "パクント"},
                                                       {20, "？"}, {-1, "？"}};
    for (const auto& [code, name] : classes) EXPECT_EQ(RarityName(code), name) << code;
    EXPECT_EQ(CardPicturePath(7), "cg/unit7.bmp");
    EXPECT_EQ(CardPicturePath(326), "cg/unit326.bmp");
    const std::array<int32_t, 3> bonus[] = {{4, 2, 4}, {4, 3, 5}, {4, 5, 5}, {4, 6, 6}, {4, 10, 7}, {0, 10, 3}};
    for (const auto& [base, level, shown] : bonus) EXPECT_EQ(WithLevelBonus(base, level), shown) << level;
}

}  // namespace
}  // namespace kestra
