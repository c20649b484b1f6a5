#include "effects/icon_openings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "effects/statuses.h"
#include "support/effects_cases.h"

namespace kestra {
namespace {

using namespace status;
using test::After;
using test::Card;
using test::DuelSide;
using test::ExpectAfter;
using test::kBare;
using test::SeatSix;
using test::Wear;

// ---- Step 5: transplanted techniques ----

TEST(TransplantedOpenings, EachTechniqueOnSlotFive) {
    struct Case {
        int32_t waza;
        After slot5, slot2;  // figures after (SeatSix: HP 5, MP 3, LV 0, no status)
    };
    const std::vector<Case> cases = {
        {19, {5, 5, 3, 0, 0, kGoodStrengthened}, {2, 5, 3, 0, 0, 0}},
        {20, {5, 5, 3, 0, kBadContract, 0}, {2, 5, 3, 0, 0, 0}},
        {21, {5, 5, 3, 0, kBadWeakened, kGoodHealing}, {2, 5, 3, 0, 0, 0}},
        {22, {5, 5, 3, 0, kBadConfusion, kGoodShield}, {2, 5, 3, 0, 0, 0}},
        {24, {5, 15, 3, 0, kBadSuspended, 0}, {2, 5, 3, 0, 0, 0}},
        {25, {5, 1, 1, 0, 0, kGoodDivinity}, {2, 5, 3, 0, 0, 0}},
        {26, {5, 5, 3, 0, kBadBetrayal, 0}, {2, 5, 3, 0, kBadBetrayal, 0}},
        {27, {5, 0, 13, 0, 0, 0}, {2, 5, 3, 0, 0, 0}},
        {28, {5, 10, 8, 0, kBadTime1, 0}, {2, 5, 3, 0, 0, 0}},
        {29, {5, 5, 3, 0, kBadJail, 0}, {2, 5, 3, 0, kBadJail, 0}},
        {32, {5, 5, 3, 5, 0, 0}, {2, 5, 3, 0, 0, 0}},
        {36, {5, 6, 4, 0, 0, 0}, {2, 5, 3, 0, 0, 0}},
        {23, {5, 5, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}},  // no opening effect
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.waza);
        DuelSide s;
        SeatSix(s.d);
        s.d.chara[5].waza = c.waza;
        StartReport r;
        TransplantedOpenings(s.ctx, r);
        ExpectAfter(s.d, {c.slot5, c.slot2});
        EXPECT_EQ(r.fired, c.waza == 23 ? std::vector<std::string>{}
                                        : std::vector<std::string>{"tech" + std::to_string(c.waza)});
        EXPECT_TRUE(s.screen.transcript.empty());
    }
}

// Each card's own effect comes first, then the facing cards of 26 and 29, on both programs alike.
TEST(TransplantedOpenings, FacingEffectsComeLast) {
    DuelSide s;
    SeatSix(s.d);
    s.d.chara[1].waza = 20;  // contract on itself...
    s.d.chara[4].waza = 26;  // ...then betrayal from the facing card
    s.d.chara[3].waza = 29;
    s.d.chara[6].waza = 26;  // slot 3 gets betrayal, slot 6 jail
    StartReport r;
    TransplantedOpenings(s.ctx, r);
    EXPECT_EQ((std::array{s.d.chara[1].status1, s.d.chara[3].status1, s.d.chara[4].status1, s.d.chara[6].status1}),
              (std::array{kBadBetrayal, kBadBetrayal, kBadBetrayal, kBadJail}));
}

// ---- Step 6: darkness icons ----

TEST(DarknessIcons, RemovalsAndLines) {
    struct Case {
        const char* name;
        std::array<int32_t, 4> icons;
        int32_t local_card, opponent_card;  // -1 keeps the seat, else a card for slot 1 / slot 4
        std::array<int32_t, 4> after;
        std::vector<std::string> lines;
        std::vector<std::string> fired;
    };
    const std::vector<Case> cases = {
        {"left hand", {56, -1, 10, 11}, -1, -1, {56, -1, -1, 11}, {"相手のアイコン1を解除させた！"}, {"darkness56"}},
        {"right hand", {57, -1, 10, 11}, -1, -1, {57, -1, 10, -1}, {"相手のアイコン2を解除させた！"}, {"darkness57"}},
        {"wedge and protector", {56, 57, 81, 146}, -1, -1, {56, 57, 81, 146}, {}, {}},
        {"both hands", {231, -1, 81, 146}, -1, -1, {231, -1, -1, -1}, {"相手のアイコン1,2を解除させた！"},
         {"darkness231"}},
        {"just removed still counts", {56, 10, 56, 11}, -1, -1, {-1, 10, -1, 11},
         {"相手のアイコン1を解除させた！", "アイコン1を解除させられた！"}, {"darkness56", "darkness56"}},
        {"opponent's hands", {10, 11, 57, 231}, -1, -1, {-1, -1, 57, 231}, {"アイコン1,2を解除させられた！"},
         {"darkness57", "darkness231"}},
        {"dawn bell", {78, 10, 56, 231}, -1, -1, {78, 10, -1, -1}, {"相手のアイコン1,2を解除させた！"}, {"icon78"}},
        {"card 274 here", {-1, -1, 10, 11}, 274, -1, {-1, -1, -1, 11}, {"相手のアイコン1を解除させた！"}, {"card274"}},
        {"card 274 there", {10, 11, -1, -1}, -1, 274, {-1, 11, -1, -1}, {"アイコン1を解除させられた！"}, {"card274"}},
        {"274 eats a 56 that bites back", {81, -1, 56, -1}, 274, -1, {-1, -1, -1, -1},
         {"相手のアイコン1を解除させた！", "アイコン1を解除させられた！"}, {"card274"}},
        {"claw", {240, 10, 11, 146}, -1, -1, {240, 10, 11, -1}, {"相手のアイコン2を解除させた！"}, {"icon240"}},
        {"claw against claw", {10, 240, 11, 240}, -1, -1, {10, -1, 11, -1},
         {"相手のアイコン2を解除させた！", "アイコン2を解除させられた！"}, {"icon240", "icon240"}},
        {"nothing to lift", {56, 231, -1, -1}, -1, -1, {56, 231, -1, -1}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DuelSide s;
        SeatSix(s.d);
        if (c.local_card >= 0) s.d.chara[1] = Card(c.local_card);
        if (c.opponent_card >= 0) s.d.chara[4] = Card(c.opponent_card);
        Wear(s.d, c.icons);
        StartReport r;
        DarknessIcons(s.ctx, r);
        EXPECT_EQ(test::Worn(s.d), c.after);
        EXPECT_EQ(s.screen.Messages(), c.lines);
        EXPECT_EQ(s.screen.Lines("se0: "), std::vector<std::string>(c.lines.size(), "se0: icon.wav"));
        EXPECT_EQ(r.fired, c.fired);
    }
}

TEST(DarknessIcons, DawnBellGainsPerPair) {
    DuelSide s;
    SeatSix(s.d);
    Wear(s.d, {78, 78, 56, 57});  // two bells against two hands: four pairs
    StartReport r;
    DarknessIcons(s.ctx, r);
    ExpectAfter(s.d, {{1, 17, 15, 0, 0, 0}, {3, 17, 15, 0, 0, 0}, {4, 5, 3, 0, 0, 0}});
    EXPECT_EQ(test::Worn(s.d), (std::array{78, 78, -1, -1}));
}

// In view mode a lifted local icon is first written into the save record's slot.
TEST(DarknessIcons, ViewModeWritesTheSaveRecordSlot) {
    DuelSide s;
    SeatSix(s.d);
    s.d.look_mode = 1;
    s.my.icon_slot1 = 5;
    s.my.icon_slot2 = 6;
    Wear(s.d, {10, 11, 231, -1});
    StartReport r;
    DarknessIcons(s.ctx, r);
    EXPECT_EQ((std::array{s.d.my_icon1, s.d.my_icon2, s.my.icon_slot1, s.my.icon_slot2}), (std::array{-1, -1, 10, 11}));
    DuelSide p;  // not in view mode the save record stays
    SeatSix(p.d);
    p.my.icon_slot1 = 5;
    Wear(p.d, {10, 11, 231, -1});
    DarknessIcons(p.ctx, r);
    EXPECT_EQ(p.my.icon_slot1, 5);
}

// ---- Step 7: the element stage and the table ----

// A seat for the icon cases: slot 1 fire, 2 light, 3 dark; 4 water, 5 fire, 6 none (all HP 5, MP 3, LV 0).
void SeatForIcons(DuelRecord& d) {
    SeatSix(d);
    const std::array<int32_t, 7> cards = {0, 13, 11, 12, 14, 18, 10};
    for (size_t i = 1; i <= 6; ++i) {
        d.chara[i] = Card(cards[i]);
        d.chara[i].hp = 5;
        d.chara[i].mp = 3;
    }
}

TEST(IconOpenings, ElementStageOncePerSide) {
    DuelSide s;
    SeatForIcons(s.d);
    s.d.chara[1].mp = 4;
    Wear(s.d, {19, 19, 181, 181});  // local: all fire; opponent: LV = MP once, MP 0
    StartReport r;
    IconOpenings(s.ctx, r);
    for (size_t k = 1; k <= 3; ++k) EXPECT_EQ(s.d.chara[k].element, 3) << k;
    ExpectAfter(s.d, {{4, 5, 0, 3, 0, 0}, {5, 5, 0, 3, 0, 0}});
    EXPECT_EQ(test::Fired(r, "element19"), 1u);
    EXPECT_EQ(test::Fired(r, "element181"), 1u);
}

TEST(IconOpenings, RolesByName) {
    DuelSide s;
    SeatForIcons(s.d);
    s.d.chara[1] = Card(3, 0);  // 見習い鍛冶: trainee
    s.d.chara[2] = Card(94);    // 一座の歌姫: troupe
    s.d.chara[3] = Card(42);    // 一座の影絵師: troupe (data file)
    s.d.chara[4] = Card(5);     // an opponent's trainee: not the wearer's
    s.d.chara[5] = Card(43);
    const tchar t = s.d.chara[1], a = s.d.chara[2], b = s.d.chara[3], o = s.d.chara[4], q = s.d.chara[5];
    s.d.chara[5].name = "改名";  // a renamed troupe card no longer counts
    Wear(s.d, {43, 147, -1, 147});
    StartReport r;
    IconOpenings(s.ctx, r);
    ExpectAfter(s.d, {{1, t.hp + 4, t.mp + 4, t.lv + 4, 0, 0},
                      {2, a.hp + 3, a.mp + 3, a.lv, 0, 0},
                      {3, b.hp + 3, b.mp + 3, b.lv, 0, 0},
                      {4, o.hp, o.mp, o.lv, 0, 0},
                      {5, q.hp, q.mp, q.lv, 0, 0}});
}

// The rules chosen for the icons the text leaves open, and a few of the table.
TEST(IconOpenings, OpenIconsAndTable) {
    struct Case {
        const char* name;
        std::array<int32_t, 4> icons;
        void (*seat)(DuelRecord&);
        std::vector<After> after;
    };
    const auto none = [](DuelRecord&) {};
    const std::vector<Case> cases = {
        {"30 light", {30, -1, -1, -1}, none, {{2, 5, 3, 1, 0, kGoodPromise}, {1, 5, 3, 0, 0, 0}}},
        {"31 dark", {31, -1, -1, -1}, none, {{3, 5, 5, 0, 0, kGoodCloud}, {1, 5, 3, 0, 0, 0}}},
        {"32 none", {-1, -1, 32, -1}, none, {{6, 7, 3, 0, 0, kGoodShield}, {4, 5, 3, 0, 0, 0}}},
        {"36 floor of 5", {36, -1, -1, -1}, [](DuelRecord& d) { d.chara[1].hp = 2, d.chara[2].hp = 7; },
         {{1, 5, 3, 0, 0, 0}, {2, 7, 3, 0, 0, 0}}},
        {"37 dark HP", {37, 37, -1, -1}, none, {{3, 7, 3, 0, 0, 0}, {1, 5, 3, 0, 0, 0}}},
        {"38 low HP", {38, -1, -1, -1}, [](DuelRecord& d) { d.chara[1].hp = 3, d.chara[2].hp = 4; },
         {{1, 6, 3, 0, 0, 0}, {2, 4, 3, 0, 0, 0}}},
        {"40 odd HP once", {40, 40, -1, -1}, [](DuelRecord& d) { d.chara[2].hp = 6; },
         {{1, 8, 3, 0, 0, 0}, {2, 6, 3, 0, 0, 0}}},
        {"41 one element", {41, 41, 41, -1}, [](DuelRecord& d) { d.chara[1].element = d.chara[2].element = d.chara[3].element = 4; },
         {{1, 13, 11, 0, 0, 0}, {4, 5, 3, 0, 0, 0}}},
        {"60 humble classes", {60, -1, -1, -1}, [](DuelRecord& d) { d.chara[2].rarity = 4; },
         {{1, 9, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"207 synthesis", {207, -1, -1, -1}, [](DuelRecord& d) { d.chara[3].rarity = 14; },
         {{3, 8, 6, 0, 0, 0}, {1, 5, 3, 0, 0, 0}}},
        {"229 copies the facing good status", {229, -1, 89, -1}, [](DuelRecord& d) { d.chara[6].status2 = kGoodCure; },
         {{1, 5, 3, 0, 0, kGoodShield}, {3, 5, 3, 0, 0, kGoodShield}, {4, 5, 3, 0, 0, kGoodShield}}},
        {"278 twins", {278, -1, -1, -1}, [](DuelRecord& d) { d.chara[3] = d.chara[1]; },
         {{1, 9, 7, 0, 0, 0}, {3, 9, 7, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"11 banner on all six", {11, -1, -1, -1}, none,
         {{1, 9, 3, 0, 0, 0}, {5, 9, 3, 0, 0, 0}, {4, 3, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"18, the last MP banner: <闇> +4, <光> -2", {18, -1, -1, -1},
         [](DuelRecord& d) { for (size_t i = 1; i <= 6; ++i) d.chara[i].element = i == 1 ? 2 : i == 2 ? 1 : 0; },
         {{1, 5, 7, 0, 0, 0}, {2, 5, 1, 0, 0, 0}, {3, 5, 3, 0, 0, 0}}},
        {"48 curse unless 26", {48, 26, 48, -1}, none, {{1, 14, 3, 0, 0, 0}, {4, 14, 3, 0, kBadCurse, 0}}},
        {"65 per other icon", {65, -1, 24, 4}, none, {{1, 5, 13, 0, 0, 0}}},
        {"96 altar", {96, -1, -1, -1}, none, {{1, 25, 3, 0, 0, 0}, {2, -15, 3, 0, 0, 0}}},
        {"112 the first card's HP", {112, -1, -1, -1}, none, {{1, 15, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"113 the first card's MP", {113, -1, -1, -1}, none, {{1, 5, 13, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"77 counts 83, the first of the second hidden range", {77, -1, 83, -1}, none, {{1, 13, 11, 0, 0, 0}, {3, 13, 11, 0, 0, 0}}},
        {"77 counts 68, the first of the first hidden range", {77, -1, -1, 68}, none, {{1, 13, 11, 0, 0, 0}, {3, 13, 11, 0, 0, 0}}},
        {"184 LV 4", {184, -1, -1, -1}, [](DuelRecord& d) { d.chara[2].lv = 4; },
         {{2, 5, 3, 4, 0, kGoodRampage}, {1, 5, 3, 0, 0, 0}}},
        {"267 tag: third card", {267, -1, -1, -1}, none, {{3, 7, 5, 0, 0, kGoodShield}, {1, 5, 3, 0, 0, 0}}},
        {"86 foe tag over the own 47", {47, -1, 86, -1}, none, {{1, 12, 3, 0, kBadCurse, 0}, {4, 5, 3, 0, 0, 0}}},
        {"149 foe LV stops at 0", {-1, -1, 149, -1}, [](DuelRecord& d) { d.chara[2].lv = 1; },
         {{1, 5, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"226 all six", {-1, -1, 226, -1}, none, {{1, 3, 3, 0, 0, 0}, {6, 3, 3, 0, 0, 0}}},
        {"0 worn twice", {0, 0, -1, -1}, none, {{1, 17, 3, 2, 0, 0}, {2, 5, 3, 0, 0, 0}, {5, 5, 3, 0, 0, 0}}},
        {"52 tags skip the dead", {52, -1, -1, -1}, [](DuelRecord& d) { test::Kill(d, 2); },
         {{1, 7, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
        {"193 class 6 only", {193, -1, -1, -1}, [](DuelRecord& d) { d.chara[1].rarity = 6; },
         {{1, 9, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DuelSide s;
        SeatForIcons(s.d);
        c.seat(s.d);
        Wear(s.d, c.icons);
        StartReport r;
        IconOpenings(s.ctx, r);
        ExpectAfter(s.d, c.after);
    }
}

}  // namespace
}  // namespace kestra
