#include "collection/deck_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>

#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::GameCatalogue;

// A player with an empty deck and no cards.
tmy EmptyPlayer() {
    tmy my;
    my.deck.fill(-1);
    return my;
}

// The first listed card of a rarity class in the shipped catalogue.
int32_t FirstOfClass(int32_t rarity) {
    for (int32_t c = 0; c < kListedCards; ++c)
        if (GameCatalogue().card[static_cast<size_t>(c)].rarity == rarity &&
            !GameCatalogue().card[static_cast<size_t>(c)].name.empty())
            return c;
    return -1;
}

const std::string& NameOf(int32_t card) { return GameCatalogue().card[static_cast<size_t>(card)].name; }

TEST(DeckBuilder, LastCopyTurnsTheRowUnownedAndTakingItBackRestoresTheName) {
    const Catalogue& cat = GameCatalogue();
    tmy my = EmptyPlayer();
    my.card_count[3] = 1;
    EXPECT_EQ(CardListRow(cat, my, 3), NameOf(3));
    EXPECT_EQ(CardListRow(cat, my, 4), "????");

    const PutResult put = PutIntoDeck(cat, my, 3);
    EXPECT_EQ(put.outcome, PutOutcome::Moved);
    EXPECT_TRUE(put.row_now_unowned);
    EXPECT_EQ((std::array{my.deck[0], my.card_count[3]}), (std::array{3, 0}));
    EXPECT_EQ(CardListRow(cat, my, 3), "????");
    EXPECT_EQ(DeckListRow(cat, my, 0), NameOf(3));

    EXPECT_EQ(TakeFromDeck(cat, my, 0).card, 3);
    EXPECT_EQ((std::array{my.card_count[3], my.deck[0]}), (std::array{1, -1}));
    EXPECT_EQ(CardListRow(cat, my, 3), NameOf(3));
    EXPECT_EQ(DeckListRow(cat, my, 0), "･････････");
}

TEST(DeckBuilder, TakingSlotThreeOfAFullDeckPacksItAndTheNextPutFillsSlotNine) {
    const Catalogue& cat = GameCatalogue();
    tmy my = EmptyPlayer();
    for (int32_t s = 0; s < kDeckSize; ++s) my.deck[static_cast<size_t>(s)] = s;
    my.card_count[20] = 1;
    EXPECT_TRUE(DeckIsFull(my));
    EXPECT_EQ(PutIntoDeck(cat, my, 20).outcome, PutOutcome::NothingChosen);  // full: nothing moves
    EXPECT_EQ(my.card_count[20], 1);

    EXPECT_EQ(TakeFromDeck(cat, my, 3).card, 3);
    const std::array<int32_t, kDeckSize> packed = {0, 1, 2, 4, 5, 6, 7, 8, 9, -1};
    EXPECT_EQ(my.deck, packed);
    EXPECT_EQ(my.card_count[3], 1);
    EXPECT_FALSE(DeckIsFull(my));

    EXPECT_EQ(PutIntoDeck(cat, my, 20).outcome, PutOutcome::Moved);
    EXPECT_EQ(my.deck[9], 20);
    EXPECT_TRUE(DeckIsFull(my));
}

// A put fills the lowest empty slot and keeps the row named while copies remain.
TEST(DeckBuilder, PutFillsTheLowestEmptySlot) {
    tmy my = EmptyPlayer();
    my.deck = {0, 1, -1, 3, -1, -1, -1, -1, -1, -1};
    my.card_count[7] = 2;
    const PutResult put = PutIntoDeck(GameCatalogue(), my, 7);
    ASSERT_EQ(put.outcome, PutOutcome::Moved);
    EXPECT_FALSE(put.row_now_unowned);
    EXPECT_EQ(CardListRow(GameCatalogue(), my, 7), NameOf(7));
    EXPECT_EQ(my.deck[2], 7);
    EXPECT_EQ(my.deck[4], -1);
}

