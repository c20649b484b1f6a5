// The economy: the price, cost, unlock and sale tables, each walked with its edge cases; then buying,
// synthesising, transplanting, equipping and selling on the player record: what changes, what a
// refusal leaves alone, and damaged saves that must not reach past the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "collection/icon_equip.h"
#include "collection/selling.h"
#include "collection/shop.h"
#include "collection/synthesis.h"
#include "collection/technique_shop.h"
#include "collection/transplant.h"
#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::FirstOfClass;
using test::GameCatalogue;

TEST(ShopPrices, CardRulesInTheirOrder) {
    struct Case {
        const char* name;
        int32_t card, price;
    };
    const Case cases[] = {
        {"class 0 by rule 1", FirstOfClass(0), 15},
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
    // Rows 0 and 1 are pinned by FixedRecipes(12) below.
    const Case cases[] = {{2, 146, 9}, {13, 157, 4}, {14, 158, 3}, {15, 159, 3}, {16, 160, 2}, {23, 173, 2}};
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
    const int32_t cards[][2] = {{0, 3}, {2, 4}, {10, 8}, {11, 1}, {19, 1}};
    for (const auto& c : cards) EXPECT_EQ(CardSalePrice(c[0]), c[1]) << "class " << c[0];
    EXPECT_EQ(ItemSalePrice(GameCatalogue(), 1), 3);
    EXPECT_EQ(ItemSalePrice(GameCatalogue(), 15), 187);
}

tmy Player() {
    tmy my;
    my.deck.fill(-1);
    my.money = 500;
    return my;
}

const std::string& CardName(int32_t c) { return GameCatalogue().card[static_cast<size_t>(c)].name; }

// The rows before the first separator.
std::vector<std::string> CardRows(const std::vector<std::string>& rows) {
    std::vector<std::string> out;
    for (const std::string& r : rows) {
        if (r == kShopSeparator) break;
        out.push_back(r);
    }
    return out;
}

TEST(Shop, AssortmentByWinsAndRank) {
    struct Case {
        const char* name;
        int32_t wins, rank;
        std::vector<int32_t> unlocked;  // after the three random cards
        bool rank_card;
    };
    const Case cases[] = {{"new", 0, 0, {}, false}, {"3 wins", 3, 0, {124, 163}, false},
                          {"5 wins", 5, 200, {124, 125, 163}, false}, {"rank 201", 0, 201, {}, true}};
    for (const Case& c : cases) {
        tmy my = Player();
        my.wins = c.wins;
        my.rank_points = c.rank;
        Rng rng(5);
        const std::vector<std::string> rows = BuildShopRows(GameCatalogue(), my, rng);
        const std::vector<std::string> cards = CardRows(rows);
        ASSERT_EQ(cards.size(), 3 + c.unlocked.size() + (c.rank_card ? 1 : 0)) << c.name;
        for (size_t i = 0; i < c.unlocked.size(); ++i) EXPECT_EQ(cards[3 + i], CardName(c.unlocked[i])) << c.name;
        if (c.rank_card) {
            EXPECT_GE(ResolveShopRow(GameCatalogue(), cards.back()).card, 219) << c.name;
        }
        EXPECT_EQ(rows.size(), cards.size() + 10) << c.name;
        for (size_t i = cards.size() + 1; i < cards.size() + 5; ++i)
            EXPECT_GE(ResolveShopRow(GameCatalogue(), rows[i]).icon, 0) << rows[i];
        for (size_t i = cards.size() + 6; i < rows.size(); ++i)
            EXPECT_GE(ResolveShopRow(GameCatalogue(), rows[i]).item, 1) << rows[i];
    }
}

TEST(Shop, OpeningCapsTheMoneyKeepingTheSeal) {
    const int32_t cases[][2] = {{901, 900}, {900, 900}};
    for (const auto& [money, capped] : cases) {
        tmy my = Player();
        my.money = money;
        my.checksum = ComputeChecksum(my);
        CapMoneyForShop(my);
        EXPECT_EQ(my.money, capped);
        EXPECT_TRUE(CheckSaveData(my));
    }
}

TEST(Shop, BuyingCardsIconsAndItems) {
    const Catalogue& cat = GameCatalogue();
    struct Case {
        const char* name;
        ShopPick pick;
        int32_t money, count_before;
        BuyOutcome outcome;
        int32_t money_after, count_after;
        const char* head;
    };
    const Case cases[] = {
        {"card at 99 still pays", {124, -1, -1}, 500, 99, BuyOutcome::Bought, 490, 99, "カード【"},
        {"last coin", {124, -1, -1}, 10, 0, BuyOutcome::Bought, 0, 1, "カード【"},
        {"too dear", {219, -1, -1}, 399, 0, BuyOutcome::TooDear, 399, 0, ""},
        {"icon", {-1, 0, -1}, 500, 0, BuyOutcome::Bought, 500 - IconPrice(cat, 0), 1, "アイコン【"},
        {"item", {-1, -1, 2}, 500, 4, BuyOutcome::Bought, 458, 5, "アイテム【"},
        {"nothing", {}, 500, 0, BuyOutcome::Nothing, 500, 0, ""},
    };
    for (const Case& c : cases) {
        tmy my = Player();
        my.money = c.money;
        int32_t& count = c.pick.card >= 0 ? my.card_count[static_cast<size_t>(c.pick.card)]
                         : c.pick.icon >= 0 ? my.icon_count[static_cast<size_t>(c.pick.icon)]
                                            : my.item_count[static_cast<size_t>(std::max(c.pick.item - 1, 0))];
        count = c.count_before;
        const BuyResult r = BuyInShop(cat, my, c.pick);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ((std::array{my.money, count}), (std::array{c.money_after, c.count_after}));
        EXPECT_EQ(r.message.rfind(c.head, 0), 0u) << r.message;
    }
    // A named icon past the listed ones (a damaged or newer catalogue) is not for sale.
    Catalogue extended = cat;
    extended.icon[static_cast<size_t>(kListedIcons)].name = "番外";
    tmy my = Player();
    my.money = 500;
    EXPECT_EQ(BuyInShop(extended, my, {-1, kListedIcons, -1}).outcome, BuyOutcome::Nothing);
    EXPECT_EQ(my.money, 500);
}

TEST(Shop, RowsResolveByNameCardsFirst) {
    const Catalogue& cat = GameCatalogue();
    EXPECT_EQ(ResolveShopRow(cat, CardName(219)).card, 219);
    EXPECT_EQ(ResolveShopRow(cat, cat.icon[5].name).icon, 5);
    EXPECT_EQ(ResolveShopRow(cat, cat.item[15].name).item, 15);
    EXPECT_TRUE(ResolveShopRow(cat, kShopSeparator).Empty());
    EXPECT_TRUE(ResolveShopRow(cat, "").Empty());
    const std::string info = ShopInfoText(cat, Player(), ResolveShopRow(cat, cat.item[1].name));
    EXPECT_EQ(info, "< ITEM >\n\n★" + cat.item[1].name + "\n" + cat.item[1].description + "\n\n所持：0個\n●値段：4円");
}

TEST(Synthesis, MakingAndRefusing) {
    const Catalogue& cat = GameCatalogue();
    struct Case {
        const char* name;
        int32_t material_have, product_have;
        SynthesisOutcome outcome;
        int32_t material_after, product_after;
    };
    const Case cases[] = {{"new player's five copies", 5, 0, SynthesisOutcome::TooFewCopies, 5, 0},
                          {"ten copies", 10, 0, SynthesisOutcome::Made, 0, 1},
                          {"product at 99", 12, 99, SynthesisOutcome::Made, 2, 99}};
    for (const Case& c : cases) {
        tmy my = Player();
        my.card_count[0] = c.material_have;
        my.card_count[136] = c.product_have;
        const SynthesisResult r = Synthesize(cat, my, FixedRecipes(5).front());
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        EXPECT_EQ((std::array{my.card_count[0], my.card_count[136]}), (std::array{c.material_after, c.product_after}))
            << c.name;
    }
    tmy my = Player();
    my.card_count[0] = 10;
    EXPECT_EQ(Synthesize(cat, my, FixedRecipes(5).front()).material_line, "素材所持：0枚");
    Rng a(1), b(2);
    my.duels = 12;
    const std::vector<Recipe> rows = BuildSynthesisRows(cat, my, a);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_NE(rows, BuildSynthesisRows(cat, my, b));
    // The three random rows reach up to the class just below 13, 15 and 17.
    std::array<int32_t, 3> highest{};
    for (uint64_t seed = 1; seed <= 300; ++seed) {
        Rng rng(seed);
        const std::vector<Recipe> drawn = BuildSynthesisRows(cat, my, rng);
        for (size_t k = 0; k < 3; ++k)
            highest[k] = std::max(highest[k], cat.card[static_cast<size_t>(drawn[2 + k].product)].rarity);
    }
    EXPECT_EQ(highest, (std::array{12, 14, 16}));
}

TEST(TechniqueShop, BuyingWithArk) {
    const Catalogue& cat = GameCatalogue();
    struct Case {
        const char* name;
        int32_t k, ark, stock;
        TechniqueBuyOutcome outcome;
        int32_t ark_after, stock_after;
    };
    const Case cases[] = {{"exact Ark", 0, 50, 0, TechniqueBuyOutcome::Bought, 0, 1},
                          {"at 99", 0, 60, 99, TechniqueBuyOutcome::Bought, 10, 99},
                          {"too dear", 32, 99, 0, TechniqueBuyOutcome::TooDear, 99, 0},
                          {"locked", 1, 999, 0, TechniqueBuyOutcome::Nothing, 999, 0}};
    for (const Case& c : cases) {
        tmy my = Player();
        my.ark = c.ark;
        my.magic_count[static_cast<size_t>(c.k)] = c.stock;
        EXPECT_EQ(BuyTechnique(cat, my, c.k).outcome, c.outcome) << c.name;
        EXPECT_EQ((std::array{my.ark, my.magic_count[static_cast<size_t>(c.k)]}), (std::array{c.ark_after, c.stock_after}))
            << c.name;
    }
}

TEST(Transplant, ReplacesOrLowersTheLevel) {
    const Catalogue& cat = GameCatalogue();
    struct Case {
        const char* name;
        int32_t k, stock, money, level, magic;
        TransplantOutcome outcome;
        int32_t money_after, level_after, magic_after;
    };
    // Card 0 is class 0: 解 costs 16, 召 (150 Ark) costs 50.
    const Case cases[] = {{"replaces the old", 30, 2, 100, 4, 11, TransplantOutcome::Done, 50, 4, 30},
                          {"解 lowers the level", 0, 1, 100, 4, 11, TransplantOutcome::Done, 84, 3, 11},
                          {"解 at level 0 still costs", 0, 1, 16, 0, 0, TransplantOutcome::Done, 0, 0, 0},
                          {"fee above the purse", 30, 1, 49, 4, 0, TransplantOutcome::Refused, 49, 4, 0},
                          {"none held", 30, 0, 100, 4, 0, TransplantOutcome::Refused, 100, 4, 0},
                          {"no technique", 37, 1, 100, 4, 0, TransplantOutcome::Nothing, 100, 4, 0}};
    for (const Case& c : cases) {
        tmy my = Player();
        my.money = c.money;
        my.card_level[0] = c.level;
        my.card_magic[0] = c.magic;
        my.magic_count[static_cast<size_t>(c.k)] = c.stock;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Transplant(cat, my, c.k, 0).outcome, c.outcome);
        EXPECT_EQ((std::array{my.money, my.card_level[0], my.card_magic[0], my.magic_count[static_cast<size_t>(c.k)]}),
                  (std::array{c.money_after, c.level_after, c.magic_after,
                              c.stock - (c.outcome == TransplantOutcome::Done ? 1 : 0)}));
    }
    tmy my = Player();
    my.magic_count[0] = 1;
    EXPECT_EQ(Transplant(cat, my, 0, 0).message, "Card【" + CardName(0) + "】のレベルを1下げた！\n\nLv: 0 → 0\n\n所持：0個\n所持金：484円");
}

