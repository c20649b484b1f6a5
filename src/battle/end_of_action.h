#pragma once
// What happens to each living card of the side that just acted: icons, rampage, status ticks.
#include "duel/duel_context.h"

namespace kestra {

// The status1 tick of one card (poison, curse, sleep, countdowns, bomb, sickness, contract, confusion).
void TickBadStatus(DuelContext& ctx, int32_t slot);

// The end-of-action effects for each living slot of the acting side, in slot order.
void RunEndOfAction(DuelContext& ctx);

}  // namespace kestra
