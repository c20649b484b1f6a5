#include "duel/display_rules.h"

#include <gtest/gtest.h>

#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::GameCatalogue;

constexpr const char* kQ = "??????";

// Six plain cards and two plain icons per side; nothing hidden.
DuelRecord PlainDuel() {
    DuelRecord d;
    for (int32_t i = 1; i <= 6; ++i) d.chara[static_cast<size_t>(i)] = Card(i <= 3 ? 4 + i : 6 + i);
    d.my_icon1 = d.e_icon1 = 1;
    d.my_icon2 = d.e_icon2 = 10;
    return d;
}

// The plain duel with a case's battle type, four icons, and cards in slots 1 and 4.
template <class Case>
DuelRecord SceneOf(const Case& c) {
    DuelRecord d = PlainDuel();
    d.battle_type = c.battle;
    d.my_icon1 = c.my1, d.my_icon2 = c.my2, d.e_icon1 = c.e1, d.e_icon2 = c.e2;
    d.chara[1] = Card(c.my_card), d.chara[4] = Card(c.their_card);
    return d;
}

// The duel whose situation text is written out in full below.
DuelRecord KnownDuel() {
    DuelRecord d;
    d.chara = {tchar{}, Card(5, 3, 11), Card(6), Card(7, 0, 33), Card(10, 9), Card(11, 1, 1), Card(12)};
    d.chara[1].status1 = 1, d.chara[4].status2 = 3, d.chara[5].status1 = 20, d.chara[5].status2 = 13;
    d.chara[6].name = "死亡";
    d.my_icon1 = 1, d.my_icon2 = 69, d.e_icon1 = 10, d.e_icon2 = -1;
    return d;
}

// The hidden panel of a card named n, with or without the technique mark.
PanelLines Hidden(const std::string& n, bool mark) {
    return {"★" + n + " ", "<?\?>", mark ? "LV:????【??】" : "LV:????", "HP:????  MP:????", "<?\?><?\?>"};
}

TEST(DisplayCaptions, BattleTypeInBracketsNothingForNoneAndTheTurn) {
    const std::pair<int32_t, const char*> cases[] = {
        {0, ""}, {1, "＜ヘルバトル＞"}, {11, "＜ステルスバトル＞"}, {21, "＜アンチバトル＞"}, {22, ""}, {-1, ""}};
    for (const auto& [type, text] : cases) EXPECT_EQ(BattleTypeCaption(type), text) << type;
    DuelRecord d;
    d.turn = 12;
    EXPECT_EQ(TurnLabel(d), "＜ターン12＞");
}

