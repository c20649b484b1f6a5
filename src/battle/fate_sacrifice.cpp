#include "battle/fate_sacrifice.h"

#include <algorithm>

#include "battle/fate_amounts.h"
#include "battle/fate_common.h"
#include "battle/role_cards.h"

namespace kestra {

using namespace kit;
using fate::Amounts;
using fate::Num;

namespace {

// What 自殺 takes from one card: its fixed loss, or all of a non-light card's HP when the doll dies.
int32_t SuicideLoss(const DuelContext& ctx, const tchar& c, int32_t loss) {
    const bool doll = IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kSuicideCard);
    return doll && c.element != 1 ? std::max(0, c.hp) : loss;
}

// The gambler's 自爆: an even digit blows the target away, an odd one only the gambler.
void GamblersBlast(DuelContext& ctx) {
    const bool even = ctx.d.luck % 2 == 0;
    const int32_t slot = even ? ctx.d.tgt_no : ctx.d.atk_no;
    tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::Red, slot);
    ctx.screen().PlaySe("baku.wav", kSe);
    c.hp = 0;
    Line(ctx, std::string(even ? "丁！ " : "半！ ") + c.name + "は吹き飛んだ！");
}

}  // namespace

// Suicide: the attacker's HP goes to 0 first, so the doll's rule still sees its name.
void Suicide(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "自殺");
    tchar& a = Attacker(ctx);
    ctx.screen().PlaySe("bara.wav", 0);
    Flash(ctx, FlashColour::Red, d.atk_no);
    a.hp = 0;
    Line(ctx, a.name + "は自殺をはかった！");
    if (SideWears(d, d.tgt_no, 74)) {
        Line(ctx, a.name + "の自殺を無意味に終わった....");
        return;
    }
    const auto& row = Amounts(4);
    const int32_t loss = row.amount + (EitherWearsNamed(ctx, "煉炭") ? row.extra : 0);
    for (int32_t n = 0; n < 6; ++n) {
        const int32_t s = fate::NthFromAttacker(d, n);
        tchar& c = Slot(d, s);
        if (s == d.atk_no || !c.alive()) continue;
        Flash(ctx, FlashColour::Black, s);
        const int32_t taken = SuicideLoss(ctx, c, loss);
        c.hp = WrapSub(c.hp, taken);
        c.status1 = 4;
        ctx.screen().PlaySe("d.wav", kSe);
        Line(ctx, "HP -" + Num(taken) + " ＆ <↓>");
    }
}

// Self-destruct: the blast is the attacker's HP + 3; a bomb-proof card walks out of it with HP 1.
void SelfDestruct(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::Opens(ctx, "自爆")) return;
    if (IsCard(d, ctx.cat, d.atk_no, role::kGambler)) return GamblersBlast(ctx);
    const auto& row = Amounts(31);
    tchar& a = Attacker(ctx);
    const int32_t blast = WrapAdd(std::max(0, a.hp), row.amount);
    const bool proof = IsAnyCard(ctx, d.atk_no, role::kBombProof);
    Flash(ctx, FlashColour::Red, d.atk_no);
    ctx.screen().PlaySe("baku.wav", kSe);
    a.hp = proof ? row.extra : 0;
    Line(ctx, a.name + "は吹き飛んだ！");
    tchar& t = Target(ctx);
    Flash(ctx, FlashColour::Red, d.tgt_no);
    t.hp = WrapSub(t.hp, blast);
    Line(ctx, t.name + "に " + Num(blast) + "ダメージ与えた！");
    if (proof) Line(ctx, a.name + "は爆風に耐えた!! HP " + Num(row.extra));
}

// Possession: what the attacker had is shared out before it is gone.
void Possession(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "憑依");
    const auto& row = Amounts(43);
    tchar& a = Attacker(ctx);
    const int32_t hp_gain = WrapAdd(std::max(0, a.hp) / row.amount, row.extra);
    const int32_t mp_gain = WrapAdd(std::max(0, a.mp) / row.amount, row.extra);
    Flash(ctx, FlashColour::Black, d.atk_no);
    ctx.screen().PlaySe("death.wav", kSe);
    a.hp = 0;
    Line(ctx, a.name + "は吹き飛んだ");
    bool any = false;
    for (int32_t s = FirstSlotOf(d.atk_no); s < FirstSlotOf(d.atk_no) + 3; ++s) {
        tchar& c = Slot(d, s);
        if (s == d.atk_no || !c.alive()) continue;
        Flash(ctx, FlashColour::Blue, s);
        c.hp = WrapAdd(c.hp, hp_gain);
        c.mp = WrapAdd(c.mp, mp_gain);
        any = true;
    }
    if (!any) return Line(ctx, "効果が無かった....");
    Line(ctx, "生き残った仲間のHPが" + Num(hp_gain) + "上昇した");
}

// Death art: a dead card's MP is spent only when the card facing it is alive to take it.
void DeathArt(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "死術");
    bool any = false;
    for (int32_t s = FirstSlotOf(d.atk_no); s < FirstSlotOf(d.atk_no) + 3; ++s) {
        tchar& dead = Slot(d, s);
        const int32_t f = Facing(s);
        tchar& foe = Slot(d, f);
        if (dead.alive() || dead.mp < Amounts(57).need || !foe.alive()) continue;
        const int32_t mp = dead.mp;
        Flash(ctx, FlashColour::Black, f);
        ctx.screen().PlaySe("noroi.wav", kSe);
        foe.hp = WrapSub(foe.hp, mp);
        dead.mp = 0;
        any = true;
        Line(ctx, foe.name + "は死者の怨念で " + Num(mp) + "ダメージを受けた！");
    }
    if (!any) Line(ctx, "何も起きなかった...");
}

}  // namespace kestra
