#pragma once
// Small steps the fate family's techniques share: sane slots, the standing target, the walk over the
// six cards as the attacker sees them, raising a dead card, the worn icons by side and the opening.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/technique.h"
#include "battle/technique_kit.h"
#include "catalogue/card_facts.h"
#include "duel/flash.h"

namespace kestra::fate {

// A decimal number for a line.
inline std::string Num(int32_t n) { return std::to_string(n); }

// Both slots of the action are real card slots (the battle phase guarantees it; tests may not).
inline bool SlotsSane(const DuelRecord& d) {
    return d.atk_no >= 1 && d.atk_no <= 6 && d.tgt_no >= 1 && d.tgt_no <= 6;
}

// The target is still standing; otherwise "効果が無かった...." ends the technique.
inline bool TargetStands(DuelContext& ctx) {
    if (kit::Target(ctx).alive()) return true;
    kit::Line(ctx, "効果が無かった....");
    return false;
}

// The six slots in the attacker's order: its own side first, then the other side, so both
// programs walk the same cards in the same order.
inline int32_t NthFromAttacker(const DuelRecord& d, int32_t n) {
    return n < 3 ? FirstSlotOf(d.atk_no) + n : OtherFirstSlot(d.atk_no) + (n - 3);
}

// The first dead slot of the side that begins at first_slot, or 0.
inline int32_t FirstDead(const DuelRecord& d, int32_t first_slot) {
    for (int32_t s = first_slot; s < first_slot + 3; ++s)
        if (!Slot(d, s).alive()) return s;
    return 0;
}

// A dead card takes back its catalogue name (hidden as "????" while icon 200 is worn, as every name
// is then) and its picture; the caller sets its figures.
inline tchar& RaiseDead(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    if (c.card_no >= 0 && c.card_no < kCardRows) c.name = ctx.cat.card[static_cast<size_t>(c.card_no)].name;
    if (c.name.empty() || !c.alive() || WornAnywhere(ctx.d, 200)) c.name = "????";
    ctx.screen().SetSlotPicture(slot, CardPicturePath(c.card_no));
    return c;
}

// The steps every one-target fate technique opens with: sane slots, title, a standing target.
inline bool Opens(DuelContext& ctx, std::string_view caption) {
    if (!SlotsSane(ctx.d)) return false;
    kit::Title(ctx, caption);
    return TargetStands(ctx);
}

}  // namespace kestra::fate
