// Transformations and fusion at the start: each step of IconReshaping with its figures, lines and cues,
// the edges of each step, the authored fusions and hidden identities and their table file.
#include "effects/reshaping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/embedded_content.h"
#include "effects/duel_start_effects.h"
#include "effects/reshape_table.h"
#include "player/cp932.h"
#include "support/effects_cases.h"

namespace kestra {
namespace {
using test::DuelSide;

// The six cards of a duel by catalogue number, orig_no as the duel start sets it; the cards of
// SeatSix when nothing else is asked for (HP 5, MP 3, LV 0).
void Seat(DuelRecord& d, const std::array<int32_t, 6>& cards = {10, 11, 12, 13, 14, 16}) {
    for (size_t i = 1; i <= 6; ++i) {
        d.chara[i] = test::Card(cards[i - 1]);
        d.chara[i].orig_no = cards[i - 1];
        d.chara[i].hp = 5;
        d.chara[i].mp = 3;
    }
}

// Runs the reshaping and returns what it reported.
std::vector<std::string> Reshape(DuelSide& s) {
    StartReport report;
    IconReshaping(s.ctx, report);
    return report.fired;
}

// The rules that could raise HP leave the cards fused away at HP 0, so a side never keeps HP with
// no living card (the simulator found a duel whose last living card fell and whose side was never beaten).
TEST(ReshapeFusion, FusedAwayCardsStayAtZeroHp) {
    const std::array<int32_t, 4> kRaisers[] = {{82, 61, -1, -1}, {82, 211, -1, -1}, {82, 98, -1, -1},
                                               {82, 62, -1, -1}, {82, -1, 199, -1}, {82, 79, -1, 230},
                                               {82, 111, -1, 230}};
    for (const auto& icons : kRaisers) {
        SCOPED_TRACE(std::to_string(icons[1]) + " " + std::to_string(icons[2]) + " " + std::to_string(icons[3]));
        DuelSide s;
        Seat(s.d, {10, 11, 14, 13, 14, 16});
        s.d.chara[3].mp = 9;
        for (size_t i = 4; i <= 6; ++i) s.d.chara[i].hp = 20;
        test::Wear(s.d, icons);
        Reshape(s);
        EXPECT_EQ(s.d.chara[2].name, "死亡");
        EXPECT_EQ(s.d.chara[2].hp, 0);
        EXPECT_EQ(s.d.chara[3].hp, 0);
        EXPECT_GT(s.d.chara[1].hp, 0);
    }
}

// ---- Steps 1 and 8: exchanges ------------------------------------------------------------------

struct ExchangeCase {
    const char* what;
    std::array<int32_t, 4> icons;
    std::array<int32_t, 2> names_from;  // the slots whose starting names slots k and k + 3 end with
    int32_t k;
    int32_t messages;
};

TEST(ReshapeExchange, IconsFiftyNineAndSixtyThree) {
    const ExchangeCase cases[] = {
        {"local 59", {59, -1, -1, -1}, {4, 1}, 1, 1},
        {"opponent 59", {-1, -1, 59, -1}, {4, 1}, 1, 1},
        {"both wear 59: back as they were", {59, -1, -1, 59}, {1, 4}, 1, 2},
        {"opponent 81 holds off the local 59", {-1, 59, 81, -1}, {1, 4}, 1, 0},
        {"local 81 holds off the opponent's 59", {81, -1, 59, -1}, {1, 4}, 1, 0},
        {"local 63 exchanges the second cards", {63, -1, -1, -1}, {5, 2}, 2, 1},
    };
    for (const ExchangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d);
        s.d.chara[static_cast<size_t>(c.k)].status1 = 3;
        s.d.chara[static_cast<size_t>(c.k)].rarity = 12;
        s.d.chara[static_cast<size_t>(c.k)].waza = 7;
        test::Wear(s.d, c.icons);
        const DuelRecord before = s.d;
        const std::vector<std::string> fired = Reshape(s);
        const size_t k = static_cast<size_t>(c.k);
        const tchar &a = s.d.chara[k], &b = s.d.chara[k + 3];
        const tchar &a_from = before.chara[static_cast<size_t>(c.names_from[0])],
                    &b_from = before.chara[static_cast<size_t>(c.names_from[1])];
        for (const auto& [now, from] : {std::pair{&a, &a_from}, std::pair{&b, &b_from}})
            EXPECT_EQ(std::tie(now->name, now->orig_no, now->status1, now->element, now->rarity),
                      std::tie(from->name, from->orig_no, from->status1, from->element, from->rarity));
        EXPECT_EQ(a.card_no, before.chara[k].card_no) << "card_no stays";
        EXPECT_EQ(a.waza, 7) << "waza stays";
        EXPECT_EQ(static_cast<int32_t>(fired.size()), c.messages);
        EXPECT_EQ(static_cast<int32_t>(s.screen.Messages().size()), c.messages);
        EXPECT_EQ(static_cast<int32_t>(s.screen.Lines("se0: do.wav").size()), c.messages);
        if (c.messages == 0) continue;
        const std::string &first = before.chara[k].name, &second = before.chara[k + 3].name;
        EXPECT_EQ(s.screen.Messages()[0], "なんと" + first + "と、相手の" + second + "が入れ替わってしまった！");
        if (c.messages == 2) {  // the second exchange names the cards as the first left them
            EXPECT_EQ(s.screen.Messages()[1], "なんと" + second + "と、相手の" + first + "が入れ替わってしまった！");
        }
    }
}

// Step 8, icon 219: worn by either side (the mend), held off by the other side's 81.
TEST(ReshapeExchange, IconTwoNineteenWornByEitherSide) {
    struct Case {
        const char* what;
        std::array<int32_t, 4> icons;
        bool exchanged;
        const char* first_line;
    };
    const Case cases[] = {
        {"local 219", {219, -1, -1, -1}, true, "なんと旅の行商人と、相手の鍛冶場の親方ステータスが入れ替わってしまった！"},
        {"opponent 219", {-1, -1, -1, 219}, true, "なんと相手の鍛冶場の親方と、旅の行商人ステータスが入れ替わってしまった！"},
        {"both wear 219: back again", {219, -1, 219, -1}, false, "なんと旅の行商人と、相手の鍛冶場の親方ステータスが入れ替わってしまった！"},
        {"opponent 81", {219, -1, 81, -1}, false, nullptr},
        {"local 81", {-1, 81, 219, -1}, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d);
        for (size_t i = 1; i <= 6; ++i) s.d.chara[i].status1 = static_cast<int32_t>(i);
        test::Wear(s.d, c.icons);
        Reshape(s);
        for (size_t i = 1; i <= 3; ++i) {
            EXPECT_EQ(s.d.chara[i].status1, static_cast<int32_t>(c.exchanged ? i + 3 : i));
            EXPECT_EQ(s.d.chara[i + 3].status1, static_cast<int32_t>(c.exchanged ? i : i + 3));
        }
        if (!c.first_line) {
            EXPECT_TRUE(s.screen.Messages().empty());
            continue;
        }
        ASSERT_FALSE(s.screen.Messages().empty());
        EXPECT_EQ(s.screen.Messages()[0], c.first_line);
        EXPECT_EQ(s.screen.Lines("se0: do.wav").size(), s.screen.Messages().size());
    }
}

// ---- Steps 2 and 3: the floor at zero and icon 82 ----------------------------------------------

TEST(ReshapeFusion, IconEightyTwoForEitherSideUnlessSeventyFour) {
    struct Case {
        const char* what;
        std::array<int32_t, 4> icons;
        int32_t first;  // 0: nothing fuses
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"local 82", {82, -1, -1, -1}, 1, {"３体の輪郭がぼやける....", "旅の行商人達が融合した！！"}},
        {"opponent 82", {-1, -1, -1, 82}, 4, {"相手の３体の輪郭がぼやける....", "鍛冶場の親方達が融合した！！"}},
        {"opponent 74 blocks the local 82", {82, -1, 74, -1}, 0, {}},
        {"local 74 blocks the opponent's 82", {-1, 74, 82, -1}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d);
        s.d.chara[2].hp = -4;  // step 2 first lifts it to 0
        s.d.chara[5].hp = -4;
        s.d.chara[3].mp = 6;
        s.d.chara[6].mp = 6;
        test::Wear(s.d, c.icons);
        const std::vector<std::string> fired = Reshape(s);
        EXPECT_EQ(s.screen.Messages(), c.lines);
        EXPECT_EQ(s.d.chara[2].hp, 0);
        if (c.first == 0) {
            EXPECT_TRUE(s.screen.transcript.empty());
            EXPECT_EQ(std::count(fired.begin(), fired.end(), "fusion82"), 0);
            continue;
        }
        const size_t f = static_cast<size_t>(c.first);
        EXPECT_EQ(s.d.chara[f].hp, 5 + 0 + 5 + 8);
        EXPECT_EQ(s.d.chara[f].mp, 3 + 3 + 6 + 8);
        for (const size_t dead : {f + 1, f + 2}) {
            EXPECT_EQ(s.d.chara[dead].name, "死亡");
            EXPECT_EQ(s.d.chara[dead].hp, 0);
        }
        EXPECT_EQ(std::count(fired.begin(), fired.end(), "fusion82"), 1);
    }
}

