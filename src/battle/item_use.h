#pragma once
// Items in battle (key 78): the opening line, then the effect of the item's catalogue row.
#include <cstdint>

#include "duel/duel_context.h"

namespace kestra {

// The highest effect code an item row may carry.
inline constexpr int32_t kLastItemEffect = 61;

// The item number the BATTLE NUMBER carries: the chance digit as tens, waza_arg2 as units.
int32_t ItemNumberOf(const DuelRecord& d);

// The effect code the item's row would run, or 0 when the row does nothing beyond the opening
// (no name, a code outside 1..61, an amount too large to double safely).
int32_t ItemEffectCode(const Catalogue& cat, int32_t item_number);

// The battle's item procedure: "itemuse.wav", "【name】を使った！", then the effect.
void UseItem(DuelContext& ctx);

}  // namespace kestra