TEST(DeckBuilder, RankRulesRefuseInTheirOrder) {
    const int32_t secret = FirstOfClass(16), top = FirstOfClass(17), highest = FirstOfClass(19);
    ASSERT_TRUE(secret >= 0 && top >= 0 && highest >= 0);
    const std::string rank = "あなた段位では、このカードは使用できません";
    const std::string merit = "あなた戦歴では、このカードは使用できません";
    struct Case {
        int32_t card, rank_points, merit;
        PutOutcome outcome;
        std::string message;
    };
    const Case cases[] = {
        {secret, 10, 0, PutOutcome::RankTooLow, rank},  {secret, 11, 0, PutOutcome::Moved, ""},
        {top, 30, 0, PutOutcome::RankTooLow, rank},     {top, 31, 0, PutOutcome::Moved, ""},
        {highest, 30, 999, PutOutcome::RankTooLow, rank}, {highest, 31, 0, PutOutcome::Moved, ""},
        {316, 30, 999, PutOutcome::RankTooLow, rank},   {316, 31, 300, PutOutcome::MeritTooLow, merit},
        {316, 9999, 300, PutOutcome::MeritTooLow, merit}, {316, 31, 301, PutOutcome::Moved, ""},
        {0, 0, 0, PutOutcome::Moved, ""},
    };
    for (const Case& c : cases) {
        tmy my = EmptyPlayer();
        my.card_count[static_cast<size_t>(c.card)] = 1;
        my.rank_points = c.rank_points;
        my.merit = c.merit;
        my.applied_deck_name = "登録A";
        const PutResult put = PutIntoDeck(GameCatalogue(), my, c.card);
        SCOPED_TRACE(::testing::Message() << c.card << " rank " << c.rank_points << " merit " << c.merit);
        EXPECT_EQ(put.outcome, c.outcome);
        EXPECT_EQ(put.message, c.message);
        const bool moved = c.outcome == PutOutcome::Moved;
        EXPECT_EQ((std::array{my.deck[0], my.card_count[static_cast<size_t>(c.card)]}),
                  (std::array{moved ? c.card : -1, moved ? 0 : 1}));
        EXPECT_EQ(my.applied_deck_name.empty(), moved);
    }
}

TEST(DeckBuilder, NothingChosenForNoRowUnownedRowsAndUnlistedNumbers) {
    tmy my = EmptyPlayer();
    my.card_count[330] = 3;  // past the listed cards: no row shows it
    for (const int32_t card : {-1, 5, 327, 330, 356, 9999}) {
        const PutResult put = PutIntoDeck(GameCatalogue(), my, card);
        EXPECT_EQ(put.outcome, PutOutcome::NothingChosen) << card;
        EXPECT_TRUE(put.message.empty()) << card;
    }
    EXPECT_EQ(my.deck[0], -1);
    EXPECT_EQ(my.card_count[330], 3);
}

TEST(DeckBuilder, MercenaryIsAddedWithTheHint) {
    const Catalogue& cat = GameCatalogue();
    ASSERT_EQ(NameOf(219), "傭兵");
    tmy my = EmptyPlayer();
    my.card_count[219] = 1;
    my.card_count[0] = 1;
    const PutResult put = PutIntoDeck(cat, my, 219);
    EXPECT_EQ(put.outcome, PutOutcome::Moved);
    EXPECT_TRUE(put.mercenary_hint);
    EXPECT_EQ(my.deck[0], 219);
    EXPECT_FALSE(PutIntoDeck(cat, my, 0).mercenary_hint);
    EXPECT_STREQ(kMercenaryHint, "【!!】傭兵を投入 > DEUL開始時-15円されます");
}

TEST(DeckBuilder, TakeFindsTheLastCardWithTheRowsName) {
    Catalogue cat = GameCatalogue();
    cat.card[300].name = cat.card[5].name;  // two kinds share a name
    tmy my = EmptyPlayer();
    my.deck[0] = 5;
    my.deck[1] = 6;
    my.applied_deck_name = "登録A";
    EXPECT_EQ(TakeFromDeck(cat, my, 0).card, 300);
    EXPECT_EQ((std::array{my.card_count[300], my.card_count[5], my.deck[0]}), (std::array{1, 0, 6}));
    EXPECT_TRUE(my.applied_deck_name.empty());
}

TEST(DeckBuilder, TakeRefusesNoSelectionEmptySlotsAndNamelessCards) {
    const Catalogue& cat = GameCatalogue();
    tmy my = EmptyPlayer();
    my.deck[0] = 340;  // an unused catalogue row: its row reads empty
    my.deck[1] = 2;
    const tmy before = my;
    for (const int32_t slot : {-1, 0, 2, 9, 10}) EXPECT_EQ(TakeFromDeck(cat, my, slot).card, -1) << slot;
    EXPECT_EQ(my, before);
}