TEST(Icons, EquipIntoTheFirstFreeSlotAndUnequipPacking) {
    const Catalogue& cat = GameCatalogue();
    tmy my = Player();
    my.icon_count[1] = 1;
    my.icon_count[2] = 2;
    my.icon_count[3] = 1;
    my.applied_deck_name = "速攻";
    EXPECT_TRUE(EquipIcon(cat, my, 1));
    EXPECT_EQ(IconListRow(cat, my, 1), "????");
    EXPECT_TRUE(my.applied_deck_name.empty());
    EXPECT_TRUE(EquipIcon(cat, my, 2));
    EXPECT_FALSE(EquipIcon(cat, my, 3));  // both slots full
    EXPECT_FALSE(EquipIcon(cat, my, 4));  // none owned
    EXPECT_EQ(my.icon_count[3], 1);
    EXPECT_EQ(EquippedRow(cat, my, 1), cat.icon[2].name);
    EXPECT_EQ(UnequipIcon(cat, my, 0), 1);  // slot 2 moves up
    EXPECT_EQ((std::array{my.icon_slot1, my.icon_slot2, my.icon_count[1]}), (std::array{2, -1, 1}));
    EXPECT_EQ(EquippedRow(cat, my, 1), "･････････");
    EXPECT_EQ(UnequipIcon(cat, my, 1), -1);
    EXPECT_EQ(UnequipIcon(cat, my, 0), 2);
    EXPECT_EQ((std::array{my.icon_count[2], my.icon_slot1}), (std::array{2, -1}));
}