TEST(DisplayIconLabels, EveryHidingRuleAndItsLift) {
    // Icons my1 my2 e1 e2 and the catalogue numbers of the cards in slots 1 and 4.
    struct Case { const char* what; int32_t battle, my1, my2, e1, e2, my_card, their_card; IconLabelTexts expected; };
    const char *kTide = "潮の守り紋", *kKnot = "野の結び紋", *kSeer = "見通しの眼鏡";
    const Case cases[] = {
        {"plain", 0, 1, 10, 1, 10, 5, 10, {kTide, kKnot, kTide, kKnot}},
        {"empty slots", 0, -1, 10, 1, -1, 5, 10, {"", kKnot, kTide, ""}},
        {"stealth battle", 11, 1, 10, 1, 10, 5, 10, {kQ, kQ, kQ, kQ}},
        {"stealth, hidden empty slot", 11, -1, 10, 1, -1, 5, 10, {kQ, kQ, kQ, kQ}},
        {"stealth lifted", 11, 87, 10, 1, 10, 5, 10, {kSeer, kKnot, kTide, kKnot}},
        {"I wear 68 first", 0, 68, 10, 1, 10, 5, 10, {kQ, kQ, kTide, kKnot}},
        {"they wear 68", 0, 1, 10, 1, 68, 5, 10, {kTide, kKnot, kQ, kQ}},
        {"their 68 lifted", 0, 87, 10, 1, 68, 5, 10, {kSeer, kKnot, kTide, "名無しの覆面"}},
        {"they wear 243", 0, 1, 10, 243, 10, 5, 10, {kTide, kKnot, kQ, kQ}},
        {"my 243 leaves my labels", 0, 243, 10, 1, 10, 5, 10, {"影法師のマント", kKnot, kTide, kKnot}},
        {"their 67 hides no label", 0, 1, 10, 67, 10, 5, 10, {kTide, kKnot, "黒い帳", kKnot}},
        {"their card 168", 0, 1, 10, 1, 10, 5, 168, {kTide, kKnot, kQ, kQ}},
        {"my card 168", 0, 1, 10, 1, 10, 168, 10, {kTide, kKnot, kTide, kKnot}},
        {"their dark 1 (259)", 0, 1, 10, 259, 10, 5, 10, {kTide, kKnot, kQ, kQ}},
        {"their dark 1 (262)", 0, 1, 10, 1, 262, 5, 10, {kTide, kKnot, kQ, kQ}},
        {"their dark 2 hides no label", 0, 1, 10, 267, 278, 5, 10, {kTide, kKnot, "殿の影盾", "双子星の影"}},
        {"my dark 1 leaves my labels", 0, 259, 10, 1, 10, 5, 10, {"黒曜の帳", kKnot, kTide, kKnot}},
        {"secret 69 and 76", 0, 69, 76, 1, 10, 5, 10, {kQ, kQ, kTide, kKnot}},
        {"secret 76 theirs", 0, 1, 10, 76, 83, 5, 10, {kTide, kKnot, kQ, kQ}},
        {"secret 87 theirs", 0, 1, 10, 86, 87, 5, 10, {kTide, kKnot, kQ, kQ}},
        {"77, 82 not secret", 0, 77, 82, 66, 10, 5, 10, {"暴きの眼", "融合の坩堝", "逆さ砂時計", kKnot}},
        {"secrets lifted", 0, 87, 69, 83, 86, 5, 10, {kSeer, "はね返しの罠", "石化の罠", "蛙の面"}},
    };
    for (const Case& c : cases) {
        const IconLabelTexts got = IconLabels(SceneOf(c), GameCatalogue());
        EXPECT_EQ((std::vector{got.mine1, got.mine2, got.theirs1, got.theirs2}),
                  (std::vector{c.expected.mine1, c.expected.mine2, c.expected.theirs1, c.expected.theirs2}))
            << c.what;
    }
}

TEST(DisplayIconLabels, Card168CountsByNameNotByNumber) {
    const Catalogue& cat = GameCatalogue();
    DuelRecord d = PlainDuel();
    d.chara[6].name = cat.card[168].name;  // another card wearing the smoke card's name
    EXPECT_TRUE(OpponentIconLabelsHidden(d, cat));
    d = PlainDuel();
    d.chara[6] = Card(168);
    d.chara[6].name = "????";  // the smoke card itself, its name blotted out
    EXPECT_FALSE(OpponentIconLabelsHidden(d, cat));
    EXPECT_FALSE(OpponentPanelsHidden(d, cat));
}

TEST(DisplayCardPanel, VisibleLines) {
    struct Case { tchar card; int32_t status1, status2; PanelLines expected; };
    const Case cases[] = {
        {Card(5, 3, 11), 0, 0, {"★見習い剣士 ", "<無>", "LV:3  【剣】", "HP:5  MP:2", ""}},
        {Card(5, 3, 0), 1, 0, {"★見習い剣士 ", "<無>", "LV:3", "HP:5  MP:2", "<毒>"}},
        {Card(6, 9, 1), 0, 13, {"★見習い僧 ", "<光>", "LV:9  【魔】", "HP:5  MP:7", "<ﾊﾞﾘｱ>"}},
        {Card(12), 20, 1, {"★夜鳴き梟 ", "<闇>", "LV:0", "HP:4  MP:3", "<鎖><癒>"}},
    };
    for (const Case& c : cases) {
        for (const int32_t slot : {2, 5}) {
            DuelRecord d = PlainDuel();
            tchar& card = d.chara[static_cast<size_t>(slot)] = c.card;
            card.status1 = c.status1, card.status2 = c.status2;
            EXPECT_EQ(CardPanel(d, GameCatalogue(), slot), c.expected) << c.card.name << " slot " << slot;
        }
    }
}

