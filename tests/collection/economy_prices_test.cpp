// The economy's price, cost, unlock and sale tables, each walked with its edge cases.
#include <gtest/gtest.h>

#include "collection/selling.h"
#include "collection/shop.h"
#include "collection/synthesis.h"
#include "collection/technique_shop.h"
#include "collection/transplant.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::GameCatalogue;

// The first named card of a class, or -1.
int32_t FirstOfClass(int32_t rarity) {
    for (int32_t c = 0; c < kListedCards; ++c) {
        const tcard& row = GameCatalogue().card[static_cast<size_t>(c)];
        if (row.rarity == rarity && !row.name.empty()) return c;
    }
    return -1;
}

TEST(ShopPrices, CardRulesInTheirOrder) {
    struct Case {
        const char* name;
        int32_t card, price;
    };
    const Case cases[] = {
        {"class 0 by rule 1", FirstOfClass(0), 15},
        {"class 5 by rule 1", FirstOfClass(5), 90},
        {"class 19 by rule 1", FirstOfClass(19), 300},
        {"class 13 by its number", 130, 70},
        {"card 163 fixed", 163, 30},
        {"card 219 fixed, not 960", 219, 400},
        {"card 222 fixed", 222, 570},
        {"class 7", FirstOfClass(7), 210},
        {"class 9 whatever its number", FirstOfClass(9), 270},
        {"class 10", FirstOfClass(10), 300},
        {"class 15", FirstOfClass(15), 800},
        {"class 16", FirstOfClass(16), 400},
        {"class 17", FirstOfClass(17), 500},
        {"class 18", FirstOfClass(18), 450},
    };
    for (const Case& c : cases) {
        ASSERT_GE(c.card, 0) << c.name;
        EXPECT_EQ(CardPrice(GameCatalogue(), c.card), c.price) << c.name;
    }
}

TEST(ShopPrices, IconsByWeightItemsByTheirOwnPrice) {
    const Catalogue& cat = GameCatalogue();
    for (int32_t icon : {0, 126, 280})
        EXPECT_EQ(IconPrice(cat, icon), (cat.icon[static_cast<size_t>(icon)].weight + 1) * 10) << icon;
    EXPECT_EQ(ItemPrice(cat, 1), 4);
    EXPECT_EQ(ItemPrice(cat, 15), 741);
}

TEST(SynthesisCosts, FixedRowsTakeCardKAtTheirCost) {
    struct Case {
        int32_t row, product, cost;
    };
    const Case cases[] = {{0, 136, 10}, {1, 137, 10}, {2, 146, 9},  {13, 157, 4},
                          {14, 158, 3}, {15, 159, 3}, {16, 160, 2}, {23, 173, 2}};
    const std::vector<Recipe> all = FixedRecipes(120);
    ASSERT_EQ(all.size(), 24u);
    for (const Case& c : cases)
        EXPECT_EQ(all[static_cast<size_t>(c.row)], (Recipe{c.product, c.row, c.cost})) << "row " << c.row;
    EXPECT_EQ(FixedRecipes(12), (std::vector<Recipe>{{136, 0, 10}, {137, 1, 10}}));
    // Row k opens at 5(k + 1) duels, not one duel sooner.
    for (int32_t k = 0; k < 24; ++k) {
        EXPECT_EQ(FixedRecipes(5 * (k + 1) - 1).size(), static_cast<size_t>(k)) << "row " << k;
        EXPECT_EQ(FixedRecipes(5 * (k + 1)).size(), static_cast<size_t>(k + 1)) << "row " << k;
    }
}

TEST(SynthesisCosts, RandomRowsClimbOneClass) {
    const Catalogue& cat = GameCatalogue();
    Rng rng(11);
    bool saw_zero = false, saw_magic = false, saw_odd = false;
    for (int i = 0; i < 3000; ++i) {
        const int32_t limit = 13 + 2 * (i % 3);
        const Recipe r = RandomRecipe(cat, rng, limit);
        const int32_t pc = cat.card[static_cast<size_t>(r.product)].rarity;
        const int32_t mc = cat.card[static_cast<size_t>(r.material)].rarity;
        ASSERT_LT(pc, limit);
        ASSERT_FALSE(cat.card[static_cast<size_t>(r.material)].name.empty());
        const int32_t wanted = pc == 11 ? 7 : pc - 1;
        EXPECT_EQ(pc == 0 ? r.material : mc, pc == 0 ? 0 : wanted) << "product class " << pc;
        EXPECT_EQ(r.cost, pc == 10 ? 3 : 2);
        saw_zero |= pc == 0;
        saw_magic |= pc == 11;
        saw_odd |= pc == 10;
    }
    EXPECT_TRUE(saw_zero && saw_magic && saw_odd);
}

TEST(TechniqueShop, UnlockTable) {
    struct Case {
        int32_t k, merit, rank;
        bool open;
    };
    const Case cases[] = {
        {0, 0, 0, true},         {1, 9, 999, false},   {1, 10, 0, true},      {18, 179, 0, false},
        {18, 180, 0, true},      {19, 999, 29, false}, {19, 0, 30, true},     {20, 0, 89, false},
        {20, 0, 90, true},       {21, 0, 50, true},    {22, 0, 69, false},    {23, 0, 50, true},
        {24, 0, 100, true},      {25, 0, 119, false},  {26, 0, 200, true},    {27, 0, 219, false},
        {28, 0, 300, true},      {29, 0, 319, false},  {30, 299, 999, false}, {30, 300, 0, true},
        {31, 320, 0, true},      {32, 0, 0, true},     {33, 9, 0, false},     {36, 40, 0, true},
        {37, 9999, 9999, false},
    };
    for (const Case& c : cases) {
        tmy my;
        my.merit = c.merit;
        my.rank_points = c.rank;
        EXPECT_EQ(TechniqueUnlocked(my, c.k), c.open) << c.k << " merit " << c.merit << " rank " << c.rank;
    }
    tmy fresh;
    std::vector<int32_t> listed;
    for (int32_t k = 0; k < kTechniqueRows; ++k)
        if (!TechniqueShopRow(GameCatalogue(), fresh, k).empty()) listed.push_back(k);
    EXPECT_EQ(listed, (std::vector<int32_t>{0, 32}));
}

TEST(TransplantFees, PriceDivThreePlusClass) {
    const Catalogue& cat = GameCatalogue();
    const std::array<int32_t, 3> cases[] = {
        {30, FirstOfClass(17), 67}, {0, FirstOfClass(0), 16}, {4, FirstOfClass(9), 15}, {99, 0, 0}};
    for (const auto& [k, card, fee] : cases)
        EXPECT_EQ(TransplantFee(cat, k, card), fee) << k << " into " << card;
}

TEST(SalePrices, CardsByClassItemsByPrice) {
    const int32_t cards[][2] = {{0, 3}, {1, 3}, {2, 4}, {9, 7}, {10, 8}, {11, 1}, {12, 1}, {19, 1}};
    for (const auto& c : cards) EXPECT_EQ(CardSalePrice(c[0]), c[1]) << "class " << c[0];
    EXPECT_EQ(ItemSalePrice(GameCatalogue(), 1), 3);
    EXPECT_EQ(ItemSalePrice(GameCatalogue(), 15), 187);
}

}  // namespace
}  // namespace kestra
