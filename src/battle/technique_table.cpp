#include "battle/flick.h"
#include "battle/simple_techniques.h"
#include "battle/steal.h"
#include "battle/technique.h"

namespace kestra {

namespace {

// The flick, the steal and the single-word arts; the other families bring their
// own rows.
constexpr TechniqueRow kCoreTechniques[] = {
    {3, Steal},         // 盗む
    {8, Alchemy},       // 錬金術
    {10, Flick},        // でこぴん
    {18, NinjaArt},     // 忍術
    {26, PrayerArt},    // 祈祷術
    {27, HealingArt},   // 医術
    {28, HeavenArt},    // 天術
    {36, MindDrain},    // 吸心
    {47, FairyArt},     // 妖精術
    {48, NetherArt},    // 冥術
    {67, HeartArt},     // 心術
    {88, AllCreation},  // 森羅万象
    {96, Illusion},     // 幻術
};

// The technique in one family's rows, or nullptr.
TechniqueFn FindIn(std::span<const TechniqueRow> rows, int32_t key) {
    for (const TechniqueRow& row : rows)
        if (row.key == key) return row.run;
    return nullptr;
}

}  // namespace

TechniqueFn FindTechnique(int32_t key) {
    for (const std::span<const TechniqueRow> rows :
         {std::span<const TechniqueRow>(kCoreTechniques), AttackTechniqueRows(), StatusTechniqueRows(),
          FateTechniqueRows()})
        if (const TechniqueFn fn = FindIn(rows, key)) return fn;
    return nullptr;
}

}  // namespace kestra
