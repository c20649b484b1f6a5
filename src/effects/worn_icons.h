#pragma once
// The four worn icons as the opening rules lift them.
#include <cstdint>

#include "duel/duel_context.h"
#include "duel/side_rules.h"

namespace kestra {

// Lifts a worn icon for this duel (the slot becomes -1). In view mode a local icon is first written
// into the save record's equipped slot, so the viewer's own equipment is what the duel showed.
void LiftWornIcon(DuelContext& ctx, bool local_side, int32_t icon_slot);

}  // namespace kestra
