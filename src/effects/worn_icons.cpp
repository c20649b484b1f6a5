#include "effects/worn_icons.h"

namespace kestra {

void LiftWornIcon(DuelContext& ctx, bool local_side, int32_t icon_slot) {
    int32_t& worn = WornIcon(ctx.d, local_side, icon_slot);
    if (local_side && ctx.d.look_mode) (icon_slot == 2 ? ctx.my.icon_slot2 : ctx.my.icon_slot1) = worn;
    worn = -1;
}

}  // namespace kestra
