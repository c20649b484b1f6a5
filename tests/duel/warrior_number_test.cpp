#include "duel/warrior_number.h"

#include "duel/opening.h"

#include <gtest/gtest.h>

#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::GameCatalogue;

// A record whose own side holds the given cards and icons.
DuelRecord Own(std::array<tchar, 3> cards, int32_t icon1, int32_t icon2, int32_t role = kApplicant) {
    DuelRecord d;
    for (size_t k = 0; k < 3; ++k) d.chara[1 + k] = cards[k];
    d.my_icon1 = icon1, d.my_icon2 = icon2, d.duel_role = role;
    return d;
}

TEST(WarriorNumber, DigitsOfKnownSides) {
    struct Case { std::array<tchar, 3> cards; int32_t icon1, icon2; const char* digits; };
    const Case cases[] = {
        {{Card(7, 3, 5), Card(120, 9, 31), Card(0)}, -1, -1, "007305120931000000999999"},
        {{Card(326, 0, 36), Card(1, 1, 1), Card(99, 2, 0)}, 0, 280, "326036001101099200000280"},
        {{Card(5), Card(10), Card(15)}, 213, -1, "005000010000015000213999"},
    };
    for (const Case& c : cases) EXPECT_EQ(WarriorDigits(Own(c.cards, c.icon1, c.icon2)), c.digits);
}

TEST(WarriorNumber, PrefixByRole) {
    const auto cards = std::array<tchar, 3>{Card(1), Card(2), Card(3)};
    EXPECT_EQ(WarriorNumberText(Own(cards, -1, -1, kApplicant)) + WarriorNumberText(Own(cards, -1, -1, kReceiver)),
              "申込＞戦士No.001000002000003000999999受け＞戦士No.001000002000003000999999");
}

TEST(WarriorNumber, SuddenDeathCarriesTheWholeDeck) {
    DuelRecord d;
    d.duel_kind = kSuddenDeath;
    for (int k = 0; k < 10; ++k) d.my_dekki[static_cast<size_t>(k)] = Card(10 + k, k % 10, k);
    d.my_icon1 = 4, d.my_icon2 = -1;
    const std::string digits = WarriorDigits(d);
    ASSERT_EQ(digits.size(), 66u);
    EXPECT_EQ(digits.substr(0, 6) + digits.substr(54), "010000019909004999");
    const auto side = DecodeWarriorNumber(digits, kSuddenDeath, GameCatalogue());
    ASSERT_TRUE(side);
    for (size_t k = 0; k < 10; ++k) EXPECT_EQ(side->deck[k].card_no, static_cast<int32_t>(10 + k));
    EXPECT_EQ((std::array{side->fighters[2].card_no, side->icon1, side->icon2}), (std::array{12, 4, -1}));
}

// Players paste the whole line the other program shows; it reads as its digits do.
TEST(WarriorNumber, DecodesWhatWasEncodedInEveryPastedForm) {
    const DuelRecord d = Own({Card(7, 3, 5), Card(120, 9, 31), Card(234, 6, 0)}, 5, -1);
    const std::string n = WarriorDigits(d);
    for (const std::string& text :
         {n, "戦士No." + n, n + "xyz", "申込＞戦士No." + n, " " + n + "\r\n", "\t受け＞戦士No." + n + " "}) {
        const auto side = DecodeWarriorNumber(text, 0, GameCatalogue());
        ASSERT_TRUE(side) << text;
        EXPECT_EQ(side->fighters[0], [] { tchar c = Card(7, 3, 5); c.orig_no = 7; return c; }());
        // "999" is no icon, not icon 999.
        EXPECT_EQ((std::array{side->fighters[1].hp, side->fighters[2].lv, side->fighters[2].element, side->icon1, side->icon2}),
                  (std::array{GameCatalogue().card[120].hp + 3, 6, 234 % 5, 5, -1}));
    }
}

// Anything but plain digits naming real rows is refused as a whole.
TEST(WarriorNumber, RefusesBadPastes) {
    // The shown line one digit short, two role marks, the marks in the wrong order, full-width digits, card 400
    // (none), card 330 (an empty row), icon 356 (outside the catalogue).
    const char* bad[] = {"", "申込＞戦士No.00730512093100000099999", "申込＞受け＞戦士No.007305120931000000999999",
                         "戦士No.申込＞007305120931000000999999", "00730512093100000099999",
                         "００７３０５１２０９３１００００００９９９９９９", "+07305120931000000999999",
                         "-07305120931000000999999", "007305120931000000999 99", "abc305120931000000999999",
                         "400305120931000000999999", "330305120931000000999999", "007305120931000000356999",
                         "\xff\xfe\x00\x01"};
    for (const char* text : bad) EXPECT_FALSE(DecodeWarriorNumber(text, 0, GameCatalogue())) << text;
}

// A saved level of 10 fights as 9: the number keeps one digit per card level and both programs
// build the same card from it; the save keeps its 10.
TEST(WarriorNumber, ALevelOfTenTravelsAsNine) {
    test::DuelSide s;
    s.my.deck = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    for (const int32_t card : s.my.deck) s.my.card_level[static_cast<size_t>(card)] = 10;
    DrawFightingCards(s.ctx);
    const std::string digits = WarriorDigits(s.d);
    ASSERT_EQ(digits.size(), 24u);
    const auto read = DecodeWarriorNumber(digits, 0, GameCatalogue());
    ASSERT_TRUE(read);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(digits[6 * k + 3], '9');
        EXPECT_EQ(read->fighters[k], s.d.chara[k + 1]);  // the opponent builds exactly this card
        EXPECT_EQ(s.d.chara[k + 1].lv, 9);
    }
    EXPECT_EQ(s.my.card_level[7], 10);
}

}  // namespace
}  // namespace kestra
