#pragma once
// The blow family's amounts and chance digits, one row per technique key.
#include <cstdint>

#include "duel/tchar.h"

namespace kestra {

// How hard one blow strikes and on which chance digits its luck turns.
//   key            technique key
//   hp_share       the base takes the attacker's HP divided by this (0: HP does not count; -1: the
//                  attacker's HP is taken off instead, for the weak who strike hard)
//   mp_share       the base takes the attacker's MP divided by this (0: MP does not count)
//   lv_share       the base takes the attacker's LV divided by this (0: LV does not count)
//   bonus          added to the base
//   extra          the row's own figure: a multiplier for its named cards or its variant, or the
//                  added damage of its stronger form
//   counter_share  a counter-attack strikes with the target's former HP divided by this (0: none of its own)
//   critical       chance digit of a critical hit, 2 more (-1: none of its own; a member that borrows the
//                  flick's critical uses its digit 3 and でこぴんマスター)
//   miss           chance digit of a miss (-1: none of its own; the flick's is digit 4 and its icons)
//   variant        chance digit of the row's variant (-1: none)
struct BlowAmount {
    int32_t key, hp_share, mp_share, lv_share, bonus, extra, counter_share, critical, miss, variant;
};

inline constexpr int32_t kCriticalBonus = 2;

// clang-format off
inline constexpr BlowAmount kBlowAmounts[] = {
    // key hp  mp  lv  bonus extra cnt crit miss variant
    {6,    0,  0,  2,  3,    1,    0,  3,  4,  9},   // 羊使いの銃: LV/2 + 3 to HP or MP; its counter cuts 1 LV; chance 9 also <時１>
    {7,    1,  0,  0,  0,    0,    0, -1, -1, -1},   // 体術: a flick without its luck
    {11,   0,  0,  1,  2,    0,    0, -1, -1, -1},   // 弓矢狼: LV + 2; the archers never miss
    {14,   1,  0,  0,  5,    0,    0, -1, -1, -1},   // ドラゴンバスター: HP + 5, dragons only
    {17,   1,  0,  0,  1,    0,    0, -1, -1, -1},   // 武術: HP + 1 with the flick's critical and miss
    {20,   0,  0,  0,  2,    2,    0, -1, -1, -1},   // 占星術: 2 + turn mod 4; the fortune teller twice
    {30,   2,  0,  0,  1,    0,    0, -1, -1, -1},   // シルヴィア剣: HP/2 + 1, no counter
    {33,   1,  0,  0,  1,    0,    0, -1, -1, -1},   // 暗黒剣: HP + 1 and the counter
    {34,   0,  0,  1,  4,    0,    0, -1, -1, -1},   // セイントダンス: LV + 4, dark ones only
    {38,   2,  0,  0,  1,    0,    0, -1, -1, -1},   // 柔術: the target's own HP/2 + 1
    {50,   0,  2,  0,  1,    2,    2, -1, -1, -1},   // 赤い風: MP/2 + 1; counter with half the HP
    {52,   0,  2,  0,  2,    2,    0, -1, -1, -1},   // 龍言語魔法: MP/2 + 2, a dragon adds 2
    {53,   1,  0,  0,  0,    0,    0, -1, -1,  0},   // 時間剣: HP; chance 0 turns time around
    {54,   1,  0,  0,  2,    0,    0, -1, -1, -1},   // 魔剣: HP + 2 for 1 MP
    {56,   0,  0,  1,  0,    0,    0, -1, -1, -1},   // 無想: the attacker's LV
    {68,   0,  0,  0,  15,   0,    0, -1, -1, -1},   // ウルトラでこぴん: 15 with the flick's rules
    {73,   2,  0,  0,  2,    0,    0, -1, -1, -1},   // ヴァイスクロイツ: HP/2 + 2, no counter
    {77,   3,  0,  0,  1,    0,    0, -1, -1, -1},   // 剣術: HP/3 + 1 to HP and MP
    {82,   2,  0,  0,  1,    0,    0, -1, -1, -1},   // ビンタ: HP/2 + 1 with the flick's luck
    {84,  -1,  0,  0,  10,   2,    0, -1, -1, -1},   // 弱さは強さ: 10 - HP; the weaklings twice
    {85,   1,  0,  0,  1,    0,    0, -1, -1, -1},   // トロッコ銃: HP + 1 for 1 LV
    {87,   2,  0,  0,  1,    0,    0, -1, -1, -1},   // 槍術: HP/2 + 1
    {90,   2,  0,  0,  1,    2,    0, -1, -1,  7},   // タマネギ斬り: HP/2 + 1; chance 7 twice and <↓>
    {94,   0,  0,  3,  5,    4,    0,  3,  4, -1},   // メテオ: LV/3 + 5, 4 more with 巨大隕石
    {95,   0,  0,  0,  6,    0,    0, -1, -1, -1},   // ミサイル: 6 for 1 LV
};
// clang-format on

// The row of a blow technique (every key above has one).
constexpr const BlowAmount& BlowAmountOf(int32_t key) {
    for (const BlowAmount& row : kBlowAmounts)
        if (row.key == key) return row;
    return kBlowAmounts[0];
}

// A share of a figure (0 counts nothing, -1 takes it off with the 32-bit wrap); halves and thirds
// truncate toward 0.
constexpr int32_t Share(int32_t value, int32_t divisor) {
    if (divisor == 0) return 0;
    if (divisor == -1) return static_cast<int32_t>(0u - static_cast<uint32_t>(value));
    return value / divisor;
}

// The row's base from a card's HP, MP and LV plus its bonus (32-bit wrap).
inline int32_t BlowBase(const BlowAmount& row, const tchar& card) {
    const uint32_t sum = static_cast<uint32_t>(Share(card.hp, row.hp_share)) +
                         static_cast<uint32_t>(Share(card.mp, row.mp_share)) +
                         static_cast<uint32_t>(Share(card.lv, row.lv_share)) +
                         static_cast<uint32_t>(row.bonus);
    return static_cast<int32_t>(sum);
}

}  // namespace kestra
