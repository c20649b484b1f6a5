#include "battle/fate_drains.h"
#include "battle/fate_icons.h"
#include "battle/fate_revival.h"
#include "battle/fate_sacrifice.h"
#include "battle/fate_summon.h"
#include "battle/fate_swaps.h"
#include "battle/technique.h"

namespace kestra {

namespace {

// Revival, self-sacrifice, copies and swaps, icon-breaking and heals.
constexpr TechniqueRow kFateTechniques[] = {
    {4, Suicide},         // 自殺
    {16, Rebirth},        // 転生
    {21, Doppelganger},   // ドッペルゲンガー
    {22, Eris},           // エリス
    {23, Summon},         // 召喚
    {31, SelfDestruct},   // 自爆
    {37, Geomancy},       // 風水術
    {40, Vampire},        // 吸血
    {43, Possession},     // 憑依
    {55, Release},        // 解放
    {57, DeathArt},       // 死術
    {58, YinYang},        // インヤン
    {60, Prank},          // いたずら
    {63, Dance},          // ダンス
    {64, Concentration},  // 集中
    {65, Help},           // ヘルプ！！
    {70, MMethod},        // Ｍ法
    {74, Wave},           // 波動
    {76, Sorcery},        // 魔術
    {80, Rosary},         // 数珠
    {83, Eat},            // 食べる
    {86, Witchcraft},     // 妖術
    {97, Conjuring},      // 奇術
};

}  // namespace

std::span<const TechniqueRow> FateTechniqueRows() { return kFateTechniques; }

}  // namespace kestra
