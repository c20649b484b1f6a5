#include "collection/rule_duel_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::GameCatalogue;

// The first catalogue card of a rarity class.
int32_t CardOfClass(int32_t rarity) {
    for (int32_t c = 0; c < kCardRows; ++c)
        if (!GameCatalogue().card[static_cast<size_t>(c)].name.empty() &&
            GameCatalogue().card[static_cast<size_t>(c)].rarity == rarity)
            return c;
    return -1;
}

// A player who passes every check of the kind: the deck its rule lists, the icons it wants, the
// rank it asks for exactly, and money and Ark for any fee.
tmy PassingPlayer(const DuelKind& k) {
    tmy my;
    my.deck = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0};
    size_t slot = 0;
    for (const ClassCount& cc : k.classes)
        for (int32_t i = 0; i < cc.count; ++i) my.deck[slot++] = CardOfClass(cc.rarity);
    if (k.deck == DeckRule::List801) my.deck.fill(85);
    my.icon_slot1 = k.icons == IconRule::NoneAllowed ? -1 : 1;
    my.icon_slot2 = k.icons == IconRule::NoneAllowed ? -1 : 2;
    my.rank_points = k.rank_from == kAnyRank ? 0 : k.rank_from;
    my.money = k.fee_yen;
    my.ark = k.fee_ark;
    my.card_count[0] = 10;
    return my;
}

enum Step { kRank, kCards, kDeck, kIcons, kData, kFee, kSteps };

// Breaks one check of the kind, when the kind has it; false when it has not.
bool Break(tmy& my, bool& intact, const DuelKind& k, int step) {
    switch (step) {
        case kRank:
            if (k.rank_from == kAnyRank) return false;
            my.rank_points = k.rank_from - 1;
            return true;
        case kCards:
            (k.deck == DeckRule::Random ? my.card_count[0] : my.deck[9]) =
                k.deck == DeckRule::Random ? 9 : -1;
            return true;  // for the random deck the full deck does not count
        case kDeck:
            if (k.deck != DeckRule::Classes && k.deck != DeckRule::List801) return false;
            my.deck[0] = CardOfClass(19);
            return true;
        case kIcons:
            if (k.icons == IconRule::Free) return false;
            (k.icons == IconRule::Required ? my.icon_slot2 : my.icon_slot1) =
                k.icons == IconRule::Required ? -1 : 4;
            return true;
        case kData:
            intact = false;
            return true;
        case kFee:
            if (k.fee_yen == 0 && k.fee_ark == 0) return false;
            (k.fee_yen > 0 ? my.money : my.ark) = (k.fee_yen > 0 ? k.fee_yen : k.fee_ark) - 1;
            return true;
    }
    return false;
}

// The message of a failing step.
std::string MessageOf(const DuelKind& k, int step) {
    const char* const kMessages[] = {"あなた段位では、このデュエルは行えません",
                                     "デッキが10枚に足りていません",
                                     "デッキがルールに即していません。",
                                     "",
                                     "データが破壊されています",
                                     ""};
    if (step == kCards && k.deck == DeckRule::Random) return "持ちカードが10枚に足りていません";
    if (step == kIcons)
        return k.icons == IconRule::Required
                   ? "このデュエルではアイコンが２つ装備されていなくてはなりません。"
                   : "このデュエルではアイコンは装備してはいけません。";
    if (step == kFee) return k.fee_yen > 0 ? "お金が足りません" : "Arkが足りません";
    return kMessages[step];
}

// Every kind, every check it has, for both buttons: the check fails with its message even when
// every later check fails too, and the untouched player passes.
TEST(RuleDuelChecks, EachKindStopsAtItsFirstFailingCheckInOrder) {
    int rows = 0;
    for (const DuelKind& k : DuelKinds())
        for (const int32_t role : {kRoleApplicant, kRoleReceiver}) {
            EXPECT_EQ(DuelKindRefusal(GameCatalogue(), PassingPlayer(k), k.kind, role, true), "") << k.group;
            for (int step = 0; step < kSteps; ++step) {
                tmy my = PassingPlayer(k);
                bool intact = true;
                if (!Break(my, intact, k, step)) continue;
                for (int later = step + 1; later < kSteps; ++later) Break(my, intact, k, later);
                EXPECT_EQ(DuelKindRefusal(GameCatalogue(), my, k.kind, role, intact), MessageOf(k, step))
                    << k.group << " step " << step << " role " << role;
                ++rows;
            }
        }
    // Per button: 10 ranked kinds, 18 card counts, 9 deck rules, 10 icon rules, 18 data checks, 6 fees.
    EXPECT_EQ(rows, 2 * (10 + 18 + 9 + 10 + 18 + 6));
}

