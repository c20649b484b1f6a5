#pragma once
// 召喚 (key 23): rounds of summoning through the summon icons the attacker's side wears.
#include <cstdint>

#include "battle/summon_beings.h"
#include "duel/duel_context.h"

namespace kestra {

// Runs, for one round, the being of every listed icon the attacker's side wears (once, even when
// both its slots hold it): "syoukan.wav" on channel 2, "召喚＞" + icon name, the being's picture in
// the summon panel, the click, its effect, the panel hidden. Returns how many came.
int32_t RunSummonBeings(DuelContext& ctx);

// How many rounds a summon lasts: 1, +1 for サマナー, +1 for each summoner card, +1 for technique 30.
int32_t SummonRounds(const DuelContext& ctx);

// 召喚 (key 23): needs MP; blocked by icons 208 (early turns) and 217; astral heals, beings, MP card.
void Summon(DuelContext& ctx);

}  // namespace kestra
