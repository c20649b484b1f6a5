#include "battle/fate_swaps.h"

#include <algorithm>
#include <utility>

#include "battle/fate_amounts.h"
#include "battle/fate_common.h"
#include "battle/flick.h"
#include "battle/role_cards.h"

namespace kestra {

using namespace kit;
using fate::Amounts;
using fate::Num;

namespace {

// The element across from another: light and dark, fire and water; none faces none.
int32_t OppositeElement(int32_t element) {
    constexpr int32_t kOpposite[5] = {0, 2, 1, 4, 3};
    return element >= 0 && element <= 4 ? kOpposite[element] : -1;
}

}  // namespace

// Doppelganger: the copy usually runs towards the attacker; digits 8 and 9 run it backwards.
void Doppelganger(DuelContext& ctx) {
    if (!fate::Opens(ctx, "ドッペルゲンガー")) return;
    DuelRecord& d = ctx.d;
    tchar& a = Attacker(ctx);
    tchar& t = Target(ctx);
    ctx.screen().PlaySe("ma.wav", kSe);
    Flash(ctx, FlashColour::White, d.atk_no);
    Flash(ctx, FlashColour::White, d.tgt_no);
    if (d.luck < Amounts(21).chance) {
        a.hp = t.hp;
        Line(ctx, a.name + "は" + t.name + "のHPを写し取った!!");
    } else {
        t.hp = a.hp;
        Line(ctx, t.name + "に" + a.name + "のHPを写し取られた!!");
    }
    if (a.status1 == 0 || d.atk_no == d.tgt_no) return;
    t.status1 = std::exchange(a.status1, 0);
    Line(ctx, "ステータス異状を相手に転換させた!!");
}

// Prank: the target's "大防御" stops it, high digits miss it, the doll turns it on the target alone.
void Prank(DuelContext& ctx) {
    if (!fate::Opens(ctx, "いたずら")) return;
    DuelRecord& d = ctx.d;
    if (IsAnyCard(ctx, d.tgt_no, role::kGreatDefence)) return Line(ctx, "無効....");
    if (d.luck >= Amounts(60).chance) return MissTail(ctx);
    tchar& a = Attacker(ctx);
    tchar& t = Target(ctx);
    ctx.screen().PlaySe("do.wav", kSe);
    Flash(ctx, FlashColour::White, d.tgt_no);
    if (IsCard(d, ctx.cat, d.atk_no, role::kUpsideDownDoll)) {
        std::swap(t.hp, t.mp);
        return Line(ctx, t.name + "のHPとMPを入れ替えた");
    }
    Flash(ctx, FlashColour::White, d.atk_no);
    std::swap(a.hp, t.hp);
    Line(ctx, a.name + "と" + t.name + "のHPを入れ替えた");
}

// Yin-yang: half of what the target has (nothing from a card at 0 or below).
void YinYang(DuelContext& ctx) {
    if (!fate::Opens(ctx, "インヤン")) return;
    DuelRecord& d = ctx.d;
    tchar& a = Attacker(ctx);
    tchar& t = Target(ctx);
    const int32_t half = std::max(0, t.hp) / Amounts(58).amount;
    ctx.screen().PlaySe("ma.wav", kSe);
    Flash(ctx, FlashColour::Fuchsia, d.tgt_no);
    t.hp = WrapSub(t.hp, half);
    Flash(ctx, FlashColour::Blue, d.atk_no);
    a.hp = WrapAdd(a.hp, half);
    Line(ctx, a.name + "は" + t.name + "のHPの半分を吸収した!!");
}

// M method: costs MP; the divisor cuts every living enemy, the trap icons of the target's side answer.
void MMethod(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "Ｍ法");
    const auto& row = Amounts(70);
    if (!PayMp(ctx, row.need)) return;
    const bool both = d.luck >= row.chance;
    ctx.screen().PlaySe("magic.wav", kSe);
    for (int32_t s = OtherFirstSlot(d.atk_no); s < OtherFirstSlot(d.atk_no) + 3; ++s) {
        tchar& c = Slot(d, s);
        if (!c.alive()) continue;
        Flash(ctx, FlashColour::Purple, s);
        c.hp /= row.amount;
        if (both) c.mp /= row.amount;
    }
    Line(ctx, (both ? "敵のHPとMPを 1/" : "敵のHPを 1/") + Num(row.amount) + "にさせた！");
    BlowTraps(ctx);
}

// Geomancy: the attacker pays with its own HP first, then the opposite element follows it down.
void Geomancy(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "風水術");
    const int32_t hp = Amounts(37).amount;
    tchar& a = Attacker(ctx);
    ctx.screen().PlaySe("ma2.wav", kSe);
    Flash(ctx, FlashColour::White, d.atk_no);
    a.hp = hp;
    Line(ctx, a.name + "のHPは " + Num(hp) + "になった!!");
    const int32_t opposite = OppositeElement(a.element);
    for (int32_t n = 0; n < 6; ++n) {
        const int32_t s = fate::NthFromAttacker(d, n);
        tchar& c = Slot(d, s);
        if (s == d.atk_no || !c.alive() || c.element != opposite) continue;
        Flash(ctx, FlashColour::White, s);
        c.hp = hp;
        Line(ctx, c.name + "のHPを " + Num(hp) + "にした!!");
    }
}

// Witchcraft: both cards' HP becomes their LV; the attacker first.
void Witchcraft(DuelContext& ctx) {
    if (!fate::Opens(ctx, "妖術")) return;
    DuelRecord& d = ctx.d;
    ctx.screen().PlaySe("ma.wav", kSe);
    for (const int32_t s : {d.atk_no, d.tgt_no}) {
        tchar& c = Slot(d, s);
        Flash(ctx, FlashColour::White, s);
        c.hp = c.lv;
        c.lv = 0;
        Line(ctx, c.name + "はLvをHP値として転化させた!!");
        if (d.atk_no == d.tgt_no) break;
    }
}

// Conjuring: a small, sure drain with no counter-attack.
void Conjuring(DuelContext& ctx) {
    if (!fate::Opens(ctx, "奇術")) return;
    DuelRecord& d = ctx.d;
    const int32_t n = Amounts(97).amount;
    tchar& a = Attacker(ctx);
    tchar& t = Target(ctx);
    ctx.screen().PlaySe("ma.wav", kSe);
    Flash(ctx, FlashColour::Fuchsia, d.tgt_no);
    t.hp = WrapSub(t.hp, n);
    t.mp = WrapSub(t.mp, n);
    Flash(ctx, FlashColour::Blue, d.atk_no);
    a.hp = WrapAdd(a.hp, n);
    a.mp = WrapAdd(a.mp, n);
    Line(ctx, a.name + "は" + t.name + "からHPとMPを " + Num(n) + "ずつ吸収した!!");
}

}  // namespace kestra