TEST(DisplayCardPanel, Technique33HidesItsOwnFiguresWithoutTheMark) {
    DuelRecord d = PlainDuel();
    d.chara[3] = Card(7, 4, 33);
    d.chara[3].status1 = 2;
    d.chara[6] = Card(12, 0, 33);
    EXPECT_EQ(CardPanel(d, GameCatalogue(), 3), Hidden("見習い呪い師", false));
    EXPECT_EQ(CardPanel(d, GameCatalogue(), 6), Hidden("夜鳴き梟", false));
    EXPECT_EQ(CardPanel(d, GameCatalogue(), 2)[2], "LV:0");  // its neighbour stays visible
    d.battle_type = 11;  // a hidden side shows the mark even on a technique-33 card
    EXPECT_EQ(CardPanel(d, GameCatalogue(), 3), Hidden("見習い呪い師", true));
    EXPECT_EQ(CardPanel(d, GameCatalogue(), 6), Hidden("夜鳴き梟", true));
}

TEST(DisplayCardPanel, SideWideHidingAndItsLift) {
    struct Case { const char* what; int32_t battle, my1, my2, e1, e2, my_card, their_card; bool mine, theirs; };
    const Case cases[] = {
        {"plain", 0, 1, 10, 1, 10, 5, 10, false, false},
        {"stealth battle", 11, 1, 10, 1, 10, 5, 10, true, true},
        {"stealth lifted", 11, 87, 10, 1, 10, 5, 10, false, false},
        {"their 87 lifts nothing for me", 11, 1, 10, 87, 10, 5, 10, true, true},
        {"I wear 67", 0, 1, 67, 1, 10, 5, 10, true, false},
        {"my 67 lifted", 0, 67, 87, 1, 10, 5, 10, false, false},
        {"they wear 67", 0, 1, 10, 67, 10, 5, 10, false, true},
        {"their 68 hides no panel", 0, 1, 10, 68, 10, 5, 10, false, false},
        {"they wear 243", 0, 1, 10, 1, 243, 5, 10, false, true},
        {"my 243 leaves my panels", 0, 243, 10, 1, 10, 5, 10, false, false},
        {"their card 168", 0, 1, 10, 1, 10, 5, 168, false, true},
        {"my card 168 leaves my panels", 0, 1, 10, 1, 10, 168, 10, false, false},
        {"their dark 2 (267)", 0, 1, 10, 267, 10, 5, 10, false, true},
        {"their dark 2 (278)", 0, 1, 10, 1, 278, 5, 10, false, true},
        {"their dark 2 lifted", 0, 87, 10, 268, 10, 5, 10, false, false},
        {"their dark 1 hides no panel", 0, 1, 10, 259, 264, 5, 10, false, false},
        {"my dark 2 leaves my panels", 0, 269, 10, 1, 10, 5, 10, false, false},
    };
    const Catalogue& cat = GameCatalogue();
    for (const Case& c : cases) {
        const DuelRecord d = SceneOf(c);
        for (int32_t slot = 1; slot <= 6; ++slot) {
            const tchar& card = d.chara[static_cast<size_t>(slot)];
            const bool hidden = slot <= 3 ? c.mine : c.theirs;
            const PanelLines got = CardPanel(d, cat, slot);
            if (hidden)
                EXPECT_EQ(got, Hidden(card.name, true)) << c.what << " slot " << slot;
            else
                EXPECT_EQ(got[3], "HP:" + std::to_string(card.hp) + "  MP:" + std::to_string(card.mp))
                    << c.what << " slot " << slot;
        }
    }
}

// The known duel's lines in their visible, card-hidden and icon-hidden forms.
constexpr const char* kMineCards = "[剣]見習い剣士Lv3 5/2 <毒> 見習い僧Lv0 2/4 [??]見習い呪い師Lv? ?/? <?\?><?\?>";
constexpr const char* kMineCardsHidden =
    "[??]見習い剣士Lv? ?/? <?\?><?\?> [??]見習い僧Lv? ?/? <?\?><?\?> [??]見習い呪い師Lv? ?/? <?\?><?\?>";
constexpr const char* kTheirCards = "旅の行商人Lv9 6/6 <盾> [魔]朝告げ鳥Lv1 3/3 <鎖><ﾊﾞﾘｱ> 死亡Lv0 4/3";
constexpr const char* kTheirCardsHidden =
    "[??]旅の行商人Lv? ?/? <?\?><?\?> [??]朝告げ鳥Lv? ?/? <?\?><?\?> [??]死亡Lv? ?/? <?\?><?\?>";
constexpr const char* kIconsHidden = "<???\?><???\?>";

