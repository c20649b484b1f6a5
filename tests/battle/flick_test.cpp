#include "battle/flick.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// Slot 1 flicks slot 4; the attacker has HP 6, the target HP 9, the others stand by.
void Seat(DuelSide& s, int32_t attacker, int32_t target, int32_t luck, const std::array<int32_t, 4>& icons) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(23 + static_cast<int32_t>(i));
    s.d.chara[1] = Card(attacker);
    s.d.chara[4] = Card(target);
    s.d.chara[1].hp = 6, s.d.chara[4].hp = 9, s.d.atk_no = 1, s.d.tgt_no = 4, s.d.luck = luck;
    Wear(s.d, icons);
}

using Setup = void (*)(DuelRecord&);

struct FlickCase {
    const char* what;
    int32_t attacker, target, luck;  // attacker and target: catalogue numbers in slots 1 and 4
    std::array<int32_t, 4> icons;    // my_icon1, my_icon2, e_icon1, e_icon2
    Setup setup;                     // statuses and figures beyond the defaults, or nullptr
    int32_t damage, target_hp, attacker_hp;
    std::vector<std::string> lines;
};

// The target stands behind <盾>.
void Shielded(DuelRecord& d) { d.chara[4].status2 = 3; }
// A strengthened attacker (<↑>) on a weakened target (<↓>).
void StrengthenedOnWeakened(DuelRecord& d) { d.chara[1].status2 = 2, d.chara[4].status1 = 4; }

// Runs one case and checks damage, both HPs and every line.
void Check(const FlickCase& c) {
    SCOPED_TRACE(c.what);
    DuelSide s;
    Seat(s, c.attacker, c.target, c.luck, c.icons);
    if (c.setup) c.setup(s.d);
    Flick(s.ctx);
    EXPECT_TRUE(s.screen.Has("add: " + std::to_string(c.damage) + "ダメージ与えた！"));
    EXPECT_EQ(s.d.chara[4].hp, c.target_hp);
    EXPECT_EQ(s.d.chara[1].hp, c.attacker_hp);
    EXPECT_EQ(LinesAfterTitle(s.screen), c.lines);
}

