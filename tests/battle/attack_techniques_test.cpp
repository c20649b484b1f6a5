#include "battle/strike_techniques.h"
#include "duel/side_rules.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// A blow by its key: the family's rows, and 赤い風, which waits outside them for the simulator.
TechniqueFn Blow(int32_t key) { return key == 50 ? RedWind : FindTechnique(key); }

// Slot 1 acts on slot 4: the attacker HP 6, MP 3, LV 3, the target HP 9, MP 4, LV 2, both <無> unless
// the case picks other cards; the others stand by with HP 5.
void Seat(DuelSide& s, int32_t attacker, int32_t target, int32_t luck, const std::array<int32_t, 4>& icons) {
    for (size_t i = 1; i <= 6; ++i) {
        s.d.chara[i] = Card(23 + static_cast<int32_t>(i));
        s.d.chara[i].hp = 5;
    }
    s.d.chara[1] = Card(attacker, 3);
    s.d.chara[4] = Card(target, 2);
    s.d.chara[1].hp = 6, s.d.chara[1].mp = 3, s.d.chara[4].hp = 9, s.d.chara[4].mp = 4;
    s.d.atk_no = 1, s.d.tgt_no = 4, s.d.luck = luck, s.d.turn = 5;
    Wear(s.d, icons);
}

using Prepare = void (*)(DuelRecord&);

// A card's figures afterwards.
struct Figures {
    int32_t hp, mp, lv, status1;
    bool operator==(const Figures&) const = default;
};

struct BlowCase {
    const char* what;
    int32_t key, attacker, target, luck;  // attacker and target: catalogue numbers in slots 1 and 4
    std::array<int32_t, 4> icons;         // my_icon1, my_icon2, e_icon1, e_icon2
    Prepare setup;                        // or nullptr
    Figures attacker_after, target_after;
    std::string title;
    std::vector<std::string> lines;  // every line after the title
};

Figures Of(const tchar& c) { return {c.hp, c.mp, c.lv, c.status1}; }

// Runs the cases: title, both cards' figures, every line, one click per line, the target slot kept.
void RunCases(const std::vector<BlowCase>& cases) {
    for (const BlowCase& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s, c.attacker, c.target, c.luck, c.icons);
        if (c.setup) c.setup(s.d);
        Blow(c.key)(s.ctx);
        ASSERT_FALSE(s.screen.transcript.empty());
        EXPECT_EQ(s.screen.transcript[0], "show: ＞" + c.title);
        EXPECT_EQ(Of(s.d.chara[1]), c.attacker_after) << "attacker";
        EXPECT_EQ(Of(s.d.chara[4]), c.target_after) << "target";
        EXPECT_EQ(LinesAfterTitle(s.screen), c.lines);
        EXPECT_EQ(s.d.tgt_no, 4);
    }
}

// "D ダメージ与えた！" alone.
std::string Hit(int32_t d) { return std::to_string(d) + "ダメージ与えた！"; }

void Frozen(DuelRecord& d) { d.chara[4].status1 = 8; }
void NoMp(DuelRecord& d) { d.chara[1].mp = 0; }
void NoLv(DuelRecord& d) { d.chara[1].lv = 0; }
void Strong(DuelRecord& d) { d.chara[1].hp = 20; }

