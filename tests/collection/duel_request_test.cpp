#include "collection/duel_request.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "collection/start_charges.h"
#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

// A player whose ten deck slots all hold a card.
tmy FullDeckPlayer() {
    tmy my;
    for (int32_t s = 0; s < kDeckSize; ++s) my.deck[static_cast<size_t>(s)] = s;
    return my;
}

TEST(DuelRequest, VersionTagIsSevenBytesFromTheEleventh) {
    struct Case {
        const char* caption;
        const char* tag;
    };
    const Case cases[] = {
        {kMainCaption, "ver6.2t"},
        {"KESTRA ver6.2t", "6.2t"},        // no kanji: the 11th byte is inside the number
        {"KESTRA 天 v", "v"},              // shorter than the cut
        {"KESTRA 天 ", ""},                // nothing from the 11th byte on
        {"ABCDEFGHIJKL天地人", "KL天地"},  // the cut ends inside 人: its lone lead byte is dropped
    };
    for (const Case& c : cases) EXPECT_EQ(VersionTag(c.caption), c.tag) << c.caption;
}

TEST(DuelRequest, ShortDeckIsRefusedBeforeTheSaveIsLookedAt) {
    struct Case {
        int32_t empty_slot;  // -1: a full deck
        bool intact;
        const char* refusal;
    };
    const char* const short_deck = "デッキが10枚に足りていません";
    const Case cases[] = {{9, false, short_deck},
                          {0, true, short_deck},
                          {-1, false, "データが破壊されています"},
                          {-1, true, ""}};
    for (const Case& c : cases) {
        tmy my = FullDeckPlayer();
        if (c.empty_slot >= 0) my.deck[static_cast<size_t>(c.empty_slot)] = -1;
        EXPECT_EQ(RequestRefusal(my, c.intact), c.refusal) << c.empty_slot << " " << c.intact;
    }
}

TEST(DuelRequest, RequestAndAcceptanceTexts) {
    const DuelPanelTexts ask = OrdinaryDuelTexts(kRoleApplicant, kMainCaption);
    EXPECT_EQ(ask.caption, "デュエルを申しこむ");
    EXPECT_EQ(ask.instruction,
              "２、相手から【星降る天よ、我を誘え。】という言葉が返って来ればスタートを、返ってこなければキャ"
              "ンセルを押してください");
    EXPECT_EQ(ask.incantation, "さぁ聞こう、知の囁き！ver6.2t");

    const DuelPanelTexts accept = OrdinaryDuelTexts(kRoleReceiver, kMainCaption);
    EXPECT_EQ(accept.caption, "デュエルを受ける");
    EXPECT_EQ(accept.instruction,
              "上記の言葉は、相手から【さぁ聞こう、知の囁き！】という言葉を申しこまれた時に、デュエルを受諾す"
              "る際に詠唱して下さい。");
    EXPECT_EQ(accept.incantation, "星降る天よ、我を誘え。ver6.2t");

    // Another version gives another phrase, so mismatched programs never meet.
    EXPECT_EQ(OrdinaryDuelTexts(kRoleApplicant, "KESTRA 天 ver6.3a").incantation,
              "さぁ聞こう、知の囁き！ver6.3a");
}

TEST(DuelRequest, StreakNotesFromTwoInARow) {
    struct Case {
        int32_t wins, losses;
        const char* copied;
    };
    const Case cases[] = {{1, 1, "詠唱"},
                          {2, 0, "詠唱 ≪2連勝中≫"},
                          {0, 2, "詠唱 ～2連敗中～"},
                          {3, 5, "詠唱 ≪3連勝中≫ ～5連敗中～"}};
    for (const Case& c : cases) {
        tmy my;
        my.win_streak = c.wins;
        my.loss_streak = c.losses;
        EXPECT_EQ(IncantationWithStreaks("詠唱", my), c.copied) << c.wins << "/" << c.losses;
    }
}

