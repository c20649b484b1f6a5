#include "battle/fate_icons.h"

#include "battle/fate_amounts.h"
#include "battle/fate_common.h"
#include "battle/role_cards.h"

namespace kestra {

using namespace kit;
using fate::Amounts;
using fate::Num;

namespace {

// An icon master alive on the side that holds the slot.
bool IconMasterGuards(const DuelContext& ctx, int32_t slot) {
    const int32_t first = FirstSlotOf(slot);
    for (int32_t s = first; s < first + 3; ++s)
        if (IsAnyCard(ctx, s, role::kIconMasters)) return true;
    return false;
}

}  // namespace

// Release: each worn icon shatters with its own line; the blast grows with what was broken.
void Release(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::Opens(ctx, "解放")) return;
    const auto& row = Amounts(55);
    const std::string& label = OwnerLabel(d, d.tgt_no);
    int32_t broken = 0;
    for (int32_t which = 1; which <= 2; ++which) {
        int32_t& icon = WornIcon(d, OwnSlot(d.tgt_no), which);
        if (icon == -1) continue;
        icon = -1;
        ++broken;
        ctx.screen().PlaySe("baki.wav", kSe);
        Line(ctx, label + "のアイコン" + Num(which) + "が砕けた！");
    }
    const int32_t damage = row.amount + row.extra * broken;
    tchar& t = Target(ctx);
    Flash(ctx, FlashColour::Red, d.tgt_no);
    ctx.screen().PlaySe("baku.wav", kSe);
    t.hp = WrapSub(t.hp, damage);
    Line(ctx, t.name + "に " + Num(damage) + "ダメージ与えた！");
}

// Wave: the icon master's side is untouched; empty icon slots have nothing to lift.
void Wave(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "波動");
    if (IconMasterGuards(ctx, d.tgt_no)) return Line(ctx, "無効....");
    const std::string& label = OwnerLabel(d, d.tgt_no);
    const int32_t last = d.luck >= Amounts(74).chance ? 2 : 1;
    bool any = false;
    for (int32_t which = 1; which <= last; ++which) {
        int32_t& icon = WornIcon(d, OwnSlot(d.tgt_no), which);
        if (icon == -1) continue;
        if (!any) {
            Flash(ctx, FlashColour::White, d.tgt_no);
            ctx.screen().PlaySe("do.wav", kSe);
        }
        icon = -1;
        any = true;
        Line(ctx, label + "のアイコン" + Num(which) + "を解除させた！");
    }
    if (!any) Line(ctx, "何も起きなかった...");
}

}  // namespace kestra
