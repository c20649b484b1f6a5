#pragma once
// Slot flashes as the rules ask for them: some colours skip a dead slot.
#include "duel/duel_context.h"

namespace kestra {

// Blink slot 1..6 in a colour, unless the colour skips dead slots and the slot is dead.
void Flash(DuelContext& ctx, FlashColour colour, int32_t slot);

}  // namespace kestra