TEST(RuleDuelChecks, CompositionAndEdgeCases) {
    struct Case {
        const char* name;
        int32_t kind;
        int32_t role;
        std::function<void(tmy&)> edit;
        const char* refusal;
    };
    const Case cases[] = {
        {"イージー: two 売 and no 合成", 2, kRoleApplicant,
         [](tmy& my) { my.deck[8] = CardOfClass(13), my.deck[9] = CardOfClass(13); },
         "デッキがルールに即していません。"},
        {"イージー: 合成 stands in for 売", 2, kRoleApplicant, [](tmy& my) { my.deck[9] = CardOfClass(14); },
         ""},
        {"イージー: 上 in place of 楽", 2, kRoleApplicant, [](tmy& my) { my.deck[0] = CardOfClass(3); },
         "デッキがルールに即していません。"},
        {"ランダム: 10 copies, empty deck", 7, kRoleReceiver, [](tmy& my) { my.deck.fill(-1); }, ""},
        {"801: card 234 asks", 9, kRoleApplicant, [](tmy& my) { my.deck[4] = 234; }, ""},
        {"801: card 234 cannot answer", 9, kRoleReceiver, [](tmy& my) { my.deck[4] = 234; },
         "デッキがルールに即していません。"},
        {"801: card 218 answers", 9, kRoleReceiver, [](tmy& my) { my.deck[4] = 218; }, ""},
        {"ＭＡＸ: one icon", 5, kRoleReceiver, [](tmy& my) { my.icon_slot1 = -1; }, ""},
        {"アイコン: icon 0 is worn like any other", 1, kRoleApplicant, [](tmy& my) { my.icon_slot2 = 0; },
         ""},
    };
    for (const Case& c : cases) {
        tmy my = PassingPlayer(*FindDuelKind(c.kind));
        c.edit(my);
        EXPECT_EQ(DuelKindRefusal(GameCatalogue(), my, c.kind, c.role, true), c.refusal) << c.name;
    }
}

// 17 rank points: every field, but not レア, ＭＡＸ or さよなら.
TEST(RuleDuelChecks, SeventeenRankPointsEnterTheFieldsOnly) {
    for (const DuelKind& k : DuelKinds()) {
        tmy my = PassingPlayer(k);
        my.rank_points = 17;
        const bool refused =
            DuelKindRefusal(GameCatalogue(), my, k.kind, kRoleApplicant, true) == kRankRefused;
        EXPECT_EQ(refused, k.kind == 4 || k.kind == 5 || k.kind == 8) << k.group;
    }
}

// Each role of a kind, and a number without a kind (the ordinary duel's texts).
TEST(RuleDuelChecks, PanelTextsCarryTheKindsPhrasesAndTags) {
    struct Case {
        int32_t kind, role;
        const char *caption, *incantation, *answer;
    };
    const Case cases[] = {
        {1, kRoleApplicant, "★アイコンデュエルを申しこむ", "その指を我が手の甲に。(アイコンDUEL)ver6.2t",
         "その瞳を我が唇に。"},
        {18, kRoleReceiver, "★デュエルin【デスフォーユー】を受ける", "ないしょだよ。。。(in精神崩壊)ver6.2t",
         "こころいたい？"},
        {0, kRoleApplicant, "デュエルを申しこむ", "さぁ聞こう、知の囁き！ver6.2t", "星降る天よ、我を誘え。"},
    };
    for (const Case& c : cases) {
        const DuelPanelTexts t = DuelKindTexts(c.kind, c.role, kMainCaption);
        EXPECT_EQ(t.caption, c.caption);
        EXPECT_EQ(t.incantation, c.incantation);
        EXPECT_NE(t.instruction.find(std::string("【") + c.answer + "】"), std::string::npos)
            << t.instruction;
    }
}

}  // namespace
}  // namespace kestra
