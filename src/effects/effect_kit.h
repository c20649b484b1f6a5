#pragma once
// The small steps the opening rules share: lines with their click, the sides' slots, named cards.
#include <cstdint>
#include <string>
#include <string_view>

#include "duel/duel_context.h"
#include "duel/side_rules.h"

namespace kestra::effect_kit {

// A line shown alone, then the click.
inline void Say(DuelContext& ctx, std::string_view text) {
    ctx.msg.ShowMessage(text);
    ctx.msg.WaitClick();
}

// A line added under what is shown, then the click.
inline void Line(DuelContext& ctx, std::string_view text) {
    ctx.msg.AddMessage(text);
    ctx.msg.WaitClick();
}

// The first slot of the local side (1) or the opponent's (4), and the slot facing another.
inline int32_t FirstSlot(bool local_side) { return local_side ? 1 : 4; }
inline int32_t Facing(int32_t slot) { return slot <= 3 ? slot + 3 : slot - 3; }

// One of the side's three slots holds card n (by name, so a renamed card no longer counts).
inline bool SideHasCard(const DuelContext& ctx, bool local_side, int32_t card) {
    for (int32_t s = FirstSlot(local_side); s < FirstSlot(local_side) + 3; ++s)
        if (IsCard(ctx.d, ctx.cat, s, card)) return true;
    return false;
}

// The words in front of an opponent's card in a mirrored line: e_label + "の"; nothing for the local side.
inline std::string OwnerPrefix(const DuelRecord& d, bool local_side) { return local_side ? "" : d.e_label + "の"; }

}  // namespace kestra::effect_kit
