#pragma once
// Deaths after an action: revival, scripted reactions, dying, and the sudden-death reserve.
#include "duel/duel_context.h"

namespace kestra {

// The card in the slot comes back instead of dying (promise, contract, the ghost's luck,
// the 801 duel, icon 81 in the first four turns).
bool RevivesInstead(const DuelRecord& d, const Catalogue& cat, int32_t slot);

// Handle every slot 1..6 whose HP is 0 or less and that is not dead yet, in slot order.
void ProcessDeaths(DuelContext& ctx);

// Whether a side (slots first..first+2) is wiped out: its three HP sum to 0 or less.
bool WipedOut(const DuelRecord& d, int32_t first_slot);

}  // namespace kestra