// Modifiers, criticals and misses, immunities and the icons in their order.
TEST(FlickDamage, EveryRule) {
    const int32_t master = IconNamed("でこぴんマスター");
    const int32_t licence = IconNamed("でこぴん免許");
    const int32_t second = IconNamed("第２干渉体");
    const std::vector<std::string> missed = {"Miss....", "0ダメージ与えた！", "反撃＞ 9ダメージ食らった！"};
    const int32_t rival = IconNamed("でこぴんライバル");
    const int32_t sword = IconNamed("レッドソード");
    const int32_t shield = IconNamed("ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ");
    const auto big = [](DuelRecord& d) { d.chara[4].hp = 40; };
    // clang-format off
    const FlickCase cases[] = {
        {"plain", 10, 15, 0, kBare, nullptr, 6, 3, 0, Exchange(6, 9)},
        {"both, not below 0", 10, 15, 0, kBare, StrengthenedOnWeakened, 10, 0, 0, Exchange(10, 9)},
        {"light on dark", 11, 12, 0, kBare, nullptr, 7, 2, 0, Exchange(7, 9)},
        {"light on light", 11, 16, 0, kBare, nullptr, 5, 4, 0, Exchange(5, 9)},
        {"shield", 10, 15, 0, kBare, Shielded, 3, 6, 0, Exchange(3, 9)},
        {"shield and 92", 10, 15, 0, {-1, -1, 92, -1}, Shielded, 1, 8, 0, Exchange(1, 9)},
        {"shield and two 92, not below 0", 10, 15, 0, {-1, -1, 92, 92}, Shielded, 0, 9, 0, Exchange(0, 9)},
        {"card 99", 99, 15, 0, kBare, nullptr, 99, 0, 0, Exchange(99, 9)},
        {"chance 3", 10, 15, 3, kBare, nullptr, 8, 1, 0, {"クリティカル!!", "8ダメージ与えた！", "反撃＞ 9ダメージ食らった！"}},
        {"master", 10, 15, 0, {-1, master, -1, -1}, nullptr, 8, 1, 0, {"クリティカル!!", "8ダメージ与えた！", "反撃＞ 9ダメージ食らった！"}},
        {"chance 4 misses", 10, 15, 4, kBare, nullptr, 0, 9, 0, missed},
        {"licence on the target's side", 10, 15, 4, {-1, -1, -1, licence}, nullptr, 6, 3, 0, Exchange(6, 9)},
        {"second body at 6", 10, 15, 6, {-1, -1, second, -1}, nullptr, 0, 9, 0, missed},
        {"critical, then the miss", 10, 15, 3, {second, -1, -1, -1}, nullptr, 0, 9, 0, {"クリティカル!!", "Miss....", "0ダメージ与えた！", "反撃＞ 9ダメージ食らった！"}},
        {"card 77", 10, 77, 0, kBare, nullptr, 0, 9, 0, Exchange(0, 9)},
        {"magic way, MP over HP", 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[4].status2 = 8; d.chara[4].mp = 10; }, 0, 9, 0, Exchange(0, 9)},
        {"magic way, MP equal to HP", 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[4].status2 = 8; d.chara[4].mp = 9; }, 6, 3, 0, Exchange(6, 9)},
        {"rival on the target's side", 10, 15, 0, {-1, -1, -1, rival}, nullptr, 0, 9, 0, Exchange(0, 9)},
        {"225, opposed", 11, 12, 0, {225, -1, -1, -1}, nullptr, 9999, 0, 0, Exchange(9999, 9)},
        {"225, same element", 11, 16, 0, {225, -1, -1, -1}, nullptr, 0, 9, 0, Exchange(0, 9)},
        {"225 comes after the immunity", 11, 12, 0, {225, -1, rival, -1}, nullptr, 9999, 0, 0, Exchange(9999, 9)},
        {"one sword", 10, 15, 0, {sword, -1, -1, -1}, big, 12, 28, 0, Exchange(12, 40)},
        {"two swords quadruple", 10, 15, 0, {sword, sword, -1, -1}, big, 24, 16, 0, Exchange(24, 40)},
        {"sword and shield double, then halve", 11, 12, 0, {shield, sword, -1, -1}, big, 7, 33, 0, Exchange(7, 40)},
        {"one shield rounds toward zero", 11, 12, 0, {shield, -1, -1, -1}, nullptr, 3, 6, 0, Exchange(3, 9)},
        {"109, attacker HP higher", 10, 15, 0, {-1, -1, 109, -1}, [](DuelRecord& d) { d.chara[1].hp = 10; }, 0, 9, 1, Exchange(0, 9)},
        {"180, attacker LV higher", 10, 15, 0, {180, -1, -1, -1}, [](DuelRecord& d) { d.chara[1].lv = 2; }, 0, 9, 0, Exchange(0, 9)},
        {"180, equal LV", 10, 15, 0, {-1, -1, -1, 180}, nullptr, 6, 3, 0, Exchange(6, 9)},
        {"204, attacker number higher", 15, 10, 0, {-1, 204, -1, -1}, nullptr, 0, 9, 0, Exchange(0, 9)},
        {"204, attacker number lower", 10, 15, 0, {-1, -1, 204, -1}, nullptr, 6, 3, 0, Exchange(6, 9)},
        {"109 blocks even the 225 blow", 11, 12, 0, {225, 109, -1, -1}, [](DuelRecord& d) { d.chara[1].hp = 10; }, 0, 9, 1, Exchange(0, 9)},
    };
    // clang-format on
    for (const FlickCase& c : cases) Check(c);
}

