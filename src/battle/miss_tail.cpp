#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/technique.h"
#include "duel/flash.h"

namespace kestra {

void MissTail(DuelContext& ctx) {
    ctx.msg.AddMessage("Miss....");
    ctx.msg.WaitClick();
    PetrifyTrap(ctx);
}

void SpringTrap(DuelContext& ctx) {
    ctx.screen().PlaySe("time_wav.wav", 2);
    Flash(ctx, FlashColour::Purple, ctx.d.atk_no);
    ctx.msg.ShowMessage("<トラップ!!>");
    ctx.msg.WaitClick();
}

void PetrifyTrap(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!SideWears(d, d.tgt_no, 83)) return;
    tchar& attacker = Slot(d, d.atk_no);
    tchar& target = Slot(d, d.tgt_no);
    SpringTrap(ctx);
    attacker.status1 = 5;
    ctx.msg.AddMessage(attacker.name + "は石化してしまった!!");
    ctx.msg.WaitClick();
    Flash(ctx, FlashColour::Blue, d.tgt_no);
    target.hp = WrapAdd(target.hp, 5);
    ctx.msg.AddMessage(target.name + "のHP 5回復");
    ctx.msg.WaitClick();
}

}  // namespace kestra