TEST(Selling, CardsAndItemsPayAndKeepTheSeal) {
    const Catalogue& cat = GameCatalogue();
    tmy my = Player();
    my.card_count[0] = 1;
    my.item_count[14] = 2;
    my.checksum = ComputeChecksum(my);
    EXPECT_FALSE(CardSaleOffer(cat, my, 1).has_value());
    ASSERT_TRUE(CardSaleOffer(cat, my, 0).has_value());
    EXPECT_EQ(CardSaleOffer(cat, my, 0)->question, "【" + CardName(0) + "】を 3円で売りますか？\n\n所持金：500円");
    SellCard(cat, my, 0);
    SellItem(cat, my, 14);
    EXPECT_EQ((std::array{my.money, my.card_count[0], my.item_count[14]}), (std::array{690, 0, 1}));
    EXPECT_TRUE(CheckSaveData(my));
    EXPECT_FALSE(CardSaleOffer(cat, my, 0).has_value());
    my.money = INT32_MAX - 1;
    SellItem(cat, my, 14);
    EXPECT_EQ(my.money, INT32_MAX);
}

// Counts and numbers a hand-edited save may hold: rows read empty and every move is refused.
TEST(DamagedSaves, OutOfCatalogueRowsAreEmptyAndRefused) {
    const Catalogue& cat = GameCatalogue();
    tmy my = Player();
    my.icon_slot1 = 999;
    my.icon_slot2 = -7;
    my.icon_count[201] = 3;    // a row with a description and no name
    my.item_count[99] = 4;     // item 100 has no name
    my.magic_count[36] = -5;
    my.card_magic[3] = 4000;
    const tmy before = my;
    EXPECT_EQ(EquippedRow(cat, my, 0), "");
    EXPECT_EQ(UnequipIcon(cat, my, 0), -1);
    EXPECT_EQ(IconListRow(cat, my, 201), "");
    EXPECT_FALSE(EquipIcon(cat, my, 201));
    EXPECT_EQ(ItemListRow(cat, my, 99), "");
    EXPECT_FALSE(ItemSaleOffer(cat, my, 99).has_value());
    EXPECT_EQ(ItemInfoText(cat, my, 99), "");
    EXPECT_EQ(TransplantRow(cat, my, 36), "??????");
    EXPECT_EQ(Transplant(cat, my, 36, 3).outcome, TransplantOutcome::Refused);
    EXPECT_FALSE(CanTransplantInto(cat, 999));
    EXPECT_EQ(Transplant(cat, my, 0, 999).outcome, TransplantOutcome::Nothing);
    EXPECT_EQ(my, before);
}

}  // namespace
}  // namespace kestra
