#include "collection/deck_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>

#include "collection/registered_decks.h"
#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::FirstOfClass;
using test::GameCatalogue;

// A player with an empty deck and no cards.
tmy EmptyPlayer() {
    tmy my;
    my.deck.fill(-1);
    return my;
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
    EXPECT_FALSE(PutIntoDeck(GameCatalogue(), my, 7).row_now_unowned);
    EXPECT_EQ(CardListRow(GameCatalogue(), my, 7), NameOf(7));
    EXPECT_EQ((std::array{my.deck[2], my.deck[4]}), (std::array{7, -1}));
}

TEST(DeckBuilder, RankRulesRefuseInTheirOrder) {
    // Class 17 is the first of the top classes (">= 17"), so it stands for 18 and 19 too.
    const int32_t secret = FirstOfClass(16), top = FirstOfClass(17);
    ASSERT_TRUE(secret >= 0 && top >= 0);
    const std::string rank = "あなた段位では、このカードは使用できません";
    const std::string merit = "あなた戦歴では、このカードは使用できません";
    struct Case {
        int32_t card, rank_points, merit;
        PutOutcome outcome;
        std::string message;
    };
    const Case cases[] = {
        {secret, 10, 0, PutOutcome::RankTooLow, rank},
        {secret, 11, 0, PutOutcome::Moved, ""},
        {top, 30, 0, PutOutcome::RankTooLow, rank},
        {top, 31, 0, PutOutcome::Moved, ""},
        {316, 30, 999, PutOutcome::RankTooLow, rank},
        {316, 31, 300, PutOutcome::MeritTooLow, merit},
        {316, 31, 301, PutOutcome::Moved, ""},
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
    my.card_count[327] = 3;  // the first number past the listed cards: no row shows it
    for (const int32_t card : {-1, 5, 327, 356}) {
        const PutResult put = PutIntoDeck(GameCatalogue(), my, card);
        EXPECT_EQ(put.outcome, PutOutcome::NothingChosen) << card;
        EXPECT_TRUE(put.message.empty()) << card;
    }
    EXPECT_EQ(my.deck[0], -1);
    EXPECT_EQ(my.card_count[327], 3);
}

TEST(DeckBuilder, MercenaryIsAddedWithTheHint) {
    const Catalogue& cat = GameCatalogue();
    tmy my = EmptyPlayer();
    my.card_count[219] = 1;
    my.card_count[0] = 1;
    EXPECT_TRUE(PutIntoDeck(cat, my, 219).mercenary_hint);
    EXPECT_EQ(my.deck[0], 219);
    EXPECT_FALSE(PutIntoDeck(cat, my, 0).mercenary_hint);
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

// An empty deck shows ten dashes in each summary; a class shows its mark, a code without one "？".
TEST(DeckBuilder, SummaryAbbreviatesEveryClass) {
    const std::string ten = "--・--・--・--・--・--・--・--・--・--";
    EXPECT_EQ(DeckSummary(GameCatalogue(), EmptyPlayer()), ten);
    EXPECT_EQ(BuilderSummaryLine(GameCatalogue(), EmptyPlayer()), ten + "  <  デッキ");
    EXPECT_EQ(RulePanelSummaryLine(GameCatalogue(), EmptyPlayer()), "デッキ　 >  " + ten);
    Catalogue cat = GameCatalogue();
    tmy my = EmptyPlayer();
    my.deck = {0, -1, -1, -1, -1, -1, -1, -1, -1, 0};
    for (const auto& [rarity, m] : {std::pair<int32_t, std::string>{0, "楽"},
                                    {10, "？"},
                                    {19, "パ"},
                                    {20, "？"}}) {
        cat.card[0].rarity = rarity;
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

constexpr std::array<int32_t, 10> kSetup = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// A player holding the set-up's cards in the deck and icons 5 and 6 on, with slot `named` slots named.
tmy Player(int named) {
    tmy my;
    my.deck = kSetup;
    my.icon_slot1 = 5;
    my.icon_slot2 = 6;
    for (int s = 0; s < named; ++s) my.touroku[static_cast<size_t>(s)].name = "組" + std::to_string(s);
    my.checksum = ComputeChecksum(my);
    return my;
}

TEST(RegisteredDecks, RegisterTakesTheLowestFreeSlotAndItsName) {
    struct Case {
        const char* name;
        int named;
        const char* box;
        int32_t slot;
        const char* stored;
        const char* refusal;
    };
    const Case cases[] = {
        {"empty box into slot 3", 3, "", 3, "オリジナルデッキ3", ""},
        {"own name", 0, "炎の陣", 0, "炎の陣", ""},
        {"all ten named", 10, "", -1, "", ""},
        {"a line break", 1, "上\n下", -1, "", "この名前は使えません"},
        {"no CP932 form", 1, "deck😀", -1, "", "この名前は使えません"},
    };
    for (const Case& c : cases) {
        tmy my = Player(c.named);
        const tmy before = my;
        const RegisterResult r = RegisterCandidate(my, CandidateFromDeck(my), c.box);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(r.slot, c.slot);
        EXPECT_EQ(r.refusal, c.refusal);
        if (c.slot < 0) {
            EXPECT_EQ(my, before);
            continue;
        }
        const ttouroku& t = my.touroku[static_cast<size_t>(c.slot)];
        EXPECT_EQ(t, (ttouroku{c.stored, kSetup, {5, 6}}));
    }
}

TEST(RegisteredDecks, RowsSelectDeleteAndRename) {
    tmy my = Player(3);
    my.touroku[1].name = "組2";  // two slots of the same name: the later one is chosen
    EXPECT_EQ(TourokuRows(my)[3], "･････････");
    EXPECT_EQ(SlotOfRow(my, "組2"), 2);
    EXPECT_EQ(SlotOfRow(my, "･････････"), -1);
    EXPECT_TRUE(DeleteTouroku(my, 0));
    EXPECT_FALSE(DeleteTouroku(my, 0));
    EXPECT_EQ(RegisterCandidate(my, CandidateFromDeck(my), "").slot, 0);  // the freed slot is reused
    EXPECT_EQ(RenameTouroku(my, 2, "bad\r"), "この名前は使えません");
    EXPECT_EQ(my.touroku[2].name, "組2");
    EXPECT_EQ(RenameTouroku(my, 2, ""), "");
    EXPECT_EQ(SlotOfRow(my, "組2"), 1);  // the emptied slot is free
}

// Applying takes what the collection holds, position by position: a card gone leaves a hole and
// the deck is not packed; a missing icon leaves its slot empty.
// Card 0 and icon 0 are taken from their counts like any other.
TEST(RegisteredDecks, ApplyTakesCardZeroAndIconZero) {
    tmy my;
    my.deck.fill(-1);
    my.icon_slot1 = my.icon_slot2 = -1;
    my.touroku[0] = ttouroku{"零の組", {0, 21, 22, 23, 24, 25, 26, 27, 28, 29}, {0, 41}};
    for (const int32_t card : my.touroku[0].cards) my.card_count[static_cast<size_t>(card)] = 1;
    my.icon_count[0] = my.icon_count[41] = 1;
    my.checksum = ComputeChecksum(my);
    EXPECT_FALSE(ApplyTouroku(my, 0));
    EXPECT_EQ(my.deck, my.touroku[0].cards);
    EXPECT_EQ((std::array{my.icon_slot1, my.icon_slot2, my.card_count[0], my.icon_count[0]}), (std::array{0, 41, 0, 0}));
}

TEST(RegisteredDecks, ApplyLeavesHolesForWhatIsMissing) {
    struct Case {
        const char* name;
        int32_t missing_card;  // the set-up's card the player no longer owns, -1 none
        int32_t missing_icon;
        std::array<int32_t, 10> deck;
        bool shortage;
    };
    const Case cases[] = {
        {"all owned", -1, -1, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}, false},
        {"card 24 gone", 24, -1, {20, 21, 22, 23, -1, 25, 26, 27, 28, 29}, true},
        {"icon 41 gone", -1, 41, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}, true},
        {"icon 40 gone", -1, 40, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}, true},
    };
    for (const Case& c : cases) {
        tmy my = Player(0);
        my.touroku[4] = ttouroku{"水の組", {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}, {40, 41}};
        for (int32_t card = 20; card < 30; ++card)
            my.card_count[static_cast<size_t>(card)] = card == c.missing_card ? 0 : 1;
        my.icon_count[40] = c.missing_icon == 40 ? 0 : 1;
        my.icon_count[41] = c.missing_icon == 41 ? 0 : 2;
        my.checksum = ComputeChecksum(my);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ApplyTouroku(my, 4), c.shortage);
        EXPECT_EQ(my.deck, c.deck);
        EXPECT_EQ((std::array{my.icon_slot1, my.icon_slot2}),
                  (std::array{c.missing_icon == 40 ? -1 : 40, c.missing_icon == 41 ? -1 : 41}));
        for (const int32_t card : kSetup) EXPECT_EQ(my.card_count[static_cast<size_t>(card)], 1);  // returned
        EXPECT_EQ(my.icon_count[5] + my.icon_count[6], 2);
        EXPECT_EQ(my.applied_deck_name, "水の組");
        EXPECT_TRUE(CheckSaveData(my));
    }
}

TEST(RegisteredDecks, CandidateSummaryShowsEmptyPositions) {
    Candidate c = CandidateFromDeck(Player(0));
    c.cards[1] = -1;
    EXPECT_EQ(CandidateSummaryLine(test::GameCatalogue(), c).rfind("デッキ　 >  楽・--・", 0), 0u);
}

}  // namespace
}  // namespace kestra
