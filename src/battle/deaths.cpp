#include "battle/deaths.h"

#include "duel/side_rules.h"
#include "battle/death_reactions.h"
#include "battle/role_cards.h"
#include "catalogue/card_facts.h"
#include "duel/flash.h"
#include "duel/icon_rules.h"

namespace kestra {

namespace {

constexpr const char* kDeadPicture = "cg/char-1.bmp";

// The ghost rises when its level and the chance digit meet one of three thresholds.
bool GhostRises(const tchar& c, int32_t luck) {
    return (c.lv >= 3 && luck < 3) || (c.lv >= 6 && luck < 5) || (c.lv >= 9 && luck < 7);
}

// The dying line: the owner's label, "の", the name, "は息絶えた....".
void DyingLine(DuelContext& ctx, int32_t slot) {
    ctx.screen().PlaySe("death.wav", 2);
    ctx.msg.AddMessage(OwnerLabel(ctx.d, slot) + "の" + Slot(ctx.d, slot).name + "は息絶えた....");
    ctx.screen().SetSlotPicture(slot, kDeadPicture);
}

// The card comes back with 1 HP and no statuses.
void Revive(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    DyingLine(ctx, slot);
    ctx.screen().SetSlotPicture(slot, CardPicturePath(c.card_no));
    Flash(ctx, FlashColour::Blue, slot);
    c.hp = 1;
    c.status1 = c.status2 = 0;
    if (IsCard(ctx.d, ctx.cat, slot, role::kUndead)) c.status2 = 5;
    ctx.screen().PlaySe("live.wav", 2);
    ctx.msg.AddMessage("しかし復活を遂げた!!");
    ctx.msg.WaitClick();
}

// The card dies: name "死亡", HP and statuses 0, the dead picture.
void Die(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    DyingLine(ctx, slot);
    c.name = std::string(kDeadName);
    c.hp = c.status1 = c.status2 = 0;
    ctx.msg.WaitClick();
}

// Sudden death: the last living reserve card (entries 9 down to 3) takes the slot.
void CallReserve(DuelContext& ctx, int32_t slot) {
    auto& deck = OwnSlot(slot) ? ctx.d.my_dekki : ctx.d.e_dekki;
    for (size_t k = 9; k >= 3; --k) {
        tchar& reserve = deck[k];
        if (!reserve.alive() || reserve.name.empty()) continue;
        tchar& c = Slot(ctx.d, slot);
        ctx.screen().PlaySe("d.wav", 2);
        Flash(ctx, FlashColour::Red, slot);
        c.name = AnyWears(ctx.d, 200) ? std::string("????") : reserve.name;
        c.card_no = c.orig_no = reserve.card_no;
        c.waza = reserve.waza;
        c.lv = reserve.lv;
        c.hp = reserve.hp;
        c.mp = reserve.mp;
        c.element = ElementOf(reserve.card_no);
        c.rarity = reserve.rarity;
        reserve.name = std::string(kDeadName);
        ctx.screen().SetSlotPicture(slot, CardPicturePath(c.card_no));
        ctx.msg.AddMessage("第" + std::to_string((slot - 1) % 3 + 1) + "番目の戦士が現れた！");
        ctx.msg.WaitClick();
        return;
    }
}

}  // namespace

bool RevivesInstead(const DuelRecord& d, const Catalogue& cat, int32_t slot) {
    const tchar& c = Slot(d, slot);
    if (c.status2 == 5 || c.status1 == 15) return true;
    if (IsCard(d, cat, slot, role::kGhost) && GhostRises(c, d.luck)) return true;
    if (d.duel_kind == 9) return true;
    return d.turn <= 4 && AnyWears(d, 81);
}

void ProcessDeaths(DuelContext& ctx) {
    for (int32_t slot = 1; slot <= 6; ++slot) {
        tchar& c = Slot(ctx.d, slot);
        if (c.hp > 0 || !c.alive()) continue;
        if (RevivesInstead(ctx.d, ctx.cat, slot)) {
            Revive(ctx, slot);
            continue;
        }
        if (RunDeathReaction(ctx, slot)) continue;
        Die(ctx, slot);
        if (ctx.d.duel_kind == kSuddenDeath) CallReserve(ctx, slot);
    }
}

bool WipedOut(const DuelRecord& d, int32_t first_slot) { return SideHp(d, first_slot) <= 0; }

}  // namespace kestra
