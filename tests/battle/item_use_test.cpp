#include "battle/item_use.h"

#include "battle/battle_phase.h"
#include "duel/side_rules.h"
#include "duel/turn_input.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

using Prepare = void (*)(DuelRecord&, tmy&);
using Check = bool (*)(const DuelRecord&, const tmy&);

// One item run: the row's effect code and amount, the record before (SeatSix, then setup), the
// figures after, an extra check of what lies outside the cards, and the lines after the opening.
struct ItemCase {
    const char* what;
    int32_t code, amount;
    Prepare setup;  // or nullptr
    std::vector<After> after;
    Check check;  // or nullptr
    std::vector<std::string> lines;
    const char* cue = nullptr;  // or a sound line the effect must play
};

// The test item sits at number 99 (chance digit 9, waza_arg2 9).
constexpr size_t kTestRow = 100;

// Runs the item of the case on slot 1 against slot 4 (or as the setup moved them).
void RunCase(const ItemCase& c) {
    SCOPED_TRACE(c.what);
    Catalogue cat = GameCatalogue();
    cat.item[kTestRow] = {"試しの品", "", c.code, c.amount, 1};
    DuelSide s;
    DuelContext ctx{s.d, cat, s.my, s.session, s.msg, s.rng, s.clock, s.ask};
    SeatSix(s.d);
    s.my.icon_slot1 = 7, s.my.icon_slot2 = 8, s.d.luck = 9, s.d.waza_arg2 = 9;
    if (c.setup) c.setup(s.d, s.my);
    UseItem(ctx);
    std::vector<std::string> lines = s.screen.Messages();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), Slot(s.d, s.d.atk_no).name + "はItem【試しの品】を使った！");
    lines.erase(lines.begin());
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(s.screen.transcript.front(), "se1: itemuse.wav");
    ExpectAfter(s.d, c.after);
    if (c.check) {
        EXPECT_TRUE(c.check(s.d, s.my));
    }
    if (c.cue) {
        EXPECT_TRUE(s.screen.Has(c.cue)) << c.cue;
    }
}

const std::string kUser = "旅の行商人", kTarget = "鍛冶場の親方";
const std::vector<std::string> kNothing = {"何も起きなかった...."};

