#include "battle/fate_summon.h"

#include "battle/fate_amounts.h"
#include "battle/fate_common.h"
#include "battle/role_cards.h"

namespace kestra {

using namespace kit;
using fate::Amounts;
using fate::Num;

namespace {

// Icon 208 worn by anyone stops summons up to turn 4; icon 217 guards the side it is worn on.
bool SummonBlocked(const DuelRecord& d) {
    const bool sands = WornAnywhere(d, 208);
    return (sands && d.turn <= 4) || SideWears(d, d.tgt_no, 217);
}

// Icon 215 on the attacker's side: each living card of that side gains 1 HP and 1 MP.
bool AstralHeal(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!SideWears(d, d.atk_no, 215)) return false;
    const int32_t gain = Amounts(23).amount;
    const int32_t first = FirstSlotOf(d.atk_no);
    for (int32_t s = first; s < first + 3; ++s) Flash(ctx, FlashColour::Blue, s);
    ctx.screen().PlaySe("kaifuku.wav", kSe);
    for (int32_t s = first; s < first + 3; ++s) {
        tchar& c = Slot(d, s);
        if (!c.alive()) continue;
        c.hp = WrapAdd(c.hp, gain);
        c.mp = WrapAdd(c.mp, gain);
    }
    Line(ctx, "アストラル＞全員のHPとMPを 1ずつ回復した！");
    return true;
}

// The summoner girl draws 10 MP from the rounds she called.
bool SummonerMp(DuelContext& ctx) {
    if (!IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kSummonMpCard)) return false;
    tchar& a = Attacker(ctx);
    const int32_t gain = Amounts(23).extra;
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    a.mp = WrapAdd(a.mp, gain);
    Line(ctx, a.name + "はMPが " + Num(gain) + "上がった！");
    return true;
}

}  // namespace

int32_t RunSummonBeings(DuelContext& ctx) {
    int32_t came = 0;
    for (const SummonBeing& being : SummonBeings()) {
        if (!SideWearsNamed(ctx.d, ctx.cat, ctx.d.atk_no, being.icon)) continue;
        ctx.screen().PlaySe("syoukan.wav", 2);
        ctx.msg.ShowMessage("召喚＞" + being.icon);
        ctx.screen().ShowSummon(being.picture);
        ctx.msg.WaitClick();
        ActSummonBeing(ctx, being);
        ctx.screen().ShowSummon("");
        ++came;
    }
    return came;
}

int32_t SummonRounds(const DuelContext& ctx) {
    const DuelRecord& d = ctx.d;
    int32_t rounds = 1;
    if (SideWearsNamed(d, ctx.cat, d.atk_no, "サマナー")) ++rounds;
    if (IsCard(d, ctx.cat, d.atk_no, role::kSummonRounds)) ++rounds;
    if (IsCard(d, ctx.cat, d.atk_no, role::kSummonRoundsAtLv9) && Slot(d, d.atk_no).lv >= 9) ++rounds;
    if (Slot(d, d.atk_no).waza == 30) ++rounds;
    return rounds;
}

// Summon: the checks, then the rounds; a summon that brings nothing says so.
void Summon(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "召喚");
    if (Attacker(ctx).mp < Amounts(23).need) return Line(ctx, "ＭＰが足りなかった....");
    if (SummonBlocked(d)) {
        ctx.msg.ShowMessage("召喚魔法を唱えた!!");
        ctx.msg.WaitClick();
        return Line(ctx, "....無効化された");
    }
    bool any = false;
    const int32_t rounds = SummonRounds(ctx);
    for (int32_t round = 1; round <= rounds; ++round) {
        if (AstralHeal(ctx)) any = true;
        if (RunSummonBeings(ctx) > 0) any = true;
    }
    if (SummonerMp(ctx)) any = true;
    if (!any) Line(ctx, "何も現れなかった....");
}

}  // namespace kestra