// Absorption, drain, the shatter, the counter and the traps after the blow.
TEST(FlickAftermath, EveryTail) {
    const auto strong = [](DuelRecord& d) { d.chara[1].hp = 30; };
    // clang-format off
    const FlickCase cases[] = {
        {"barrier", 10, 15, 0, kBare, [](DuelRecord& d) { d.chara[4].status2 = 13; }, 6, 9, 0, {"6ダメージ与えた！", "峠の山賊はﾀﾞﾒｰｼﾞを吸収した！", "反撃＞ 9ダメージ食らった！"}},
        {"icon 37", 10, 15, 0, {37, -1, -1, -1}, [](DuelRecord& d) { d.chara[4].hp = 4; }, 6, 0, 3, {"6ダメージ与えた！", "吸血＞HPが 1回復した！", "反撃＞ 4ダメージ食らった！"}},
        {"draining card", 232, 15, 0, kBare, [](DuelRecord& d) { d.chara[4].hp = 4; }, 6, 0, 3, {"6ダメージ与えた！", "吸血＞HPが 1回復した！", "反撃＞ 4ダメージ食らった！"}},
        {"icon 4 on a plain target", 10, 15, 0, {-1, -1, 4, -1}, strong, 30, 0, 13, Exchange(30, 17)},
        {"icon 4 on a light target", 10, 11, 0, {-1, -1, 4, 4}, strong, 30, 0, 21, Exchange(30, 9)},
        {"icon 38", 10, 15, 0, {38, -1, -1, -1}, strong, 30, 0, 22, Exchange(30, 8)},
        {"icons 38 against a target at 1", 10, 15, 0, {38, 38, -1, -1}, [](DuelRecord& d) { d.chara[4].hp = 1; }, 6, 0, 6, Exchange(6, 0)},
        {"the attacker that takes no counter", 91, 15, 0, {-1, -1, 4, -1}, nullptr, 6, 3, 6, Exchange(6, 0)},
        {"the target that strikes back twice", 10, 64, 0, kBare, strong, 30, 0, 12, Exchange(30, 18)},
        {"icon 69 rounds toward zero", 10, 15, 0, {-1, -1, -1, 69}, [](DuelRecord& d) { d.chara[1].hp = 16; }, 16, 5, 3, {"16ダメージ与えた！", "反撃＞ 9ダメージ食らった！", "<トラップ!!>", "旅の行商人のHPが半減した!!", "峠の山賊のHP･MP 5回復"}},
        {"icon 83", 10, 15, 0, {-1, -1, 83, -1}, nullptr, 6, 8, 0, {"6ダメージ与えた！", "反撃＞ 9ダメージ食らった！", "<トラップ!!>", "旅の行商人は石化してしまった!!", "峠の山賊のHP 5回復"}},
    };
    // clang-format on
    for (const FlickCase& c : cases) Check(c);
}

// The blow, the poison, then the recoil trap; the poison took the place of <凍結>, so nothing is left
// to shatter.
TEST(FlickTranscript, PoisonComesBeforeTheShatterAndTheRecoil) {
    DuelSide s;
    Seat(s, 10, 14, 0, {108, -1, 69, -1});
    s.d.chara[4].status1 = 8;
    Flick(s.ctx);
    EXPECT_EQ(LinesAfterTitle(s.screen), (std::vector<std::string>{"6ダメージ与えた！", "毒化させた！", "反撃＞ 9ダメージ食らった！", "<トラップ!!>",
                                                                   "旅の行商人のHPが半減した!!", "雨乞いの巫女のHP･MP 5回復"}));
    EXPECT_EQ(s.d.chara[4].status1, 1);
}

// A frozen target shatters with "bara.wav" on channel 0 and a white flash, falls and stays frozen
// unless water, which thaws as it holds on at HP 1.
TEST(FlickTranscript, FrozenShatter) {
    for (const int32_t target : {15, 14}) {
        DuelSide s;
        Seat(s, 10, target, 0, kBare);
        s.d.chara[4].status1 = 8;
        Flick(s.ctx);
        const std::vector<std::string> tail(s.screen.transcript.begin() + 6, s.screen.transcript.begin() + 10);
        EXPECT_EQ(tail, (std::vector<std::string>{"se0: bara.wav", "flash white 4", "add: 凍結した肉体が、バラバラと崩れてしまった！", "click"}));
        EXPECT_EQ(s.d.chara[4].status1, target == 15 ? 8 : 0);
        EXPECT_EQ(s.d.chara[4].hp, target == 15 ? 0 : 1);  // water holds on at 1
    }
}

// The doubling of a huge blow wraps as the 32-bit game does, on both machines alike.
TEST(FlickDamage, DoublingWraps) {
    DuelSide s;
    Seat(s, 10, 15, 0, {IconNamed("レッドソード"), -1, -1, -1});
    s.d.chara[1].hp = 0x40000000;
    EXPECT_EQ(FlickDamage(s.ctx, FlickBase(s.ctx)), INT32_MIN);
}

}  // namespace
}  // namespace kestra::test
