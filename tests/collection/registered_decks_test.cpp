#include "collection/registered_decks.h"

#include <gtest/gtest.h>

#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

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
        {"a tab", 1, "左\t右", -1, "", "この名前は使えません"},
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
        EXPECT_EQ((std::array{my.icon_slot1, my.icon_slot2}), (std::array{c.missing_icon == 40 ? -1 : 40, c.missing_icon == 41 ? -1 : 41}));
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
