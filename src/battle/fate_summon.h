#pragma once
// 召喚 (key 23): rounds of summoning through the summon icons the attacker's side wears.
#include <cstdint>
#include <span>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// One summon being: the icon (by catalogue name) that calls it and what it does in a round.
struct SummonBeing {
    std::string_view icon;
    void (*act)(DuelContext& ctx, int32_t round);
};

// The summon beings in list order; none is authored yet, so the list is empty.
std::span<const SummonBeing> SummonBeings();

// Runs, for one round, the being of every listed icon the attacker's side wears: "syoukan.wav",
// "召喚＞" + icon name, then its act. Returns how many came.
int32_t RunSummonBeings(DuelContext& ctx, int32_t round);

// How many rounds a summon lasts: 1, +1 for サマナー, +1 for each summoner card, +1 for technique 30.
int32_t SummonRounds(const DuelContext& ctx);

// 召喚 (key 23): needs MP; blocked by icons 208 (early turns) and 217; astral heals, beings, MP card.
void Summon(DuelContext& ctx);

}  // namespace kestra