// clang-format off
TEST(BlowFamily, FlickMembers) {
    const int32_t sword = IconNamed("レッドソード");
    RunCases({
        {"体術", 7, 10, 15, 0, kBare, nullptr, {0, 3, 3, 0}, {3, 4, 2, 0}, "体術", Exchange(6, 9)},
        {"体術 has no critical", 7, 10, 15, 3, kBare, nullptr, {0, 3, 3, 0}, {3, 4, 2, 0}, "体術", Exchange(6, 9)},
        {"体術 shatters the frozen", 7, 10, 15, 0, kBare, Frozen, {0, 3, 3, 0}, {0, 4, 2, 8}, "体術", {Hit(6), "凍結した肉体が、バラバラと崩れてしまった！", "反撃＞ 9ダメージ食らった！"}},
        {"武術 critical", 17, 10, 15, 3, kBare, nullptr, {0, 3, 3, 0}, {0, 4, 2, 0}, "武術", {"クリティカル!!", Hit(9), "反撃＞ 9ダメージ食らった！"}},
        {"武術 miss", 17, 10, 15, 4, kBare, nullptr, {0, 3, 3, 0}, {9, 4, 2, 0}, "武術", {"Miss....", Hit(0), "反撃＞ 9ダメージ食らった！"}},
        {"シルヴィア剣, no counter", 30, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {5, 4, 2, 0}, "シルヴィア剣", {Hit(4)}},
        {"シルヴィア剣 into a barrier", 30, 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[4].status2 = 13; }, {6, 3, 3, 0}, {9, 4, 2, 0}, "シルヴィア剣", {Hit(4), "峠の山賊はﾀﾞﾒｰｼﾞを吸収した！"}},
        {"暗黒剣", 33, 10, 15, 0, kBare, Strong, {11, 3, 3, 0}, {0, 4, 2, 0}, "暗黒剣", Exchange(21, 9)},
        {"柔術 throws with the target's HP", 38, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {4, 4, 2, 0}, "柔術", {"5ダメージ！"}},
        {"柔術 with two swords", 38, 10, 15, 0, {sword, sword, -1, -1}, nullptr, {6, 3, 3, 0}, {0, 4, 2, 0}, "柔術", {"20ダメージ！"}},
        {"時間剣", 53, 10, 15, 1, kBare, [](DuelRecord& d) { d.chara[1].hp = 10; }, {1, 3, 3, 0}, {0, 4, 2, 0}, "時間剣", Exchange(10, 9)},
        {"時間剣 paradox", 53, 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[1].hp = 10; }, {0, 3, 3, 0}, {0, 4, 2, 0}, "時間剣", {"タイムパラドックス＞時の流れが逆巻いた！", Hit(9), "反撃＞ 10ダメージ食らった！"}},
        {"魔剣", 54, 10, 15, 0, kBare, nullptr, {0, 2, 3, 0}, {1, 4, 2, 0}, "魔剣 (MP -1)", Exchange(8, 9)},
        {"魔剣 without MP", 54, 10, 15, 0, kBare, NoMp, {6, 0, 3, 0}, {9, 4, 2, 0}, "魔剣", {"ＭＰが足りなかった...."}},
        {"ウルトラでこぴん", 68, 10, 15, 0, kBare, nullptr, {0, 3, 3, 0}, {0, 4, 2, 0}, "ウルトラでこぴん", Exchange(15, 9)},
        {"ヴァイスクロイツ", 73, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {4, 4, 2, 0}, "ヴァイスクロイツ", {Hit(5)}},
        {"剣術 cuts HP and MP", 77, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {6, 1, 2, 0}, "剣術", {"峠の山賊のHP,MP 3ダメージ与えた!!"}},
        {"剣術 with a sword", 77, 10, 15, 0, {-1, sword, -1, -1}, nullptr, {6, 3, 3, 0}, {3, 0, 2, 0}, "剣術", {"峠の山賊のHP,MP 6ダメージ与えた!!"}},
        {"ビンタ", 82, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {5, 4, 2, 0}, "ビンタ", {Hit(4)}},
        {"弱さは強さ", 84, 10, 15, 0, kBare, nullptr, {0, 3, 3, 0}, {5, 4, 2, 0}, "弱さは強さ", Exchange(4, 9)},
        {"弱さは強さ from strength is nothing", 84, 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[1].hp = 12; }, {3, 3, 3, 0}, {9, 4, 2, 0}, "弱さは強さ", Exchange(0, 9)},
        {"トロッコ銃", 85, 10, 15, 0, kBare, nullptr, {6, 3, 2, 0}, {2, 4, 2, 0}, "トロッコ銃 (LV -1)", {Hit(7)}},
        {"トロッコ銃 without LV", 85, 10, 15, 0, kBare, NoLv, {6, 3, 0, 0}, {9, 4, 2, 0}, "トロッコ銃", {"ＬＶが足りなかった...."}},
        {"トロッコ銃 on frozen water", 85, 10, 14, 0, kBare, Frozen, {6, 3, 2, 0}, {1, 4, 2, 0}, "トロッコ銃 (LV -1)", {Hit(7), "凍結した肉体が、バラバラと崩れてしまった！", "雨乞いの巫女はなんとか持ちこたえた!!"}},
        {"槍術", 87, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {5, 4, 2, 0}, "槍術", {"峠の山賊に 4ダメージ与えた!!"}},
        {"タマネギ斬り", 90, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {5, 4, 2, 0}, "タマネギ斬り", {Hit(4)}},
        {"スーパータマネギ斬り", 90, 10, 15, 7, kBare, nullptr, {6, 3, 3, 0}, {1, 4, 2, 4}, "スーパータマネギ斬り", {Hit(8), "峠の山賊は涙が止まらなくなった！<↓>"}},
        {"スーパータマネギ斬り fells", 90, 10, 15, 7, kBare, [](DuelRecord& d) { d.chara[4].hp = 8; }, {6, 3, 3, 0}, {0, 4, 2, 0}, "スーパータマネギ斬り", {Hit(8)}},
        {"ミサイル", 95, 10, 15, 0, kBare, nullptr, {6, 3, 2, 0}, {3, 4, 2, 0}, "ミサイル (LV -1)", {Hit(6)}},
    });
}

