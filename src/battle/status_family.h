#pragma once
// The status family's figures in one table, and the small steps its techniques share: the target
// check, the "大防御" defence.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra::status {

// One technique's figures. Columns:
//   amount  the main figure it gives or takes (HP, MP, a status code, as the row says)
//   extra   the second figure (the stronger variant, the side-mates' share, a step)
//   cost    what the attacker needs and pays (MP or LV, as the row says); 0 = free
//   low     chance digits below this miss or take the weaker branch; 0 = never
//   high    chance digits from this on take the other branch; 10 = never
struct Figures {
    int32_t key;
    int32_t amount, extra, cost, low, high;
};

// clang-format off
inline constexpr std::array<Figures, 21> kFigures = {{
    //key amount extra cost low high
    {5,   3,     0,    0,   1,  10},  // ナイチンゲール: HP+3 with ブルーセンシティブ; いつくしむ心 skips position p on digit 1+3p
    {12,  2,     1,    0,   3,  10},  // 妖精王ミディール: target HP-2, side-mates HP-1; below 3 the fairies leave
    {13,  0,     0,    0,   2,   7},  // テンプテーション: misses below 2; betrayal from 7 or on the confused
    {15,  0,     0,    0,   1,  10},  // イルネス: misses on 0
    {24,  0,     0,    0,   0,  10},  // バーサーカー: never misses, only "大防御" stops it
    {25, 14,    13,    0,   1,   9},  // 時限爆弾: plants <時３>, or <時２> from digit 9; misses on 0
    {32,  4,     0,    4,   0,  10},  // パルテナ鏡: each own card <盾> and HP+4, for 4 MP
    {35,  0,     0,    2,   0,  10},  // 魔方陣: each own card <魔道>, for 2 MP
    {41,  0,     0,    0,   0,   7},  // ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ: <毒>, <猛毒> from 7 or on a poisoned target
    {42,  4,     5,    0,   0,  10},  // オールト雲: MP+4, or MP+5 and recovery with 雲 or <雲>
    {44,  0,     0,    0,   2,  10},  // 青い風: misses below 2
    {45,  0,     0,    3,   0,   3},  // 審判: 3 MP; <神格> alone below 3, <神格> with <契約> from 3
    {46,  0,     0,    3,   3,  10},  // 契約: needs and pays 3 LV; below 3 it binds the attacker itself
    {51,  0,     0,    0,   0,  10},  // ユージュアル: no figures
    {61,  2,     2,    0,   0,  10},  // 人魚の歌: song = digit / extra; heals and sharpens by amount
    {62,  0,     0,    3,   0,  10},  // 約束: <約> for 3 MP
    {66,  0,     0,    0,   0,  10},  // ユージュアル２: no figures
    {71,  0,     0,    0,   3,  10},  // 八ノ地経文: misses below 3
    {81,  1,     4,    0,   0,  10},  // 癒しの風: HP + amount + digit / extra (1 to 3)
    {91,  2,     1,    0,   0,   7},  // 獣神イリューガー: attacker HP+2, allies HP+1; <↑> from 7
    {93,  0,     0,    0,   4,  10},  // 凍結: misses below 4; fire cards and "大防御" are not frozen
}};
// clang-format on

// Where a key's row sits in the table; the table's size when it has none.
constexpr size_t RowOf(int32_t key) {
    for (size_t i = 0; i < kFigures.size(); ++i)
        if (kFigures[i].key == key) return i;
    return kFigures.size();
}

// The figures of one key; a key without a row does not compile.
template <int32_t Key>
constexpr const Figures& Of() {
    static_assert(RowOf(Key) < kFigures.size(), "a status technique without its figures");
    return kFigures[RowOf(Key)];
}

// Bad statuses the strengthened mist cannot lift: <仮死>, <裏切>, <契約>, <牢>, <爆弾>.
bool Unliftable(int32_t status1);

// A living target in slots 1..6; otherwise "無効...." and false.
bool TargetStands(DuelContext& ctx);

// The card in the slot holds the "大防御" defence.
bool GreatDefence(const DuelContext& ctx, int32_t slot);

}  // namespace kestra::status
