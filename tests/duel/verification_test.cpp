#include "duel/verification.h"

#include <gtest/gtest.h>

#include "duel/battle_types.h"
#include "duel/duel_start.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::GameCatalogue;

// Six cards with chosen figures.
DuelRecord SixCards(std::array<std::array<int32_t, 4>, 6> figures) {
    DuelRecord d;
    for (size_t i = 0; i < 6; ++i) {
        tchar& c = d.chara[i + 1];
        c.name = "札" + std::to_string(i);
        c.hp = figures[i][0], c.mp = figures[i][1], c.lv = figures[i][2], c.waza = figures[i][3];
    }
    return d;
}

const std::array<std::array<int32_t, 4>, 6> kFigures = {{{3, 2, 1, 0}, {5, 0, 0, 4}, {1, 1, 9, 0},
                                                          {4, 4, 2, 0}, {2, 3, 0, 11}, {7, 1, 3, 0}}};

TEST(VerificationId, TheWorkedExample) {
    DuelRecord d = SixCards(kFigures);
    d.duel_role = kApplicant, d.my_icon1 = 5, d.my_icon2 = 9;
    ComputeVerificationIds(d);
    const int32_t s = 3 * 3 + 5 * 1 + 1 * 2 + 4 * 5 + 2 * 4 + 7 * 2;
    const int32_t l = (1 + 0) + (0 + 4) + (9 + 0) + (2 + 0) + (0 + 11) + (3 + 0);
    EXPECT_EQ(d.my_id, (15 + s + 14) * 3 + l);
    EXPECT_EQ(d.aite_id, (20 + s - 2) * 4 + l);
}

TEST(VerificationId, KindAdditions) {
    DuelRecord base = SixCards(kFigures);
    ComputeVerificationIds(base);
    const std::pair<int32_t, int32_t> cases[] = {{1, 5}, {2, 2}, {3, 4},  {4, 6},   {5, 7},  {7, 8},
                                                 {8, 8}, {9, 8}, {10, 9}, {13, 12}, {18, 17}};
    for (const auto& [kind, added] : cases) {
        DuelRecord d = SixCards(kFigures);
        d.duel_kind = kind;
        ComputeVerificationIds(d);
        EXPECT_EQ((std::array{d.my_id - base.my_id, d.aite_id - base.aite_id}), (std::array{added, added})) << kind;
    }
}

TEST(VerificationId, SuddenDeathSumsTheReserves) {
    DuelRecord d = SixCards(kFigures);
    d.duel_kind = kSuddenDeath, d.duel_role = kReceiver, d.my_icon1 = 2, d.my_icon2 = 3;
    for (size_t k = 3; k <= 9; ++k) d.my_dekki[k].hp = 1, d.e_dekki[k].mp = 2;
    d.my_dekki[0].hp = 1000;  // the fighting slots count once, through chara
    ComputeVerificationIds(d);
    const int32_t t = (5 + 5 + 2 + 8 + 5 + 8) + 7 * 1 + 7 * 2;
    EXPECT_EQ(d.my_id, 4 * (2 + 3) + 8 + t);
    EXPECT_EQ(d.aite_id, 3 * (-1 + -1) + 6 + t);
}

TEST(IdAccepted, TheSixFormsAndNothingElse) {
    const std::pair<const char*, bool> cases[] = {
        {"1234", true},     {"1234 ", true},           {"1234　", true},  {"検証ＩＤ：1234", true}, {"検証ＩＤ：1234 ", true},
        {"検証ＩＤ：1234　", true}, {" 1234", false},  {"1234  ", false}, {"01234", false},        {"検証ＩＤ:1234", false},
        {"セットID：1234", false}, {"1234\n", false}, {"", false},       {"１２３４", false},     {"12345", false}};
    for (const auto& [text, accepted] : cases) EXPECT_EQ(IdAccepted(text, 1234, kVerifyPrefix), accepted) << text;
    EXPECT_TRUE(IdAccepted("セットID：-7　", -7, kSetIdPrefix));
    EXPECT_FALSE(IdAccepted("検証ＩＤ：-7", -7, kSetIdPrefix));
}

