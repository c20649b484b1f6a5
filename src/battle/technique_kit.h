#pragma once
// The small steps every technique shares: title and result lines, the attacker
// and target, the silent 32-bit arithmetic both programs agree on, and the slot
// ranges side-wide arts walk.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "duel/duel_context.h"
#include "duel/flash.h"
#include "effects/effect_kit.h"

namespace kestra::kit {

// Technique sounds play on channel 3.
inline constexpr int32_t kSe = 3;

// The title line "＞" + caption, replacing the message text, then the click.
inline void Title(DuelContext& ctx, std::string_view caption) {
    ctx.msg.ShowMessage("＞" + std::string(caption));
    ctx.msg.WaitClick();
}

// A result line added under the title, then the click: the same step the opening rules use.
using effect_kit::Line;

// The card that uses the technique, and the card it is used on.
inline tchar& Attacker(DuelContext& ctx) { return Slot(ctx.d, ctx.d.atk_no); }
inline tchar& Target(DuelContext& ctx) { return Slot(ctx.d, ctx.d.tgt_no); }
inline const tchar& Attacker(const DuelContext& ctx) { return Slot(ctx.d, ctx.d.atk_no); }
inline const tchar& Target(const DuelContext& ctx) { return Slot(ctx.d, ctx.d.tgt_no); }

// Difference, double and half with the silent 32-bit wrap both programs share
// (halves truncate toward 0).
inline int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t WrapDouble(int32_t a) { return static_cast<int32_t>(static_cast<uint32_t>(a) * 2u); }
inline int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// Subtract, but never below 0.
inline int32_t LoseDownToZero(int32_t value, int32_t loss) { return std::max(0, WrapSub(value, loss)); }

// The card in the slot bears the name of one of the listed cards.
inline bool IsAnyCard(const DuelContext& ctx, int32_t slot, std::span<const int32_t> cards) {
    for (const int32_t n : cards)
        if (IsCard(ctx.d, ctx.cat, slot, n)) return true;
    return false;
}

// Either side wears an icon of this catalogue name.
inline bool EitherWearsNamed(const DuelContext& ctx, std::string_view name) {
    return SideWearsNamed(ctx.d, ctx.cat, 1, name) || SideWearsNamed(ctx.d, ctx.cat, 4, name);
}

// The attacker pays `cost` of one figure (MP or LV); without enough, the short line and false.
inline bool Pay(DuelContext& ctx, int32_t tchar::*figure, int32_t cost, const std::string& short_line) {
    tchar& a = Attacker(ctx);
    if (a.*figure < cost) {
        Line(ctx, short_line);
        return false;
    }
    a.*figure = WrapSub(a.*figure, cost);
    return true;
}

// The attacker pays `cost` MP; without enough, "ＭＰが足りなかった...." and false.
inline bool PayMp(DuelContext& ctx, int32_t cost) {
    return Pay(ctx, &tchar::mp, cost, "ＭＰが足りなかった....");
}

// The attacker pays `cost` LV; without enough, "ＬＶが足りなかった...." and false.
inline bool PayLv(DuelContext& ctx, int32_t cost) {
    return Pay(ctx, &tchar::lv, cost, "ＬＶが足りなかった....");
}

// The slots a side-wide technique walks, first to last.
struct SlotRange {
    int32_t first, last;
};
// The attacker's own three slots, the three across from it, and all six.
inline SlotRange OwnSide(const DuelRecord& d) { return {FirstSlotOf(d.atk_no), FirstSlotOf(d.atk_no) + 2}; }
inline SlotRange OtherSide(const DuelRecord& d) {
    return {OtherFirstSlot(d.atk_no), OtherFirstSlot(d.atk_no) + 2};
}
inline constexpr SlotRange kAllSix{1, 6};

// The side-wide shape: title, then each living card that picks() accepts, in
// slot order, gets a lime flash, the wave (channel 3), change() and the line
// change() returns; "何も起きなかった..." when none was picked.
template <class Picks, class Change>
void SideWide(DuelContext& ctx, std::string_view caption, SlotRange range, std::string_view wave, Picks picks,
              Change change) {
    Title(ctx, caption);
    bool any = false;
    for (int32_t s = range.first; s <= range.last; ++s) {
        tchar& c = Slot(ctx.d, s);
        if (!c.alive() || !picks(c)) continue;
        any = true;
        Flash(ctx, FlashColour::Lime, s);
        ctx.screen().PlaySe(wave, kSe);
        Line(ctx, change(c));
    }
    if (!any) Line(ctx, "何も起きなかった...");
}

}  // namespace kestra::kit
