#pragma once
// The fate family's figures in one place: every amount, need and chance its techniques use.
#include <cstdint>

namespace kestra::fate {

// One row per technique key:
//   amount  the main figure (HP or MP moved, damage, divisor, rounds...)
//   extra   the second figure (a named card's or a variant's amount)
//   need    the threshold before it works (LV, MP or HP a card must have)
//   chance  chance digits 0..chance-1 take the first branch, the rest the second
struct FateAmounts {
    int32_t key;
    int32_t amount;
    int32_t extra;
    int32_t need;
    int32_t chance;
};

// clang-format off
inline constexpr FateAmounts kFateAmounts[] = {
    // key  amount extra need chance
    {4,   2,  7,  0, 10},  // 自殺: every other card loses 2 HP, 7 more with 煉炭
    {16,  0,  5,  5, 10},  // 転生: LV 5 needed; the phoenix needs none and keeps LV + 5 as HP
    {21,  0,  0,  0,  8},  // ドッペルゲンガー: 0..7 copy the target's HP, 8..9 run backwards
    {22,  3,  6,  0,  6},  // エリス: 0..5 revive with HP 3; 6..9 a zombie with HP 6 and <毒>
    {23,  1, 10,  1, 10},  // 召喚: astral +1 HP/MP per round, the summoner card +10 MP, 1 MP needed
    {31,  3,  1,  0, 10},  // 自爆: damage = the attacker's HP + 3; bomb-proof cards survive with HP 1;
                           //       the gambler wins on even digits
    {37,  1,  0,  0, 10},  // 風水術: HP set to 1
    {40,  1,  0,  0,  3},  // 吸血: drains 1 HP; the vampire turns the target on digits 0..2
    {43,  2,  1,  0, 10},  // 憑依: allies gain the attacker's HP / 2 + 1 and MP / 2 + 1
    {55,  2,  3,  0, 10},  // 解放: damage 2, plus 3 for every icon broken
    {57,  0,  0,  1, 10},  // 死: a dead card needs 1 MP to strike
    {58,  2,  0,  0, 10},  // インヤン: absorbs HP / 2
    {60,  0,  0,  0,  8},  // いたずら: digits 8..9 miss
    {63,  2,  1,  0,  6},  // ダンス: light heals 2 HP; others' dance gives 1 MP; dark confuses on 0..5
    {64,  2,  0,  3,  7},  // 集中: each ally with HP >= 3 gives 2 HP; works on digits 0..6
    {65,  8,  4,  0, 10},  // ヘルプ！！: HP + 8 and MP + 4, twice for the goddess
    {70,  2,  0,  4,  8},  // Ｍ法: enemies' HP / 2, costs 4 MP; digits 8..9 halve MP too
    {74,  0,  0,  0,  7},  // 波動: icon 1 goes; digits 7..9 take icon 2 as well
    {76,  0,  0,  0, 10},  // 魔術: the servant rises with its full HP, MP 0 and <裏切>
    {80,  2,  0,  0, 10},  // 数珠: own side HP and MP + 2
    {83,  2,  4,  0,  7},  // 食べる: bite 2 on 0..6, bark (sleep) on 7..9; dogs bark from digit 4
    {86,  0,  0,  0, 10},  // 妖術: HP becomes LV on both cards, both LVs 0
    {97,  1,  0,  0, 10},  // 奇術: absorbs 1 HP and 1 MP
};
// clang-format on

// The row of a key (every key the family builds has one).
constexpr const FateAmounts& Amounts(int32_t key) {
    for (const FateAmounts& row : kFateAmounts)
        if (row.key == key) return row;
    return kFateAmounts[0];
}

}  // namespace kestra::fate
