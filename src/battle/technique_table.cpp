#include "battle/technique.h"

#include <array>

#include "battle/flick.h"
#include "battle/simple_techniques.h"
#include "battle/steal.h"

namespace kestra {

namespace {

// One row of the dispatch table: a technique key and what it runs.
struct TechniqueRow {
    int32_t key;
    TechniqueFn run;
};

// The techniques built so far; every other key does nothing yet.
constexpr std::array<TechniqueRow, 13> kTechniques = {{
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
}};

}  // namespace

TechniqueFn FindTechnique(int32_t key) {
    for (const TechniqueRow& row : kTechniques)
        if (row.key == key) return row.run;
    return nullptr;
}

}  // namespace kestra