// A music list of its own: pieces 0, 1 and 60 titled in group 2, piece 2 untitled in group 2,
// piece 3 untitled in group 5 (a group without any titled piece).
Catalogue QuizCatalogue() {
    Catalogue cat;
    cat.music_group[2] = "港の組曲";
    cat.music_group[5] = "無題の群";
    cat.music[0] = {"朝の桟橋", 2};
    cat.music[1] = {"夕凪", 2};
    cat.music[2] = {"", 2};
    cat.music[3] = {"", 5};
    cat.music[60] = {"遠い灯", 2};
    cat.music[99] = {"終わりの鐘", 7};
    return cat;
}

TEST(DuelRequest, QuizListsTitledPiecesInOrder) {
    EXPECT_EQ(QuizPieces(QuizCatalogue()), (std::vector<int32_t>{0, 1, 60, 99}));
}

TEST(DuelRequest, GroupPrizeIsFiftyDivTheTitledPiecesOfTheGroup) {
    const Catalogue cat = QuizCatalogue();
    struct Case {
        int32_t piece, g;
    };
    const Case cases[] = {{0, 16}, {2, 16}, {3, 50}, {99, 50}, {-1, 0}, {100, 0}};
    for (const Case& c : cases) EXPECT_EQ(QuizGroupPrize(cat, c.piece), c.g) << c.piece;
}

TEST(DuelRequest, QuizLabelText) {
    const Catalogue cat = QuizCatalogue();
    EXPECT_EQ(QuizLabel(cat, 1), "現在予想中の楽曲 > \n単曲【夕凪】賞100円\nｸﾞﾙｰﾌﾟ【港の組曲】賞32円,16Ark");
    EXPECT_EQ(QuizLabel(cat, 3), "現在予想中の楽曲 > \n単曲【】賞100円\nｸﾞﾙｰﾌﾟ【無題の群】賞100円,50Ark");
}

// Each kind's fee, taken from a purse that holds it; a purse that cannot pay keeps what it has.
TEST(DuelRequest, EntryCostPerKind) {
    struct Case {
        int32_t kind, yen, ark, money, ark_held, money_after, ark_after;
    };
    const Case cases[] = {
        {0, 0, 0, 100, 20, 100, 20}, {4, 6, 0, 100, 20, 94, 20},   {5, 3, 0, 100, 20, 97, 20},
        {6, 0, 1, 100, 20, 100, 19}, {7, 1, 0, 100, 20, 99, 20},   {8, 10, 0, 100, 20, 90, 20},
        {9, 15, 0, 100, 20, 85, 20}, {18, 0, 0, 100, 20, 100, 20}, {-1, 0, 0, 100, 20, 100, 20},
        {9, 15, 0, 15, 0, 0, 0},     {9, 15, 0, 14, 5, 0, 5},      {4, 6, 0, 0, 0, 0, 0},
        {6, 0, 1, 7, 0, 7, 0},       {6, 0, 1, 7, 1, 7, 0},        {8, 10, 0, -3, 2, -3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.kind << " " << c.money << " " << c.ark_held);
        EXPECT_EQ((std::array{EntryCostOf(c.kind).yen, EntryCostOf(c.kind).ark}), (std::array{c.yen, c.ark}));
        tmy my;
        my.money = c.money;
        my.ark = c.ark_held;
        ChargeEntryCost(my, c.kind);
        EXPECT_EQ((std::array{my.money, my.ark}), (std::array{c.money_after, c.ark_after}));
    }
}

using test::GameCatalogue;

// Copies of every card, in the collection and the deck together.
int64_t AllCopies(const tmy& my) {
    int64_t n = std::accumulate(my.card_count.begin(), my.card_count.end(), int64_t{0});
    for (const int32_t c : my.deck) n += c >= 0 ? 1 : 0;
    return n;
}

// The fee is the entry cost (each kind's amount is checked with it); taken once, with the seal kept.
TEST(StartCharges, EachKindTakesItsFeeOnceAndKeepsTheSealIntact) {
    struct Case {
        int32_t kind, yen, ark;
    };
    const Case cases[] = {{0, 100, 5}, {6, 100, 4}, {9, 85, 5}};
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