TEST(DeckBuilder, CardInfoOfALevelledCardWithATransplantedTechnique) {
    // The shipped card 8: HP 4, MP 2, class 普; level 7 adds 2 to both.
    tmy my = EmptyPlayer();
    my.card_level[8] = 7;
    my.card_exp[8] = 3;
    my.card_magic[8] = 13;
    my.card_count[8] = 2;
    EXPECT_EQ(CardInfoText(GameCatalogue(), my, 8),
              "★" + NameOf(8) + " <火>\nLV:7 > ***\nHP:6  MP:4  術：【奇】\n所持：2枚\nレア度:普");
}

TEST(DeckBuilder, CardInfoLinesExactly) {
    Catalogue cat = GameCatalogue();
    cat.card[12] = tcard{"試しの札", 4, 6, 17, "", 0};
    tmy my = EmptyPlayer();
    struct Case {
        int32_t level, exp, waza, count;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 0, 1, "★試しの札 <闇>\nLV:0 > \nHP:4  MP:6\n所持：1枚\nレア度:ろあ"},
        {2, 9, 0, 0, "★試しの札 <闇>\nLV:2 > *********\nHP:4  MP:6\n所持：0枚\nレア度:ろあ"},
        {10, 1, 13, 3, "★試しの札 <闇>\nLV:10 > *\nHP:7  MP:9  術：【奇】\n所持：3枚\nレア度:ろあ"},
        {3, 0, 7, 1, "★試しの札 <闇>\nLV:3 > \nHP:5  MP:7  術：【風水】\n所持：1枚\nレア度:ろあ"},
        {3, 0, 40, 1, "★試しの札 <闇>\nLV:3 > \nHP:5  MP:7  術：【】\n所持：1枚\nレア度:ろあ"},
        {3, 0, 500, 1, "★試しの札 <闇>\nLV:3 > \nHP:5  MP:7\n所持：1枚\nレア度:ろあ"},
    };
    for (const Case& c : cases) {
        my.card_level[12] = c.level;
        my.card_exp[12] = c.exp;
        my.card_magic[12] = c.waza;
        my.card_count[12] = c.count;
        EXPECT_EQ(CardInfoText(cat, my, 12), c.text) << c.level << " " << c.waza;
    }
    EXPECT_EQ(CardInfoText(cat, my, -1), "");
}

TEST(DeckBuilder, DamagedMarkCountsShowABoundedLineOfStars) {
    tmy my = EmptyPlayer();
    my.card_exp[8] = INT32_MAX;
    const std::string text = CardInfoText(GameCatalogue(), my, 8);
    EXPECT_EQ(std::count(text.begin(), text.end(), '*'), 99999);
    my.card_exp[8] = -5;
    EXPECT_NE(CardInfoText(GameCatalogue(), my, 8).find("LV:0 > \nHP:"), std::string::npos);
}

// An empty deck shows ten dashes in each summary; every class shows its mark.
TEST(DeckBuilder, SummaryAbbreviatesEveryClass) {
    const std::string ten = "--・--・--・--・--・--・--・--・--・--";
    EXPECT_EQ(DeckSummary(GameCatalogue(), EmptyPlayer()), ten);
    EXPECT_EQ(BuilderSummaryLine(GameCatalogue(), EmptyPlayer()), ten + "  <  デッキ");
    EXPECT_EQ(RulePanelSummaryLine(GameCatalogue(), EmptyPlayer()), "デッキ　 >  " + ten);
    Catalogue cat = GameCatalogue();
    const char* marks[] = {"楽", "普", "中", "上", "激", "極", "幻", "神", "無", "フ", "？",
                           "魔", "未", "売", "合", "禁", "秘", "ろ", "精", "パ", "？"};
    tmy my = EmptyPlayer();
    my.deck = {0, -1, -1, -1, -1, -1, -1, -1, -1, 0};
    for (int32_t rarity = 0; rarity <= 20; ++rarity) {
        cat.card[0].rarity = rarity;
        const std::string m = marks[rarity];
        EXPECT_EQ(DeckSummary(cat, my), m + "・--・--・--・--・--・--・--・--・" + m) << rarity;
    }
}

// Only the technique stock below index 99 counts.
TEST(DeckBuilder, StockedTechniqueLooksAtIndexesBelowNinetyNine) {
    for (const auto& [index, stocked] : {std::pair{99, false}, {0, true}, {98, true}}) {
        tmy my = EmptyPlayer();
        EXPECT_FALSE(HasStockedTechnique(my));
        my.magic_count[static_cast<size_t>(index)] = 1;
        EXPECT_EQ(HasStockedTechnique(my), stocked) << index;
    }
}

}  // namespace
}  // namespace kestra
