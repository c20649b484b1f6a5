#include "collection/start_charges.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::GameCatalogue;

// Copies of every card, in the collection and the deck together.
int64_t AllCopies(const tmy& my) {
    int64_t n = std::accumulate(my.card_count.begin(), my.card_count.end(), int64_t{0});
    for (const int32_t c : my.deck) n += c >= 0 ? 1 : 0;
    return n;
}

TEST(StartCharges, EachKindTakesItsFeeOnceAndKeepsTheSealIntact) {
    struct Case {
        int32_t kind, yen, ark;
    };
    const Case cases[] = {{0, 100, 5}, {3, 100, 5}, {4, 94, 5}, {5, 97, 5},  {6, 100, 4},
                          {7, 99, 5},  {8, 90, 5},  {9, 85, 5}, {14, 100, 5}};
    for (const Case& c : cases) {
        tmy my;
        my.deck = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4};
        my.card_count[0] = 20;
        my.money = 100;
        my.ark = 5;
        my.checksum = ComputeChecksum(my);
        Rng rng(4);
        ChargeAtStart(GameCatalogue(), my, c.kind, rng);
        EXPECT_EQ((std::array{my.money, my.ark}), (std::array{c.yen, c.ark})) << c.kind;
        EXPECT_TRUE(CheckSaveData(my)) << c.kind;
    }
}

// A kind-7 player: nine copies of card 0 in the deck, a few owned cards, copies of an unused row.
tmy RandomDuelPlayer() {
    tmy my;
    my.deck = {0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    my.card_count[7] = 3;
    my.card_count[30] = 4;
    my.card_count[340] = 9;  // an unused catalogue row is never drawn
    my.money = 5;
    my.applied_deck_name = "前のデッキ";
    return my;
}

// Kind 7: every slot returned and drawn again from the owned, named cards; no copy made or lost;
// the same seed draws the same deck.
TEST(StartCharges, RandomDuelDrawsTheDeckFromTheCollection) {
    tmy my = RandomDuelPlayer();
    const int64_t before = AllCopies(my);
    Rng rng(11);
    ChargeAtStart(GameCatalogue(), my, 7, rng);
    EXPECT_EQ(AllCopies(my), before);
    EXPECT_EQ(my.money, 4);
    EXPECT_TRUE(my.applied_deck_name.empty());
    int drawn[3] = {};
    for (const int32_t c : my.deck) {
        ASSERT_TRUE(c == 0 || c == 7 || c == 30) << c;
        ++drawn[c == 0 ? 0 : c == 7 ? 1 : 2];
    }
    EXPECT_GT(drawn[1] + drawn[2], 0);
    EXPECT_EQ(my.card_count[340], 9);
    tmy twin = RandomDuelPlayer();
    Rng again(11);
    ChargeAtStart(GameCatalogue(), twin, 7, again);
    EXPECT_EQ(twin.deck, my.deck);
}

// A collection with nothing drawable leaves holes instead of spinning: slots 0 and 1 find nothing,
// slot 2 draws back its own card, the rest find nothing again.
TEST(StartCharges, ShortCollectionLeavesHolesAndStops) {
    tmy my;
    my.deck.fill(-1);
    my.deck[2] = 12;
    my.card_count[340] = 50;  // copies of a card without a name
    Rng rng(2);
    ReplaceDeckAtRandom(GameCatalogue(), my, rng);
    EXPECT_EQ(my.deck, (std::array<int32_t, 10>{-1, -1, 12, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(my.card_count[12], 0);
}

}  // namespace
}  // namespace kestra
