#include "battle/status_family.h"

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/role_cards.h"
#include "battle/technique_kit.h"

namespace kestra::status {

bool Unliftable(int32_t status1) {
    return status1 == 17 || status1 == 16 || status1 == 15 || status1 == 11 || status1 == 9;
}

// Slots outside 1..6 hold no card; a dead card cannot be charmed, cursed or frozen.
bool TargetStands(DuelContext& ctx) {
    const int32_t t = ctx.d.tgt_no;
    if (t >= 1 && t <= 6 && Slot(ctx.d, t).alive()) return true;
    kit::Line(ctx, "無効....");
    return false;
}

// The three heavy guardians stand behind their "大防御"; matched by name, so a card that became one
// of them holds it too.
bool GreatDefence(const DuelContext& ctx, int32_t slot) {
    return kit::IsAnyCard(ctx, slot, role::kGreatDefence);
}

}  // namespace kestra::status
