#include "duel/flash.h"

namespace kestra {

void Flash(DuelContext& ctx, FlashColour colour, int32_t slot) {
    if (slot < 1 || slot > 6) return;
    if (FlashSkipsDeadSlot(colour) && !ctx.d.chara[static_cast<size_t>(slot)].alive()) return;
    ctx.screen().FlashSlot(colour, slot);
}

}  // namespace kestra