// clang-format off
TEST(ItemUse, EveryEffectCode) {
    const std::vector<ItemCase> cases = {
        {"code 0 stops after the opening", 0, 5, nullptr, {{1, 5, 3, 0, 0, 0}}, nullptr, {}},
        {"code 62 is outside the table", 62, 5, nullptr, {{1, 5, 3, 0, 0, 0}}, nullptr, {}},
        {"an amount that would overflow", 1, INT_MAX, nullptr, {{1, 5, 3, 0, 0, 0}}, nullptr, {}},
        {"1 heals HP", 1, 3, nullptr, {{1, 8, 3, 0, 0, 0}}, nullptr, {kUser + "のHPが 3回復した!!"}},
        {"1 with a negative amount: HP below 0 until the after-action clamp", 1, -8, nullptr, {{1, -3, 3, 0, 0, 0}}, nullptr, {kUser + "のHPが -8回復した!!"}},
        {"1 doubled by icon 256 of the opponent", 1, 3, [](DuelRecord& d, tmy&) { d.e_icon2 = 256; }, {{1, 11, 3, 0, 0, 0}}, nullptr, {kUser + "のHPが 6回復した!!"}},
        {"2 heals a + 1 and costs a MP", 2, 2, nullptr, {{1, 8, 1, 0, 0, 0}}, nullptr, {kUser + "のHPが 3回復した!!", "代償として、MPが 2減少した。"}},
        {"3 restores MP", 3, 4, nullptr, {{1, 5, 7, 0, 0, 0}}, nullptr, {kUser + "のMPが 4回復した!!"}},
        {"4 turns HP into MP", 4, 0, nullptr, {{1, 1, 7, 0, 0, 0}}, nullptr, {kUser + "は命を削り、MP 4増大させた!!"}},
        {"4 on HP 1 gives nothing", 4, 0, [](DuelRecord& d, tmy&) { d.chara[1].hp = 1; }, {{1, 1, 3, 0, 0, 0}}, nullptr, {kUser + "は命を削り、MP 0増大させた!!"}},
        {"5 breaks the own icons and the save record's", 5, 0, [](DuelRecord& d, tmy&) { d.my_icon1 = 7; d.my_icon2 = 8; d.e_icon1 = 9; },
         {{1, 95, 3, 0, 0, 0}}, [](const DuelRecord& d, const tmy& m) { return d.my_icon1 == -1 && d.my_icon2 == -1 && d.e_icon1 == 9 && m.icon_slot1 == -1 && m.icon_slot2 == -1; },
         {"アイコン1が砕けた！", "アイコン2が砕けた！", kUser + "は 90回復した!!"}},
        {"5 by the opponent breaks its icons only", 5, 0, [](DuelRecord& d, tmy&) { d.my_icon1 = 7; d.e_icon2 = 9; d.atk_no = 4; d.tgt_no = 1; },
         {{4, 50, 3, 0, 0, 0}}, [](const DuelRecord& d, const tmy& m) { return d.my_icon1 == 7 && d.e_icon2 == -1 && m.icon_slot1 == 7 && m.icon_slot2 == 8; }, {"相手のアイコン2が砕けた！", kTarget + "は 45回復した!!"}},
        {"5 in view mode leaves the viewer's save record", 5, 0, [](DuelRecord& d, tmy&) { d.look_mode = 1; d.my_icon1 = 7; }, {{1, 50, 3, 0, 0, 0}},
         [](const DuelRecord& d, const tmy& m) { return d.my_icon1 == -1 && m.icon_slot1 == 7; }, {"アイコン1が砕けた！", kUser + "は 45回復した!!"}},
        {"6 turns HP and LV into MP", 6, 0, [](DuelRecord& d, tmy&) { d.chara[1].lv = 2; }, {{1, 0, 10, 2, 0, 0}}, nullptr, {kUser + "はHPとLVをMPに転化し、自殺を図った!!"}},
        {"7 base HP 7 div 2", 7, 2, [](DuelRecord& d, tmy&) { d.chara[1] = Card(21); }, {{1, 3, 2, 0, 0, 0}}, nullptr, {"聖堂騎士は元の力を取り戻した!!"}},
        {"7 on card 0", 7, 1, [](DuelRecord& d, tmy&) { d.chara[1] = Card(0); d.chara[1].hp = d.chara[1].mp = 9; }, {{1, 2, 1, 0, 0, 0}}, nullptr, {"畑の小僧は元の力を取り戻した!!"}},
        {"8 on the target, amount 0 counts as 1", 8, 0, nullptr, {{4, 5, 2, 0, 0, 0}}, nullptr, {kTarget + "は元の力を取り戻した!!"}},
        {"9 heals HP and MP", 9, 2, nullptr, {{1, 7, 5, 0, 0, 0}}, nullptr, {kUser + "はHP･MPが 2ずつ回復した!!"}},
        {"11 promise", 11, 0, nullptr, {{1, 5, 3, 0, 0, 5}}, nullptr, {kUser + "は復活が約束された！"}},
        {"16 sleep", 16, 0, nullptr, {{4, 5, 3, 0, 2, 0}}, nullptr, {kTarget + "を眠らせた！"}},
        {"21 moves the bad status", 21, 0, [](DuelRecord& d, tmy&) { d.chara[1].status1 = 3; }, {{1, 5, 3, 0, 0, 0}, {4, 5, 3, 0, 3, 0}}, nullptr, {kUser + "のBADｽﾃｰﾀｽを" + kTarget + "に転化させた！"}},
        {"24 takes the good status", 24, 0, [](DuelRecord& d, tmy&) { d.chara[4].status2 = 3; }, {{1, 5, 3, 0, 0, 3}, {4, 5, 3, 0, 0, 0}}, nullptr, {kTarget + "のGOODｽﾃｰﾀｽを" + kUser + "に転化させた！"}},
        {"27 the own side's element, dead or alive", 27, 4, [](DuelRecord& d, tmy&) { Kill(d, 2); },
         {}, [](const DuelRecord& d, const tmy&) { return d.chara[1].element == 4 && d.chara[2].element == 4 && d.chara[3].element == 4 && d.chara[4].element == 3; }, {kUser + "は属性が変化した！", "死亡は属性が変化した！", "夜鳴き梟は属性が変化した！"}},
        {"27 with no element changes nothing", 27, 7, nullptr, {}, [](const DuelRecord& d, const tmy&) { return d.chara[1].element == 0; }, kNothing},
        {"28 cures strong poison", 28, 3, [](DuelRecord& d, tmy&) { d.chara[1].status1 = 6; }, {{1, 8, 3, 0, 0, 0}}, nullptr, {kUser + "の<毒>を解除し、HPを 3回復させた！"}},
        {"28 without poison", 28, 3, [](DuelRecord& d, tmy&) { d.chara[1].status1 = 2; }, {{1, 5, 3, 0, 2, 0}}, nullptr, kNothing},
        {"32 the bomb, doubled", 32, 1, [](DuelRecord& d, tmy&) { d.chara[1].status1 = 9; d.e_icon1 = 256; }, {{1, 7, 3, 0, 0, 0}}, nullptr, {kUser + "の<爆弾>を解除し、HPを 2回復させた！"}},
        {"34 on rampage", 34, 4, [](DuelRecord& d, tmy&) { d.chara[4].status2 = 6; }, {{4, 5, 3, 0, 0, 6}}, nullptr, kNothing},
        {"36 rampage, stops at 0", 36, 3, [](DuelRecord& d, tmy&) { d.chara[4].status2 = 6; d.chara[4].hp = 2; }, {{4, 0, 3, 0, 0, 0}}, nullptr, {kTarget + "の<暴走>を解除し、HPを 3減少させた！"}},
        {"37 on a fire target", 37, 3, [](DuelRecord& d, tmy&) { d.chara[4].hp = 9; }, {{4, 4, 3, 0, 0, 0}}, nullptr, {kTarget + "に 5ダメージ与えた！"}},
        {"38 strikes with half the user's MP", 38, 0, nullptr, {{4, 3, 3, 0, 0, 0}}, nullptr, {kTarget + "に 2ダメージ与えた！"}},
        {"39 and its counterblow", 39, 3, [](DuelRecord& d, tmy&) { d.chara[1].hp = 20; d.chara[4].hp = 12; }, {{1, 8, 3, 0, 0, 0}, {4, 2, 3, 0, 0, 0}}, nullptr, {kTarget + "に 10ダメージ与えた！", "＞反撃", kUser + "は 12ダメージ食らった!!"}},
        {"39 on another element", 39, 4, nullptr, {{1, 5, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}}, nullptr, kNothing},
        {"40 HP 12: 7 each, then 12 back", 40, 7, [](DuelRecord& d, tmy&) { d.chara[4].hp = 12; d.chara[4].lv = 2; }, {{1, 0, 3, 0, 0, 0}, {4, 5, 0, 0, 0, 0}}, nullptr,
         {kTarget + "のHP,MP,LVに 7ダメージ与えた！", "＞反撃", kUser + "は 12ダメージ食らった!!"}},
        {"41 forward", 41, 2, nullptr, {}, [](const DuelRecord& d, const tmy&) { return d.turn == 9; }, {kUser + "は時間を 2ターン変化させた！"}},
        {"41 back from turn 3 floors at 1", 41, -5, [](DuelRecord& d, tmy&) { d.turn = 3; }, {}, [](const DuelRecord& d, const tmy&) { return d.turn == 1; }, {kUser + "は時間を -5ターン変化させた！"}},
        {"42 blast over the living", 42, 2, [](DuelRecord& d, tmy&) { Kill(d, 5); }, {{1, 3, 1, 0, 0, 0}, {4, 3, 3, 0, 0, 0}, {5, 5, 3, 0, 0, 0}, {6, 3, 3, 0, 0, 0}}, nullptr,
         {kUser + "はHP･MPにそれぞれ 2ダメージくらった！", kTarget + "は 2ダメージ食らった!", "白鷺の射手は 2ダメージ食らった!"}},
        {"43 rain on every living card", 43, 2, [](DuelRecord& d, tmy&) { Kill(d, 3); Kill(d, 4); Kill(d, 5); }, {{1, 7, 5, 0, 0, 0}, {3, 5, 3, 0, 0, 0}, {6, 7, 5, 0, 0, 0}}, nullptr,
         {kUser + "はHP･MPが 2ずつ回復した!", "朝告げ鳥はHP･MPが 2ずつ回復した!", "白鷺の射手はHP･MPが 2ずつ回復した!"}},
        {"44 random bad status from the turn", 44, 0, nullptr, {{4, 5, 3, 0, 9, 0}}, nullptr, {kTarget + "にランダムバッドステータス!!"}},
        {"45 random good status from the turn", 45, 0, nullptr, {{1, 5, 3, 0, 0, 5}}, nullptr, {kUser + "にランダムグッドステータス!!"}},
        {"46 cuts HP and MP", 46, 3, nullptr, {{4, 2, 0, 0, 0, 0}}, nullptr, {kTarget + "に 3ダメージ与えた！"}},
        {"48 great blast", 48, 1, nullptr, {{1, 3, 1, 0, 0, 0}, {4, 4, 2, 0, 0, 0}, {6, 4, 2, 0, 0, 0}}, nullptr,
         {kUser + "はHP･MPにそれぞれ 1ダメージくらった！", kTarget + "はHP･MP両方に 1ダメージずつ食らった!", "雨乞いの巫女はHP･MP両方に 1ダメージずつ食らった!", "白鷺の射手はHP･MP両方に 1ダメージずつ食らった!"}},
        {"51 the other side's element", 51, 0, nullptr, {}, [](const DuelRecord& d, const tmy&) { return d.chara[4].element == 0 && d.chara[6].element == 0 && d.chara[2].element == 1; },
         {kTarget + "の属性を変化させた！", "雨乞いの巫女の属性を変化させた！", "白鷺の射手の属性を変化させた！"}},
        {"53 divinity and suspension", 53, 0, nullptr, {{1, 5, 3, 0, 17, 9}}, nullptr, {kUser + "は<神格><仮死>化した！"}},
        {"54 swaps MP and LV", 54, 0, [](DuelRecord& d, tmy&) { d.chara[1].mp = 7; d.chara[1].lv = 2; }, {{1, 5, 3, 0, 0, 0}, {4, 5, 7, 2, 0, 0}}, nullptr, {"相手の" + kTarget + "と、あなたの" + kUser + "のMPとLVを入れ替えちゃった！！"}},
        {"54 by the opponent names each card's own side", 54, 0, [](DuelRecord& d, tmy&) { d.atk_no = 4; d.tgt_no = 1; d.chara[4].lv = 1; }, {{1, 5, 3, 1, 0, 0}, {4, 5, 3, 0, 0, 0}}, nullptr,
         {"あなたの" + kUser + "と、相手の" + kTarget + "のMPとLVを入れ替えちゃった！！"}},
        {"55 takes off the opponent's first icon", 55, 0, [](DuelRecord& d, tmy&) { d.e_icon1 = 9; d.e_icon2 = 10; }, {}, [](const DuelRecord& d, const tmy&) { return d.e_icon1 == -1 && d.e_icon2 == 10; }, {"相手のアイコン1を解除させた！"}},
        {"56 by the opponent keeps the icon in the save", 56, 0, [](DuelRecord& d, tmy& m) { d.my_icon2 = 12; m.icon_slot2 = -1; d.atk_no = 4; d.tgt_no = 1; }, {},
         [](const DuelRecord& d, const tmy& m) { return d.my_icon2 == -1 && m.icon_slot2 == 12 && m.icon_slot1 == 7; }, {"アイコン2を解除させられた！"}},
        {"58 blood pact", 58, 0, nullptr, {{1, 5, 3, 0, 15, 0}, {4, 5, 3, 0, 15, 0}}, nullptr, {kTarget + "と" + kUser + "は血の契約を交わした！"}},
        {"59 the dead allies' MP, doubled", 59, 0, [](DuelRecord& d, tmy&) { Kill(d, 2); Kill(d, 6); d.my_icon1 = 256; }, {{1, 11, 3, 0, 0, 0}, {2, 5, 0, 0, 0, 0}, {6, 5, 3, 0, 0, 0}}, nullptr, {"死者のMP 6を力と換えた"}},
        {"59 with no dead ally", 59, 0, nullptr, {{1, 5, 3, 0, 0, 0}}, nullptr, {"何も起きなかった..."}},
        {"60 the oracle", 60, 0, nullptr, {{1, 2, 6, 0, 0, 0}, {4, 2, 6, 0, 0, 0}}, nullptr, {kTarget + "と" + kUser + "は魔導の神託に心を捧げた"}, "se2: noroi.wav"},
        {"60 doubled runs twice", 60, 0, [](DuelRecord& d, tmy&) { d.e_icon1 = 256; }, {{1, 1, 12, 0, 0, 0}, {4, 1, 12, 0, 0, 0}}, nullptr, {kTarget + "と" + kUser + "は魔導の神託に心を捧げた"}},
    };
    for (const ItemCase& c : cases) RunCase(c);
}
// clang-format on

