#include "effects/worn_icons.h"

namespace kestra {

int32_t& WornIcon(DuelRecord& d, bool local_side, int32_t icon_slot) {
    if (local_side) return icon_slot == 2 ? d.my_icon2 : d.my_icon1;
    return icon_slot == 2 ? d.e_icon2 : d.e_icon1;
}

void LiftWornIcon(DuelContext& ctx, bool local_side, int32_t icon_slot) {
    int32_t& worn = WornIcon(ctx.d, local_side, icon_slot);
    if (local_side && ctx.d.look_mode) (icon_slot == 2 ? ctx.my.icon_slot2 : ctx.my.icon_slot1) = worn;
    worn = -1;
}

}  // namespace kestra