TEST(BlowFamily, OwnStrikes) {
    const int32_t meteor = IconNamed("巨大隕石");
    const auto targetLv5 = [](DuelRecord& d) { d.chara[4].lv = 5; };
    RunCases({
        {"羊使いの銃 shoots HP", 6, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {5, 4, 2, 0}, "羊使いの銃", {Hit(4)}},
        {"羊使いの銃 shoots MP", 6, 10, 15, 1, kBare, nullptr, {6, 3, 3, 0}, {9, 0, 2, 0}, "羊使いの銃", {"MPを4削った！"}},
        {"羊使いの銃 miss", 6, 10, 15, 4, kBare, nullptr, {6, 3, 3, 0}, {9, 4, 2, 0}, "羊使いの銃", {"Miss...."}},
        {"羊使いの銃 <時１> and the LV counter", 6, 10, 15, 9, kBare, targetLv5, {6, 3, 2, 0}, {9, 0, 5, 12}, "羊使いの銃", {"MPを4削った！", "峠の山賊は羊の群れに時を奪われた！<時１>", "反撃＞LVを1削られた！"}},
        {"弓矢狼", 11, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {4, 4, 2, 0}, "弓矢狼", {Hit(5)}},
        {"ドラゴンバスター on a dragon", 14, 10, 38, 0, kBare, nullptr, {6, 3, 3, 0}, {0, 4, 2, 0}, "ドラゴンバスター", {Hit(11)}},
        {"ドラゴンバスター on no dragon", 14, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {9, 4, 2, 0}, "ドラゴンバスター", {"無効...."}},
        {"占星術 on HP", 20, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {6, 4, 2, 0}, "占星術", {"3ダメージ!!"}},
        {"セイントダンス on the dark", 34, 10, 17, 0, kBare, nullptr, {6, 3, 3, 0}, {2, 4, 2, 0}, "セイントダンス", {Hit(7)}},
        {"赤い風 blows MP", 50, 10, 15, 0, kBare, nullptr, {2, 3, 3, 0}, {9, 2, 2, 0}, "赤い風", {"峠の山賊のMPを 2吹き飛ばした！", "反撃＞ 4ダメージ食らった！"}},
        {"赤い風 drinks HP", 50, 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[4].mp = 0; }, {4, 3, 3, 0}, {7, 0, 2, 0}, "赤い風", {"峠の山賊からHPを 2吸い取った！", "反撃＞ 4ダメージ食らった！"}},
        {"赤い風 of 紅焔の剣聖", 50, 233, 15, 0, kBare, nullptr, {2, 3, 3, 0}, {9, 0, 2, 0}, "赤い風", {"峠の山賊のMPを 4吹き飛ばした！", "反撃＞ 4ダメージ食らった！"}},
        {"龍言語魔法", 52, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {6, 4, 2, 0}, "龍言語魔法", {"峠の山賊に3のダメージ分を与えた！"}},
        {"龍言語魔法 on a dragon", 52, 10, 38, 0, kBare, nullptr, {6, 3, 3, 0}, {4, 4, 2, 0}, "龍言語魔法", {"はぐれ子竜に3のダメージ分を与えた！", "追加ダメージ 2!!"}},
        {"無想", 56, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {6, 4, 2, 0}, "無想", {"旅の行商人のLV分のダメージ 3を与えた!!"}},
        {"メテオ", 94, 10, 15, 0, kBare, nullptr, {6, 3, 3, 0}, {3, 4, 2, 0}, "メテオ", {Hit(6)}},
        {"メテオ under 巨大隕石", 94, 10, 15, 0, {-1, -1, meteor, -1}, nullptr, {6, 3, 3, 0}, {0, 4, 2, 0}, "メテオ", {Hit(10)}},
    });
}
// clang-format on

// 両 carries the magic sword to the next living card on the target's side, which strikes back too.
TEST(BlowFamily, MagicSwordWithBothEdges) {
    DuelSide s;
    Seat(s, 10, 15, 0, kBare);
    Strong(s.d);
    s.d.chara[1].waza = 31;
    s.d.chara[5].name = std::string(kDeadName);
    Blow(54)(s.ctx);
    EXPECT_EQ(LinesAfterTitle(s.screen), (std::vector<std::string>{"22ダメージ与えた！", "反撃＞ 9ダメージ食らった！",
                                                                   s.d.chara[6].name + "にも魔剣の刃が届いた！",
                                                                   "13ダメージ与えた！", "反撃＞ 5ダメージ食らった！"}));
    EXPECT_EQ((std::array{s.d.chara[6].hp, s.d.chara[5].hp, s.d.chara[1].hp, s.d.chara[1].mp, s.d.tgt_no}),
              (std::array{0, 5, 6, 2, 4}));
    // With both cards beside the target dead the sword reaches nobody, not the target a second time.
    DuelSide alone;
    Seat(alone, 10, 15, 0, kBare);
    Strong(alone.d);
    alone.d.chara[1].waza = 31;
    alone.d.chara[5].name = alone.d.chara[6].name = std::string(kDeadName);
    Blow(54)(alone.ctx);
    EXPECT_EQ(LinesAfterTitle(alone.screen), (std::vector<std::string>{"22ダメージ与えた！", "反撃＞ 9ダメージ食らった！"}));
}

}  // namespace
}  // namespace kestra::test