// The receiving program resolves the pasted item and never touches its own stock.
TEST(ItemUse, ReceiverKeepsItsStock) {
    DuelSide s;
    SeatSix(s.d);
    s.d.turn = 2, s.d.turn_base = 8, s.d.input_phase = kPhaseAwaitOpponent;
    s.my.item_count[0] = 2, s.my.item_count[47] = 1;
    ASSERT_NE(PressBattlePhase(s.ctx, "02147487", {}), PhaseEnd::Refused);
    EXPECT_EQ((std::array{s.my.item_count[0], s.my.item_count[47]}), (std::array{2, 1}));
    EXPECT_TRUE(s.screen.Has("show: 鍛冶場の親方はItem【" + GameCatalogue().item[48].name + "】を使った！"));
    EXPECT_EQ((std::array{s.d.chara[4].element, s.d.chara[1].element}), (std::array{2, 0}));
}

// The acting program's "ＵＳＥ" spends one of its stock, except for card 215 or while it wears icon 202.
TEST(ItemUse, StockRule) {
    struct Case {
        const char* what;
        int32_t card, my_icon, e_icon, stock_after;
    } const cases[] = {{"an ordinary card", 10, -1, -1, 1}, {"card 215 acts", 215, -1, -1, 2},
                       {"this side wears icon 202", 10, 202, -1, 2}, {"only the opponent wears icon 202", 10, -1, 202, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        SeatSix(s.d);
        s.d.chara[1] = Card(c.card);
        Wear(s.d, {c.my_icon, -1, c.e_icon, -1});
        s.my.item_count[5] = 2;
        ASSERT_TRUE(UseItem(s.ctx, 5));
        EXPECT_EQ(s.my.item_count[5], c.stock_after);
        EXPECT_EQ(ItemNumberOf(s.d), 5);
    }
}

}  // namespace
}  // namespace kestra::test
