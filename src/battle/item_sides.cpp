// Items that reach past the two cards: the worn icons, the sides' elements, the turn counter and
// the dead allies' MP. "The acting side" is the user's side, so both programs touch the same slots.
#include <string>

#include "base/int_text.h"
#include "battle/item_effects.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/statuses.h"
#include "player/checksum.h"

namespace kestra::item {

namespace {

using effect_kit::Line;
using effect_kit::Say;
using std::to_string;

// HP every broken icon gives.
constexpr int32_t kHpPerIcon = 45;

// The save record's equipped icon of slot 1 or 2.
int32_t& EquippedIcon(tmy& my, int32_t icon_slot) { return icon_slot == 2 ? my.icon_slot2 : my.icon_slot1; }

// The viewer's own save record follows an icon change of the local side; a viewed duel never does.
void SetEquipped(DuelContext& ctx, int32_t icon_slot, int32_t icon) {
    if (ctx.d.look_mode) return;
    ChangeSealed(ctx.my, [&](tmy& m) { EquippedIcon(m, icon_slot) = icon; });
}

// Effect 5: the acting side's worn icons break, 45 HP each (doubled) for the user.
void BreakIcons(const Use& u) {
    DuelContext& ctx = u.ctx;
    const bool local = u.local_acts();
    Flash(ctx, FlashColour::White, ctx.d.atk_no);
    int32_t count = 0;
    for (int32_t k = 1; k <= 2; ++k) {
        int32_t& worn = WornIcon(ctx.d, local, k);
        if (worn == -1) continue;
        worn = -1;
        if (local) SetEquipped(ctx, k, -1);
        Line(ctx, (local ? std::string() : ctx.d.e_label + "の") + "アイコン" + to_string(k) + "が砕けた！");
        count += kHpPerIcon;
    }
    const int32_t n = Doubled(ctx, count);
    tchar& c = u.user();
    c.hp = WrapAdd(c.hp, n);
    Cue(ctx, "kaifuku.wav", 1, FlashColour::Blue, ctx.d.atk_no);
    Say(ctx, c.name + "は " + to_string(n) + "回復した!!");
}

// Effects 27 and 51: the element of one side's three slots, dead or alive, becomes a.
void ChangeElements(const Use& u, bool own_side) {
    DuelContext& ctx = u.ctx;
    if (u.amount < 0 || u.amount > 4) {
        ShowNothingHappened(ctx);
        return;
    }
    const int32_t first = own_side ? FirstSlotOf(ctx.d.atk_no) : OtherFirstSlot(ctx.d.atk_no);
    const std::string words = own_side ? "は属性が変化した！"
                              : u.local_acts() ? "の属性を変化させた！"
                                               : "の属性を変化させられた！";
    for (int32_t s = first; s < first + 3; ++s) {
        tchar& c = Slot(ctx.d, s);
        c.element = u.amount;
        Cue(ctx, "zoku.wav", kit::kSe, FlashColour::White, s);
        Line(ctx, c.name + words);
    }
}

// Effect 41: the turn counter moves by a (doubled); a result below 2 becomes 1.
void ShiftTurns(const Use& u) {
    DuelContext& ctx = u.ctx;
    const int32_t n = Doubled(ctx, u.amount);
    ctx.d.turn = WrapAdd(ctx.d.turn, n);
    if (ctx.d.turn < 2) ctx.d.turn = 1;
    Cue(ctx, "time_wav.wav", kit::kSe, FlashColour::White, ctx.d.atk_no);
    Line(ctx, u.user().name + "は時間を " + to_string(n) + "ターン変化させた！");
}

// Effects 55 and 56: the other side's icon slot k is taken off. When it is the local icon, the save
// record keeps it equipped, so it is not lost with the duel.
void TakeOffIcon(const Use& u, int32_t k) {
    DuelContext& ctx = u.ctx;
    ctx.screen().PlaySe("icon.wav", 0);
    const std::string slot = "アイコン" + to_string(k);
    if (u.local_acts()) {
        Say(ctx, ctx.d.e_label + "の" + slot + "を解除させた！");
        WornIcon(ctx.d, false, k) = -1;
        return;
    }
    Say(ctx, slot + "を解除させられた！");
    int32_t& worn = WornIcon(ctx.d, true, k);
    if (worn != -1) SetEquipped(ctx, k, worn);
    worn = -1;
}

// Effect 59: each dead card of the acting side gives its MP (doubled) to the user's HP.
void DeadAlliesMp(const Use& u) {
    DuelContext& ctx = u.ctx;
    Cue(ctx, "noroi.wav", 2, FlashColour::Black, ctx.d.atk_no);
    const int32_t first = FirstSlotOf(ctx.d.atk_no);
    bool any = false;
    for (int32_t s = first; s < first + 3; ++s) {
        tchar& dead = Slot(ctx.d, s);
        if (dead.alive()) continue;
        any = true;
        const int32_t m = Doubled(ctx, dead.mp);
        Flash(ctx, FlashColour::Lime, s);
        ctx.screen().PlaySe("kaifuku.wav", kit::kSe);
        u.user().hp = WrapAdd(u.user().hp, m);
        Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
        Line(ctx, "死者のMP " + to_string(m) + "を力と換えた");
        dead.mp = 0;
    }
    if (!any) Line(ctx, "何も起きなかった...");
}

}  // namespace

bool RunSide(const Use& u, int32_t code) {
    switch (code) {
        case 5: BreakIcons(u); return true;
        case 27: ChangeElements(u, true); return true;
        case 41: ShiftTurns(u); return true;
        case 51: ChangeElements(u, false); return true;
        case 55: TakeOffIcon(u, 1); return true;
        case 56: TakeOffIcon(u, 2); return true;
        case 59: DeadAlliesMp(u); return true;
        default: return false;
    }
}

}  // namespace kestra::item