// ---- Step 4: triple fusions --------------------------------------------------------------------

// The figures the game fixes for each triple fusion, in the order they are tried.
struct TripleCase {
    int32_t card, icon, hp, mp, good;
};
constexpr TripleCase kTriples[] = {{62, -1, 10, 25, 8}, {52, -1, 25, 8, 5},  {0, 99, 15, 0, 4},
                                   {19, 100, 17, 10, 3}, {9, 101, 18, 1, 6},  {48, 102, 22, 6, 5},
                                   {27, 104, 20, 1, 2},  {20, 103, 18, 8, 1}, {14, 105, 22, 13, 8}};

TEST(ReshapeTripleFusion, EachFusionForEitherSide) {
    for (const TripleCase& t : kTriples)
        for (const bool local : {true, false}) {
            SCOPED_TRACE("card " + std::to_string(t.card) + (local ? " local" : " opponent"));
            DuelSide s;
            const int32_t n = t.card;
            Seat(s.d, local ? std::array<int32_t, 6>{n, n, n, 13, 14, 16} : std::array<int32_t, 6>{10, 11, 12, n, n, n});
            if (t.icon >= 0) (local ? s.d.my_icon2 : s.d.e_icon1) = t.icon;
            const size_t f = local ? 1 : 4;
            const std::string old_name = s.d.chara[f].name;
            const std::vector<std::string> fired = Reshape(s);
            const auto& all = EmbeddedReshapeTable().fusions;
            const auto row = std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.card == n; });
            ASSERT_NE(row, all.end());
            const tchar& c = s.d.chara[f];
            EXPECT_EQ(std::tie(c.name, c.hp, c.mp, c.status2), std::tie(row->becomes.name, t.hp, t.mp, t.good));
            EXPECT_EQ(s.d.chara[f + 1].name, "死亡");
            EXPECT_EQ(s.d.chara[f + 2].hp, 0);
            EXPECT_EQ(s.screen.Messages(),
                      (std::vector<std::string>{old_name + "達が融合する....", row->becomes.name + "が現れた....!!"}));
            EXPECT_EQ(fired, std::vector<std::string>{"triple" + std::to_string(n)});
        }
}

