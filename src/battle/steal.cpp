#include "battle/steal.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/role_cards.h"
#include "battle/technique.h"
#include "duel/flash.h"

namespace kestra {

namespace {

// Which figure a step of the theft takes.
using Figure = int32_t tchar::*;

// Icon 81 on the target's side, or the guard dog alive on it, keeps the thief out.
bool Guarded(const DuelContext& ctx) {
    const DuelRecord& d = ctx.d;
    if (SideWears(d, d.tgt_no, 81)) return true;
    const int32_t first = FirstSlotOf(d.tgt_no);
    for (int32_t s = first; s < first + 3; ++s)
        if (Slot(d, s).alive() && IsCard(d, ctx.cat, s, role::kStealGuard)) return true;
    return false;
}

// The white flash on the target and the thief's cry that open every step of the theft.
void Grab(DuelContext& ctx) {
    Flash(ctx, FlashColour::White, ctx.d.tgt_no);
    ctx.screen().PlaySe("gya.wav", 3);
}

// In a normal duel the local player's purse follows the theft: plus n for slots 1..3, minus n
// (not below 0) when the opponent steals. Returns the line.
std::string TakeMoney(DuelContext& ctx, int32_t n) {
    if (ctx.d.look_mode) return "お金を盗んだ!!";
    int32_t& money = ctx.my.money;
    money = ActingOwn(ctx.d) ? WrapAdd(money, n) : std::max(0, WrapAdd(money, -n));
    return "お金を" + std::to_string(n) + "円盗んだ!!（所持金：" + std::to_string(money) + "円）";
}

// Step one: chance digit / 3 + 1 円.
void StealMoney(DuelContext& ctx) {
    Grab(ctx);
    ctx.msg.AddMessage(TakeMoney(ctx, ctx.d.luck / 3 + 1));
    ctx.msg.WaitClick();
}

// The thief takes LV / 3 of one figure: the target loses it (not below 0), the thief gains it all.
void StealFigure(DuelContext& ctx, Figure figure, std::string_view caption) {
    tchar& thief = Slot(ctx.d, ctx.d.atk_no);
    tchar& victim = Slot(ctx.d, ctx.d.tgt_no);
    const int32_t n = thief.lv / 3;
    Grab(ctx);
    victim.*figure = std::max(0, WrapAdd(victim.*figure, -n));
    thief.*figure = WrapAdd(thief.*figure, n);
    ctx.msg.AddMessage(std::string(caption) + std::to_string(n) + "盗んだ!!");
    ctx.msg.WaitClick();
}

// The target's good status moves over to the thief.
void StealGoodStatus(DuelContext& ctx) {
    tchar& thief = Slot(ctx.d, ctx.d.atk_no);
    tchar& victim = Slot(ctx.d, ctx.d.tgt_no);
    // A status change: white flash on the target, as the other steps, but without a second cry.
    Flash(ctx, FlashColour::White, ctx.d.tgt_no);
    thief.status2 = victim.status2;
    victim.status2 = 0;
    ctx.msg.AddMessage("Goodステータスを盗んだ!!");
    ctx.msg.WaitClick();
}

// LV 3 takes LV; then, by the thief's LV after that, 5 takes HP, 8 MP and 9 the good status.
void StealByLevel(DuelContext& ctx) {
    const tchar& thief = Slot(ctx.d, ctx.d.atk_no);
    if (thief.lv >= 3) StealFigure(ctx, &tchar::lv, "LVを ");
    if (thief.lv >= 5) StealFigure(ctx, &tchar::hp, "HPを ");
    if (thief.lv >= 8) StealFigure(ctx, &tchar::mp, "MPを ");
    if (thief.lv >= 9 && Slot(ctx.d, ctx.d.tgt_no).status2 != 0) StealGoodStatus(ctx);
}

}  // namespace

void Steal(DuelContext& ctx) {
    // The title line of every technique opens the theft too.
    ctx.msg.ShowMessage("＞盗む");
    ctx.msg.WaitClick();
    if (Guarded(ctx)) {
        MissTail(ctx);
        return;
    }
    StealMoney(ctx);
    StealByLevel(ctx);
    PetrifyTrap(ctx);
}

}  // namespace kestra