TEST(SetId, Formula) {
    DuelRecord d = SixCards(kFigures);
    d.duel_role = kApplicant;
    ComputeSetIds(d);
    const int32_t s = 4 * 3 + 6 * 1 + 2 * 2 + 5 * 5 + 3 * 4 + 8 * 2;
    EXPECT_EQ(d.my_id, ((9 + s) * 3) * 3);
    EXPECT_EQ(d.aite_id, ((12 + s) * 4) * 4);
}

TEST(BattleType, DrawTable) {
    const std::pair<int32_t, int32_t> cases[] = {
        {0, 1},   {1, 1},   {2, 2},   {3, 2},   {4, 3},   {5, 4},   {7, 5},   {8, 6},   {10, 7},  {12, 8},
        {14, 9},  {16, 10}, {18, 11}, {20, 12}, {22, 13}, {24, 14}, {26, 15}, {28, 16}, {30, 17}, {32, 18},
        {33, 19}, {34, 20}, {36, 21}, {37, 21}, {38, 0},  {169, 0}, {-1, 0}};
    for (const auto& [v, type] : cases) EXPECT_EQ(DrawnBattleType(v), type) << v;
}

TEST(BattleType, ConditionsGiveNoTypeNotTheNext) {
    struct Case { int32_t v; bool four_icons; int32_t kind, applies; };
    const Case cases[] = {
        {0, true, 0, 1},   {0, false, 0, 0},  {0, true, 6, 0},  {4, true, 6, 3},   {4, false, 0, 0},
        {5, false, 0, 4},  {5, false, 6, 0},  {7, true, 0, 5},  {7, true, 6, 0},   {8, false, 6, 0},
        {24, false, 6, 0}, {30, false, 6, 0}, {32, false, 6, 0}, {32, false, 0, 18}, {2, false, 6, 2},
    };
    for (const Case& c : cases) {
        DuelRecord d;
        d.my_id = c.v + 170 * 3, d.aite_id = 170 * 2, d.duel_kind = c.kind;
        if (c.four_icons) d.my_icon1 = d.my_icon2 = d.e_icon1 = d.e_icon2 = 1;
        EXPECT_EQ(ApplicableBattleType(d), c.applies) << c.v << " kind " << c.kind;
    }
}

TEST(FirstPlayer, CountsAndParity) {
    const Catalogue& cat = GameCatalogue();
    // Icons my1 and e1, cards in slot 1 and slot 4.
    struct Case { const char* what; int32_t my1, e1, my_card, e_card, role; bool this_first; };
    // P (HP + MP of the six cards) decides ties: odd for the receiver, even for the applicant.
    const Case cases[] = {
        {"icon 24", 24, -1, 0, 0, kReceiver, true},
        {"icon 24 on the other side", -1, 24, 0, 0, kApplicant, false},
        {"card 189", -1, -1, 189, 0, kReceiver, true},
        {"card 251 opposite", -1, -1, 0, 251, kApplicant, false},
        {"third first-strike card", -1, -1, kThirdFirstStrikeCard, 0, kReceiver, true},
        {"icon 231 beats icon 24", 231, 24, 189, 0, kApplicant, false},
    };
    for (const Case& c : cases) {
        DuelRecord d;
        for (size_t s = 1; s <= 6; ++s) d.chara[s] = test::Card(s == 1 ? c.my_card : s == 4 ? c.e_card : 1);
        d.duel_role = c.role, d.my_icon1 = c.my1, d.e_icon1 = c.e1;
        EXPECT_EQ(ThisSideMovesFirst(d, cat), c.this_first) << c.what;
    }
    DuelRecord tie;
    for (size_t s = 1; s <= 6; ++s) tie.chara[s].name = "x", tie.chara[s].hp = 1;
    tie.chara[1].mp = 0;  // P = 6: even, the applicant moves first
    tie.duel_role = kApplicant;
    EXPECT_TRUE(ThisSideMovesFirst(tie, cat));
    tie.duel_role = kReceiver;
    EXPECT_FALSE(ThisSideMovesFirst(tie, cat));
    tie.chara[1].mp = 1;  // P = 7: odd, the receiver moves first
    EXPECT_TRUE(ThisSideMovesFirst(tie, cat));
}

}  // namespace
}  // namespace kestra
