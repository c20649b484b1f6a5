// The icons that overwrite HP, MP, LV and statuses at the start.
#include <array>
#include <string>
#include <utility>

#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/reshape_steps.h"
#include "effects/statuses.h"

namespace kestra::reshape {

namespace {
using effect_kit::FirstSlot;
using effect_kit::Line;
using effect_kit::Say;

// Runs f on every slot 1..6 (only the living ones when living_only); true when f changed one of them.
template <typename F>
bool EverySlot(DuelRecord& d, F f, bool living_only = false) {
    bool changed = false;
    for (int32_t s = 1; s <= 6; ++s) {
        if (living_only && !Slot(d, s).alive()) continue;
        const tchar before = Slot(d, s);
        f(Slot(d, s));
        changed = changed || !(before == Slot(d, s));
    }
    return changed;
}

// Runs f on each side that wears the icon, for that side's three cards (once however many slots
// hold it; only the living ones when living_only); reports the rule once per side that changed.
template <typename F>
void WearersCards(DuelContext& ctx, StartReport& report, int32_t icon, F f, bool living_only = false) {
    for (const bool local : {true, false}) {
        if (!Wears(ctx.d, local, icon)) continue;
        bool changed = false;
        for (int32_t s = FirstSlot(local); s < FirstSlot(local) + 3; ++s) {
            if (living_only && !Slot(ctx.d, s).alive()) continue;
            const tchar before = Slot(ctx.d, s);
            f(Slot(ctx.d, s), s, local);
            changed = changed || !(before == Slot(ctx.d, s));
        }
        if (changed) report.Fired("icon" + std::to_string(icon));
    }
}

// Runs f on every slot when some icon slot holds the icon; reports once when it changed a slot.
template <typename F>
void WhenWorn(DuelContext& ctx, StartReport& report, int32_t icon, F f, bool living_only = false) {
    if (WornAnywhere(ctx.d, icon) && EverySlot(ctx.d, f, living_only)) report.Fired("icon" + std::to_string(icon));
}

// The rules that could raise a HP pass over the cards fused away in steps 3 and 4 ("死亡", HP 0):
// a dead card with HP would keep its side from ever being beaten while it has no card left to act.
constexpr bool kLiving = true;

// The catalogue rarity class of a card number (0 outside the catalogue).
int32_t CatalogueClass(const Catalogue& cat, int32_t card) {
    return card >= 0 && card < kCardRows ? cat.card[static_cast<size_t>(card)].rarity : 0;
}

// Step 19 for one icon slot: a side's full house when the other side leads by 10 or more.
void FullHouseSlot(DuelContext& ctx, StartReport& report, bool local, int32_t icon_slot, int32_t lead) {
    const int32_t icon = WornIcon(ctx.d, local, icon_slot);
    if (icon != 79 || lead < 10) return;
    const std::string head = "ICON" + std::to_string(icon_slot) + "＞HP差10以上につき、";
    Say(ctx, local ? head + "フルハウスが発動した!!" : head + ctx.d.e_label + "のフルハウスが発動した!!");
    for (int32_t s = FirstSlot(local); s < FirstSlot(local) + 3; ++s)
        if (Slot(ctx.d, s).alive()) Slot(ctx.d, s).hp += 7;
    Line(ctx, (local ? ctx.d.my_label : ctx.d.e_label) + "の３体＞HP+7");
    report.Fired("fullhouse79");
}
}  // namespace

void FloorAtZero(DuelContext& ctx, StartReport&) {
    EverySlot(ctx.d, [](tchar& c) {
        if (c.hp < 0) c.hp = 0;
        if (c.mp < 0) c.mp = 0;
    });
}

void StatusIcons(DuelContext& ctx, StartReport& report) {
    WhenWorn(ctx, report, 212, [](tchar& c) {
        if (c.element == 3) c.status1 = status::kBadBomb;
    });
    if (!WornAnywhere(ctx.d, 213)) return;
    const bool young = EverySlot(ctx.d, [](tchar& c) {
        if (c.lv >= 1 && c.lv <= 4) c.status1 = status::kBadConfusion;
    });
    const bool grown = EverySlot(ctx.d, [](tchar& c) {
        if (c.lv >= 5 && c.lv <= 9) c.status1 = status::kBadBetrayal;
    });
    if (young || grown) report.Fired("icon213");
}

void FigureIcons(DuelContext& ctx, StartReport& report) {
    WearersCards(ctx, report, 61, [](tchar& c, int32_t, bool) { std::swap(c.hp, c.mp); }, kLiving);
    WhenWorn(ctx, report, 211, [](tchar& c) {
        if (c.element == 4) c.hp = c.mp;
    }, kLiving);
    WearersCards(ctx, report, 88, [](tchar& c, int32_t, bool) {
        c.mp += c.hp;
        c.hp = 0;
    });
    DuelRecord& d = ctx.d;
    WearersCards(ctx, report, 98, [&d](tchar& c, int32_t s, bool local) {
        const int64_t r = local ? d.duel_role : OtherRole(d.duel_role);
        const int64_t sum = static_cast<int64_t>(c.card_no) + Slot(d, Facing(s)).card_no;
        c.hp = static_cast<int32_t>((sum * 3 * r) % 10);
    }, kLiving);
    WearersCards(ctx, report, 95, [](tchar& c, int32_t, bool) { c.hp = 0; });
    WhenWorn(ctx, report, 62, [](tchar& c) { c.hp = 3; }, kLiving);
    const Catalogue& cat = ctx.cat;
    WhenWorn(ctx, report, 223, [&cat](tchar& c) {
        const int32_t cls = CatalogueClass(cat, c.orig_no);
        if (cls != 8 && cls != 9 && cls != 15 && cls != 16 && cls != 17) return;
        c.hp /= 2;
        c.mp /= 2;
        c.lv /= 2;
    });
}

void HpSwings(DuelContext& ctx, StartReport& report) {
    if (WornAnywhere(ctx.d, 111))
        for (int32_t s = 1; s <= 6; ++s) {
            if (Slot(ctx.d, s).hp >= 6) continue;
            Flash(ctx, FlashColour::Black, s);
            ctx.msg.ShowMessage("ICON＞ＣＨＡＯＳが発動した!!\nHP x2");
            Slot(ctx.d, s).hp *= 2;
            ctx.msg.WaitClick();
            report.Fired("icon111");
        }
    if (WornAnywhere(ctx.d, 110))
        for (int32_t s = 1; s <= 6; ++s) {
            if (Slot(ctx.d, s).hp < 10) continue;
            Flash(ctx, FlashColour::White, s);
            ctx.msg.ShowMessage("ICON＞ＬＯＷが発動した!!\nHP 1/2");
            Slot(ctx.d, s).hp /= 2;
            ctx.msg.WaitClick();
            report.Fired("icon110");
        }
    std::array<int32_t, 7> before{};
    for (int32_t s = 1; s <= 6; ++s) before[static_cast<size_t>(s)] = Slot(ctx.d, s).hp;
    for (const bool local : {true, false}) {
        if (!Wears(ctx.d, local, 199)) continue;
        for (int32_t s = FirstSlot(local); s < FirstSlot(local) + 3; ++s)
            if (Slot(ctx.d, s).alive()) Slot(ctx.d, s).hp = before[static_cast<size_t>(Facing(s))] - 1;
        report.Fired("icon199");
    }
    for (int32_t s = 1; s <= 6; ++s)
        if (Slot(ctx.d, s).hp < 1) Slot(ctx.d, s).hp = 0;
}

void FullHouse(DuelContext& ctx, StartReport& report) {
    const int32_t a = SideHp(ctx.d, 1), b = SideHp(ctx.d, 4);  // taken once for the four checks
    FullHouseSlot(ctx, report, true, 1, b - a);
    FullHouseSlot(ctx, report, true, 2, b - a);
    FullHouseSlot(ctx, report, false, 1, a - b);
    FullHouseSlot(ctx, report, false, 2, a - b);
}

void ClosingIcons(DuelContext& ctx, StartReport& report) {
    for (const int32_t icon : {ctx.d.my_icon1, ctx.d.my_icon2, ctx.d.e_icon1, ctx.d.e_icon2}) {
        if (icon != 230) continue;
        for (int32_t s = 1; s <= 6; ++s)
            if (Slot(ctx.d, s).alive()) Slot(ctx.d, s).hp += 5;
        report.Fired("icon230");
    }
    if (!WornAnywhere(ctx.d, 251)) return;
    for (int32_t s = 1; s <= 6; ++s) {
        tchar& c = Slot(ctx.d, s);
        if (c.rarity < 9) continue;
        Flash(ctx, FlashColour::Fuchsia, s);
        c.hp -= c.hp / 2;
        c.mp -= c.mp / 2;
        Say(ctx, c.name + "はHP,MPが半減!!");
        report.Fired("icon251");
    }
}

}  // namespace kestra::reshape