TEST(SituationText, HidingRulesApplyToEachSideAndLiftWith87) {
    struct Case { const char* what; int32_t battle, my1, my2, e1, e2; std::string mine, theirs; };
    // Card lines (visible, hidden) with the icon texts of each side.
    const std::string m = kMineCards, mh = kMineCardsHidden, t = kTheirCards, th = kTheirCardsHidden;
    const std::string mi = " <潮の守り紋><?????\?>", ti = " <野の結び紋>", hi = std::string(" ") + kIconsHidden;
    const std::string seer = " <見通しの眼鏡><はね返しの罠>", t277 = " <野の結び紋><黒子の装束>";
    const Case cases[] = {
        {"plain", 0, 1, 69, 10, -1, m + mi, t + ti},
        {"no icons of mine", 0, -1, -1, 10, -1, m + " ", t + ti},
        {"stealth", 11, 1, 69, 10, -1, mh + hi, th + hi},
        {"stealth lifted", 11, 87, 69, 10, -1, m + seer, t + ti},
        {"I wear 67", 0, 67, 69, 10, -1, mh + " <黒い帳><?????\?>", t + ti},
        {"they wear 68", 0, 1, 69, 10, 68, m + mi, t + hi},
        {"their dark 1", 0, 1, 69, 263, -1, m + mi, t + hi},
        {"I wear 243", 0, 243, 69, 10, -1, mh + hi, t + ti},
        {"my dark 2", 0, 1, 270, 10, -1, mh + " <潮の守り紋><朧月の香>", t + ti},
        {"their dark 2 lifted", 0, 87, 69, 10, 277, m + seer, t + t277},
    };
    for (const Case& c : cases) {
        DuelRecord d = KnownDuel();
        d.battle_type = c.battle;
        d.my_icon1 = c.my1, d.my_icon2 = c.my2, d.e_icon1 = c.e1, d.e_icon2 = c.e2;
        EXPECT_EQ(SituationText(d, GameCatalogue()), (SituationLines{c.mine, c.theirs})) << c.what;
    }
}

TEST(SituationText, SmokeCardHidesItsOwnSide) {
    const std::string smoke = GameCatalogue().card[168].name;
    DuelRecord d = KnownDuel();
    d.chara[2].name = smoke;
    const SituationLines got = SituationText(d, GameCatalogue());
    EXPECT_EQ(got.mine, "[??]見習い剣士Lv? ?/? <?\?><?\?> [??]" + smoke +
                            "Lv? ?/? <?\?><?\?> [??]見習い呪い師Lv? ?/? <?\?><?\?> <???\?><???\?>");
    EXPECT_EQ(got.theirs, std::string(kTheirCards) + " <野の結び紋>");
}

TEST(SituationText, Icon200BlotsEveryNameForEveryone) {
    DuelRecord d = KnownDuel();
    d.e_icon2 = 200;
    SituationLines got = SituationText(d, GameCatalogue());
    EXPECT_EQ(got.mine, "[剣]????Lv3 5/2 <毒> ????Lv0 2/4 [??]????Lv? ?/? <?\?><?\?> <潮の守り紋><?????\?>");
    EXPECT_EQ(got.theirs, "????Lv9 6/6 <盾> [魔]????Lv1 3/3 <鎖><ﾊﾞﾘｱ> ????Lv0 4/3 <野の結び紋><塗り潰しの墨>");
    d.battle_type = 11;  // hidden sides keep the blotted names
    d.e_icon2 = -1;
    d.my_icon1 = 200;
    got = SituationText(d, GameCatalogue());
    EXPECT_EQ(got.theirs, "[??]????Lv? ?/? <?\?><?\?> [??]????Lv? ?/? <?\?><?\?> [??]????Lv? ?/? <?\?><?\?> " +
                              std::string(kIconsHidden));
}

// The status words at both ends of each table; a code past a table shows nothing.
TEST(StatusWords, EdgesOfBothTables) {
    const std::pair<int32_t, const char*> bad[] = {{-1, ""}, {0, ""}, {1, "<毒>"}, {20, "<鎖>"}, {21, ""}};
    const std::pair<int32_t, const char*> good[] = {{-1, ""}, {0, ""}, {1, "<癒>"}, {13, "<ﾊﾞﾘｱ>"}, {14, ""}};
    for (const auto& [code, word] : bad) EXPECT_EQ(Status1Text(code), word) << code;
    for (const auto& [code, word] : good) EXPECT_EQ(Status2Text(code), word) << code;
}

}  // namespace
}  // namespace kestra