TEST(ReshapeTripleFusion, NeedsTheKeyAndAllThreeAndNoSeventyFourAcross) {
    struct Case {
        const char* what;
        std::array<int32_t, 6> cards;
        std::array<int32_t, 4> icons;
        bool fuses;
    };
    const Case cases[] = {
        {"card 0 without icon 99", {0, 0, 0, 13, 14, 16}, {-1, -1, -1, -1}, false},
        {"icon 99 worn by the other side", {0, 0, 0, 13, 14, 16}, {-1, -1, 99, -1}, false},
        {"two of three", {62, 62, 61, 13, 14, 16}, {-1, -1, -1, -1}, false},
        {"the other side's 74", {62, 62, 62, 13, 14, 16}, {-1, -1, -1, 74}, false},
        {"the side's own 74 does not block", {62, 62, 62, 13, 14, 16}, {74, -1, -1, -1}, true},
        {"card 0 with icon 99 in the second slot", {0, 0, 0, 13, 14, 16}, {-1, 99, -1, -1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d, c.cards);
        test::Wear(s.d, c.icons);
        Reshape(s);
        EXPECT_EQ(s.d.chara[2].name == "死亡", c.fuses);
    }
}

// ---- Step 5: hidden identities -----------------------------------------------------------------

TEST(ReshapeIdentity, EachCardUnderItsCondition) {
    // The s values (my_id + aite_id mod 3) that reveal each card: 111 and 112 as the game fixes them.
    const std::vector<std::pair<int32_t, std::set<int32_t>>> conditions = {
        {111, {1, 2}}, {112, {0, 2}}, {113, {0}},    {114, {1}}, {115, {2}},
        {116, {0, 1}}, {117, {1}},    {118, {2}},    {119, {0}}};
    for (const auto& [card, reveal] : conditions)
        for (int32_t s_value = 0; s_value < 3; ++s_value)
            for (const bool local : {true, false}) {
                SCOPED_TRACE("card " + std::to_string(card) + " s " + std::to_string(s_value) +
                             (local ? " local" : " opponent"));
                DuelSide s;
                Seat(s.d, local ? std::array<int32_t, 6>{10, card, 12, 13, 14, 16}
                                : std::array<int32_t, 6>{10, 11, 12, 13, 14, card});
                s.d.my_id = 40 + s_value;
                s.d.aite_id = 3 * 1000;
                (local ? s.d.my_icon1 : s.d.e_icon2) = 221;
                const size_t slot = local ? 2 : 6;
                const std::string before = s.d.chara[slot].name;
                const std::vector<std::string> fired = Reshape(s);
                const bool shown = reveal.count((40 + s_value) % 3) > 0;
                const auto& ids = EmbeddedReshapeTable().identities;
                const auto row = std::find_if(ids.begin(), ids.end(), [&](const auto& h) { return h.card == card; });
                ASSERT_NE(row, ids.end());
                if (!shown) {
                    EXPECT_EQ(s.d.chara[slot].name, before);
                    EXPECT_TRUE(fired.empty());
                    continue;
                }
                const tchar& c = s.d.chara[slot];
                EXPECT_EQ(std::tie(c.name, c.hp, c.mp, c.status2),
                          std::tie(row->becomes.name, row->becomes.hp, row->becomes.mp, row->becomes.good));
                EXPECT_EQ(s.screen.Messages(), std::vector<std::string>{row->becomes.name + "が正体をあらわした....!!"});
                EXPECT_EQ(fired, std::vector<std::string>{"identity" + std::to_string(card)});
            }
}

// Either side's 221 shows its own three cards and never the other side's first card.
TEST(ReshapeIdentity, OnlyTheWearersCards) {
    for (const bool local : {true, false}) {
        DuelSide s;
        Seat(s.d, {111, 11, 12, 111, 14, 16});
        s.d.my_id = 1;
        (local ? s.d.my_icon1 : s.d.e_icon1) = 221;
        Reshape(s);
        EXPECT_EQ(s.d.chara[local ? 4 : 1].name, "旅の老人") << local;
        EXPECT_NE(s.d.chara[local ? 1 : 4].name, "旅の老人") << local;
    }
}

// ---- Steps 6, 7 and 9 to 15: figures and statuses -----------------------------------------------

TEST(ReshapeFigures, OneCasePerIcon) {
    using test::After;
    struct Case {
        const char* what;
        std::array<int32_t, 4> icons;
        std::vector<After> after;  // slot, hp, mp, lv, status1, status2
        const char* rule;
    };
    // Slots: 1 旅の行商人 <無> LV 0, 2 朝告げ鳥 <光> LV 3, 3 夜鳴き梟 <闇> LV 6, 4 鍛冶場の親方 <火>
    // LV 9, 5 雨乞いの巫女 <水> LV 1 (class 3), 6 宵闇の幻影 class 9; HP 5+slot, MP 3.
    const Case cases[] = {
        {"212 anywhere: <火> gets a bomb", {-1, -1, -1, 212}, {{4, 9, 3, 9, 9, 0}, {1, 6, 3, 0, 0, 0}}, "icon212"},
        {"213: LV 1..4 confusion, 5..9 betrayal", {213, -1, -1, -1},
         {{1, 6, 3, 0, 0, 0}, {2, 7, 3, 3, 7, 0}, {3, 8, 3, 6, 16, 0}, {4, 9, 3, 9, 16, 0}, {5, 10, 3, 1, 7, 0}}, "icon213"},
        {"61: the wearer's cards exchange HP and MP", {-1, -1, 61, 61},
         {{1, 6, 3, 0, 0, 0}, {4, 3, 9, 9, 0, 0}, {6, 3, 11, 4, 0, 0}}, "icon61"},
        {"211 anywhere: <水> HP = MP", {-1, 211, -1, -1}, {{5, 3, 3, 1, 0, 0}, {4, 9, 3, 9, 0, 0}}, "icon211"},
        {"88: HP into MP", {88, -1, -1, -1}, {{1, 0, 9, 0, 0, 0}, {3, 0, 11, 6, 0, 0}, {4, 9, 3, 9, 0, 0}}, "icon88"},
        {"95: the wearer's HP 0", {-1, -1, 95, -1}, {{4, 0, 3, 9, 0, 0}, {1, 6, 3, 0, 0, 0}}, "icon95"},
        {"62 anywhere: every HP 3", {-1, -1, -1, 62}, {{1, 3, 3, 0, 0, 0}, {6, 3, 3, 4, 0, 0}}, "icon62"},
        {"223 anywhere: class 8, 9, 15, 16, 17 halved", {223, -1, -1, -1}, {{6, 5, 1, 2, 0, 0}, {5, 10, 3, 1, 0, 0}},
         "icon223"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d, {10, 11, 12, 13, 14, 72});
        const std::array<int32_t, 7> lv = {0, 0, 3, 6, 9, 1, 4};
        for (size_t i = 1; i <= 6; ++i) {
            s.d.chara[i].hp = 5 + static_cast<int32_t>(i);
            s.d.chara[i].lv = lv[i];
        }
        test::Wear(s.d, c.icons);
        const std::vector<std::string> fired = Reshape(s);
        test::ExpectAfter(s.d, c.after);
        EXPECT_NE(std::find(fired.begin(), fired.end(), c.rule), fired.end());
        EXPECT_TRUE(s.screen.transcript.empty()) << "these rules show nothing";
    }
}

// Icon 98: HP = ((card_no + facing card_no) x 3 x role) mod 10, the wearer's role.
TEST(ReshapeFigures, IconNinetyEightByTheWearersRole) {
    struct Case {
        int32_t role;
        std::array<int32_t, 4> icons;
        size_t slot;
        int32_t hp;
    };
    // Slot 1 card 10 faces card 13: (23 x 3 x r) mod 10: applicant r = 3 -> 7; receiver 4 -> 6.
    const Case cases[] = {{kApplicant, {98, -1, -1, -1}, 1, 7},
                          {kReceiver, {98, -1, -1, -1}, 1, 6},
                          {kApplicant, {-1, -1, 98, -1}, 4, 6},
                          {kReceiver, {-1, -1, -1, 98}, 4, 7}};
    for (const Case& c : cases) {
        DuelSide s;
        Seat(s.d);
        s.d.duel_role = c.role;
        test::Wear(s.d, c.icons);
        Reshape(s);
        EXPECT_EQ(s.d.chara[c.slot].hp, c.hp) << c.role << " slot " << c.slot;
        EXPECT_EQ(s.d.chara[c.slot == 1 ? 4 : 1].hp, 5) << "the other side keeps its HP";
    }
}

// ---- Steps 16 to 18: ＣＨＡＯＳ, ＬＯＷ, icon 199 ------------------------------------------------

// A case on HP alone: the four worn icons, the six HP before and after, the lines shown.
struct HpCase {
    const char* what;
    std::array<int32_t, 4> icons;
    std::array<int32_t, 6> hp_before, hp_after;
    std::vector<std::string> lines;
};

// Seats the cards with the case's HP, wears its icons, reshapes and checks the HP and the lines;
// returns the rules that acted.
std::vector<std::string> ExpectHpCase(DuelSide& s, const HpCase& c) {
    Seat(s.d);
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i].hp = c.hp_before[i - 1];
    test::Wear(s.d, c.icons);
    const std::vector<std::string> fired = Reshape(s);
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(s.d.chara[i].hp, c.hp_after[i - 1]) << "slot " << i;
    EXPECT_EQ(s.screen.Messages(), c.lines);
    return fired;
}

