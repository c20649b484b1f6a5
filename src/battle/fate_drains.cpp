#include "battle/fate_drains.h"

#include "battle/fate_amounts.h"
#include "battle/fate_common.h"
#include "battle/role_cards.h"

namespace kestra {

using namespace kit;
using fate::Amounts;
using fate::Num;

namespace {

// The light dancer: each living card of its side gains HP.
void LightDance(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    const int32_t gain = Amounts(63).amount;
    for (int32_t s = FirstSlotOf(d.atk_no); s < FirstSlotOf(d.atk_no) + 3; ++s) {
        tchar& c = Slot(d, s);
        if (!c.alive()) continue;
        Flash(ctx, FlashColour::Blue, s);
        ctx.screen().PlaySe("kaifuku.wav", kSe);
        c.hp = WrapAdd(c.hp, gain);
        Line(ctx, c.name + "は光の舞に癒された！ HP+" + Num(gain));
    }
}

// The dark dancer: low digits confuse every living card across; the rest miss.
void DarkDance(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (d.luck >= Amounts(63).chance) return MissTail(ctx);
    for (int32_t s = OtherFirstSlot(d.atk_no); s < OtherFirstSlot(d.atk_no) + 3; ++s) {
        tchar& c = Slot(d, s);
        if (!c.alive()) continue;
        Flash(ctx, FlashColour::White, s);
        ctx.screen().PlaySe("down.wav", kSe);
        c.status1 = 7;
        Line(ctx, c.name + "は闇の舞に惑わされて混乱した！");
    }
}

}  // namespace

// Vampire: a sure drain of 1; the vampire's low digits make the target a vampire by name.
void Vampire(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::Opens(ctx, "吸血")) return;
    const auto& row = Amounts(40);
    tchar& a = Attacker(ctx);
    tchar& t = Target(ctx);
    ctx.screen().PlaySe("blood.wav", kSe);
    Flash(ctx, FlashColour::Fuchsia, d.tgt_no);
    t.hp = WrapSub(t.hp, row.amount);
    Flash(ctx, FlashColour::Blue, d.atk_no);
    a.hp = WrapAdd(a.hp, row.amount);
    Line(ctx, t.name + "から" + Num(row.amount) + "ダメージ吸収!!");
    const bool bites = IsCard(d, ctx.cat, d.atk_no, role::kVampire) && d.luck < row.chance;
    if (!bites || IsCard(d, ctx.cat, d.tgt_no, role::kVampire)) return;
    const std::string was = t.name;
    t.name = ctx.cat.card[static_cast<size_t>(role::kVampire)].name;
    Flash(ctx, FlashColour::Black, d.tgt_no);
    Line(ctx, was + "は吸血鬼にされてしまった！");
}

// Eat: the dogs bark from digit 4 on, everyone else only from digit 7.
void Eat(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::Opens(ctx, "食べる")) return;
    const auto& row = Amounts(83);
    tchar& t = Target(ctx);
    const int32_t bark_from = IsAnyCard(ctx, d.atk_no, role::kBarkers) ? row.extra : row.chance;
    if (d.luck >= bark_from) {
        ctx.screen().PlaySe("down.wav", kSe);
        Flash(ctx, FlashColour::White, d.tgt_no);
        t.status1 = 2;
        return Line(ctx, t.name + "はびっくりして気絶した！");
    }
    ctx.screen().PlaySe("punch.wav", kSe);
    Flash(ctx, FlashColour::Red, d.tgt_no);
    t.hp = WrapSub(t.hp, row.amount);
    Line(ctx, t.name + "に" + Num(row.amount) + "ダメージ与えた!!");
}

// Dance: the dancer's name decides the dance.
void Dance(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "ダンス");
    if (IsAnyCard(ctx, d.atk_no, role::kLightDancers)) return LightDance(ctx);
    if (IsAnyCard(ctx, d.atk_no, role::kDarkDancers)) return DarkDance(ctx);
    const int32_t gain = Amounts(63).extra;
    tchar& a = Attacker(ctx);
    Flash(ctx, FlashColour::Lime, d.atk_no);
    ctx.screen().PlaySe("ma_up.wav", kSe);
    a.mp = WrapAdd(a.mp, gain);
    Line(ctx, a.name + "は楽しげに踊った！ MP+" + Num(gain));
}

// Concentration: only on digits below the chance; allies below the need are spared.
void Concentration(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "集中");
    const auto& row = Amounts(64);
    tchar& a = Attacker(ctx);
    bool any = false;
    for (int32_t s = FirstSlotOf(d.atk_no); s < FirstSlotOf(d.atk_no) + 3 && d.luck < row.chance; ++s) {
        tchar& ally = Slot(d, s);
        if (s == d.atk_no || !ally.alive() || ally.hp < row.need) continue;
        Flash(ctx, FlashColour::White, s);
        ctx.screen().PlaySe("ma_up.wav", kSe);
        ally.hp = WrapSub(ally.hp, row.amount);
        a.hp = WrapAdd(a.hp, row.amount);
        any = true;
        Line(ctx, a.name + "は" + ally.name + "の力をもらった！");
    }
    if (!any) Line(ctx, "なにも起きなかった...");
}

}  // namespace kestra
