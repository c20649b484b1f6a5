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

// One of the side's three slots holds card n (by name, so a renamed card no longer counts).
inline bool SideHasCard(const DuelContext& ctx, bool local_side, int32_t card) {
    for (int32_t s = FirstSlot(local_side); s < FirstSlot(local_side) + 3; ++s)
        if (IsCard(ctx.d, ctx.cat, s, card)) return true;
    return false;
}

// The catalogue name of card n (rules name cards by number and match them by this name).
inline const std::string& CardName(const DuelContext& ctx, int32_t n) { return ctx.cat.card[static_cast<size_t>(n)].name; }

// The side wears the icon in either slot.
inline bool Wears(const DuelRecord& d, bool local_side, int32_t icon) {
    return WornIcon(d, local_side, 1) == icon || WornIcon(d, local_side, 2) == icon;
}

// The words in front of an opponent's card in a mirrored line: e_label + "の"; nothing for the local side.
inline std::string OwnerPrefix(const DuelRecord& d, bool local_side) { return local_side ? "" : d.e_label + "の"; }

}  // namespace kestra::effect_kit