TEST(ReshapeHpSwings, ChaosLowAndTheMirrorOfHp) {
    using Case = HpCase;
    const std::string chaos = "ICON＞ＣＨＡＯＳが発動した!!\nHP x2", low = "ICON＞ＬＯＷが発動した!!\nHP 1/2";
    const Case cases[] = {
        {"ＣＨＡＯＳ: 5 gives 10, 6 untouched", {111, -1, -1, -1}, {5, 6, 7, 8, 9, 12}, {10, 6, 7, 8, 9, 12}, {chaos}},
        {"ＬＯＷ: 11 gives 5, 9 untouched", {-1, -1, 110, -1}, {11, 9, 7, 8, 9, 10}, {5, 9, 7, 8, 9, 5}, {low, low}},
        {"ＣＨＡＯＳ then ＬＯＷ: 5 becomes 10 then 5", {-1, 111, -1, 110}, {5, 6, 7, 8, 9, 12}, {5, 6, 7, 8, 9, 6},
         {chaos, low, low}},
        {"199 local: slot k takes slot k+3's HP - 1, below 1 is 0", {199, -1, -1, -1}, {5, 6, 7, 1, 9, 12},
         {0, 8, 11, 1, 9, 12}, {}},
        {"199 both: from the HP before the step", {199, -1, 199, -1}, {5, 6, 7, 1, 9, 12}, {0, 8, 11, 4, 5, 6}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        ExpectHpCase(s, c);
        EXPECT_EQ(s.screen.clicks, static_cast<int>(c.lines.size()));
    }
}

// ---- Step 19: full house -----------------------------------------------------------------------

TEST(ReshapeFullHouse, SumsTakenOnceForTheFourChecks) {
    using Case = HpCase;
    const std::string local1 = "ICON1＞HP差10以上につき、フルハウスが発動した!!",
                      local2 = "ICON2＞HP差10以上につき、フルハウスが発動した!!",
                      theirs1 = "ICON1＞HP差10以上につき、相手のフルハウスが発動した!!",
                      theirs2 = "ICON2＞HP差10以上につき、相手のフルハウスが発動した!!";
    const Case cases[] = {
        {"79 in both local slots adds 14", {79, 79, -1, -1}, {1, 1, 1, 5, 5, 3}, {15, 15, 15, 5, 5, 3},
         {local1, "あなたの３体＞HP+7", local2, "あなたの３体＞HP+7"}},
        {"a lead of 9 is not enough", {79, -1, -1, -1}, {1, 1, 1, 5, 5, 2}, {1, 1, 1, 5, 5, 2}, {}},
        {"the opponent's second icon", {-1, -1, -1, 79}, {5, 5, 3, 1, 1, 1}, {5, 5, 3, 8, 8, 8},
         {theirs2, "相手の３体＞HP+7"}},
        {"both sides wear it: only the trailing side", {79, -1, 79, -1}, {5, 5, 3, 1, 1, 1}, {5, 5, 3, 8, 8, 8},
         {theirs1, "相手の３体＞HP+7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        const std::vector<std::string> fired = ExpectHpCase(s, c);
        EXPECT_EQ(std::count(fired.begin(), fired.end(), "fullhouse79"), static_cast<long>(c.lines.size() / 2));
    }
}

// ---- Steps 20 and 21: icons 230 and 251 --------------------------------------------------------

TEST(ReshapeClosing, IconTwoThirtyPerSlotAndTwoFiftyOneByRarity) {
    DuelSide s;
    Seat(s.d, {10, 11, 12, 13, 14, 72});
    s.d.chara[6].hp = 9;  // class 9: 9 + 10 = 19 -> 19 - 9 = 10
    s.d.chara[6].mp = 5;  // 5 -> 3 (the larger half stays)
    test::Wear(s.d, {230, -1, 230, 251});
    const std::vector<std::string> fired = Reshape(s);
    EXPECT_EQ(s.d.chara[1].hp, 15);
    EXPECT_EQ(s.d.chara[6].hp, 10);
    EXPECT_EQ(s.d.chara[6].mp, 3);
    EXPECT_EQ(s.d.chara[5].mp, 3) << "class 3 is left alone";
    EXPECT_EQ(s.screen.Cues(), std::vector<std::string>{"flash fuchsia 6"});
    EXPECT_EQ(s.screen.Messages(), std::vector<std::string>{"宵闇の幻影はHP,MPが半減!!"});
    EXPECT_EQ(std::count(fired.begin(), fired.end(), "icon230"), 2);
    EXPECT_EQ(std::count(fired.begin(), fired.end(), "icon251"), 1);
}

// ---- Names, content, mirror ---------------------------------------------------------------------

TEST(ReshapeContent, TheAuthoredTable) {
    const ReshapeTable& t = EmbeddedReshapeTable();
    std::set<std::string> names, pictures;
    for (const HiddenIdentity& h : t.identities) names.insert(h.becomes.name);
    for (const TripleFusion& f : t.fusions) names.insert(f.becomes.name);
    EXPECT_EQ(names.size(), 18u) << "every name its own";
    const std::filesystem::path game(KESTRA_TEST_GAME_DIR);
    auto check = [&](const ReshapedCard& c) {
        EXPECT_TRUE(Utf8ToCp932(c.name).has_value()) << c.name;
        EXPECT_TRUE(std::filesystem::is_regular_file(game / c.picture)) << c.picture;
        EXPECT_TRUE(pictures.insert(c.picture).second) << c.picture << " twice";
        for (int32_t n = 0; n < kCardRows; ++n)
            EXPECT_NE(test::GameCatalogue().card[static_cast<size_t>(n)].name, c.name) << "a catalogue card's name";
    };
    for (const TripleFusion& f : t.fusions) check(f.becomes);
    for (const HiddenIdentity& h : t.identities) check(h.becomes);
}

TEST(ReshapeContent, FaultyRowsAreNamed) {
    const std::string head = "kind\tcard\tneeds\tname\thp\tmp\tgood\tpicture\tfigure\tglow\n";
    const std::pair<const char*, const char*> bad[] = {
        {"fusion\t0\t99\tA\t1000\t1\t1\tcg/a.bmp\tperson\tred", "bad hp or mp"},
        {"fusion\t0\t99\tA\t999\t-1\t1\tcg/a.bmp\tperson\tred", "bad hp or mp"},
        {"fusion\t0\t99\tA\t1\t1\t14\tcg/a.bmp\tperson\tred", "good status is 1..13"},
        {"identity\t120\t0\tA\t1\t1\t1\tcg/a.bmp\tperson\tred", "identity card is 111..119"},
        {"identity\t111\t3\tA\t1\t1\t1\tcg/a.bmp\tperson\tred", "needs lists s values 0..2"},
        {"fusion\t0\tx\tA\t1\t1\t1\tcg/a.bmp\tperson\tred", "needs is an icon number or -"},
        {"fusion\t0\t-\tA\t1\t1\t1\ta.png\tperson\tred", "picture is cg/*.bmp"},
        {"change\t0\t-\tA\t1\t1\t1\tcg/a.bmp\tperson\tred", "kind is fusion or identity"},
    };
    for (const auto& [row, fault] : bad)
        EXPECT_EQ(ParseReshapeTable(head + row + "\n").error, std::string("reshapings.tsv line 2: ") + fault);
    EXPECT_EQ(ParseReshapeTable(head + "fusion\t0\t-\tA\t1\t1\t1\tcg/a.bmp\t-\t-\n").error, "");
    EXPECT_EQ(IdentityTurn(-1, 0), 2);
    EXPECT_EQ(IdentityTurn(2147483647, 2147483647), static_cast<int32_t>((2LL * 2147483647) % 3));
}

}  // namespace
}  // namespace kestra
