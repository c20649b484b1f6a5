#include "battle/end_of_action.h"

#include <array>

#include "duel/side_rules.h"
#include "battle/role_cards.h"
#include "catalogue/card_facts.h"
#include "duel/flash.h"
#include "duel/icon_rules.h"

namespace kestra {

namespace {

// The card's name, or the owner's label + "の" + name for the statuses that name their owner.
std::string Who(const DuelContext& ctx, int32_t slot, bool with_owner) {
    const std::string& name = Slot(ctx.d, slot).name;
    return with_owner ? OwnerLabel(ctx.d, slot) + "の" + name : name;
}

// A line with a click.
void Line(DuelContext& ctx, const std::string& text) {
    ctx.msg.AddMessage(text);
    ctx.msg.WaitClick();
}

// ((slot mod 3) + 1) x (my_id + aite_id + turn + luck) mod m, the same on both machines.
int32_t SharedPick(const DuelRecord& d, int32_t slot, int32_t m) {
    const uint32_t sum = static_cast<uint32_t>(d.my_id) + static_cast<uint32_t>(d.aite_id) +
                         static_cast<uint32_t>(d.turn) + static_cast<uint32_t>(d.luck);
    const int32_t product = static_cast<int32_t>(static_cast<uint32_t>(slot % 3 + 1) * sum);
    return product % m;
}

// An attack of one card on another (rampage and confusion): red flash, damage, absorb.
void Strike(DuelContext& ctx, int32_t victim, int32_t damage) {
    tchar& v = Slot(ctx.d, victim);
    Flash(ctx, FlashColour::Red, victim);
    v.hp -= damage;
    if (v.hp < 0) v.hp = 0;
    ctx.screen().PlaySe("punch.wav", 1);
    Line(ctx, v.name + "に攻撃し、" + std::to_string(damage) + "ダメージを与えた");
    if (v.status2 == 13) {
        v.hp += 2 * damage;
        Line(ctx, v.name + "はﾀﾞﾒｰｼﾞを吸収した！");
    }
}

// The first living card from `first` of a side, moving on at most twice (first → second → third → first).
int32_t LivingFrom(const DuelRecord& d, int32_t side_first, int32_t index) {
    for (int32_t tries = 0; tries < 3; ++tries) {
        const int32_t slot = side_first + (index + tries) % 3;
        if (Slot(d, slot).alive()) return slot;
    }
    return 0;
}

// Icon 260: the card takes the look of a catalogue card picked from the shared data.
void Imitation(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    const int32_t t = SharedPick(ctx.d, slot, 327);
    const int32_t pick = t < 0 ? t + 327 : t;
    const std::string& target_name = ctx.cat.card[static_cast<size_t>(pick)].name;
    Flash(ctx, FlashColour::White, slot);
    c.orig_no = pick;
    ctx.screen().SetSlotPicture(slot, CardPicturePath(pick));
    Line(ctx, c.name + "は" + target_name + "のカードへと変身した!!");
    c.name = "模造" + target_name;
}

// <暴>: the card attacks the other side where the chance digit aims.
void Rampage(DuelContext& ctx, int32_t slot) {
    const tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::White, slot);
    Line(ctx, c.name + "は暴走している");
    const int32_t aim = ctx.d.luck <= 3 ? 0 : ctx.d.luck <= 6 ? 1 : 2;
    const int32_t victim = LivingFrom(ctx.d, OtherFirstSlot(slot), aim);
    if (victim == 0) {
        Line(ctx, c.name + "はボーッとしている");
        return;
    }
    int32_t damage = c.hp + 1;
    if (IsCard(ctx.d, ctx.cat, slot, role::kWildRampager)) damage *= 2;
    Strike(ctx, victim, damage);
}

// <混乱> and <裏切>: the card attacks the next card of its own side.
void Confusion(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::White, slot);
    Line(ctx, c.name + "は混乱している");
    const int32_t first = FirstSlotOf(slot);
    const int32_t next = first + (slot - first + 1) % 3;
    if (!Slot(ctx.d, next).alive()) {
        Line(ctx, c.name + "はボーッとしている");
    } else {
        Strike(ctx, next, c.hp / 2 + 1);
    }
    if (IsCard(ctx.d, ctx.cat, slot, role::kSelfCalming)) {
        c.status1 = 0;
        Line(ctx, c.name + "は我に返った....");
    }
}

// Poison of any strength: damage, or healing for the poison eaters and technique 34.
void Poison(DuelContext& ctx, int32_t slot, int32_t amount, const char* kind) {
    tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::Green, slot);
    const bool eats = c.waza == 34 || IsCard(ctx.d, ctx.cat, slot, role::kPoisonEaters[0]) ||
                      IsCard(ctx.d, ctx.cat, slot, role::kPoisonEaters[1]);
    if (eats) {
        c.hp += amount;
        Line(ctx, c.name + "は毒ダメージ分 " + std::to_string(amount) + "回復");
        return;
    }
    c.hp -= amount;
    if (c.hp < 0) c.hp = 0;
    Line(ctx, c.name + "は" + kind + "ダメージ " + std::to_string(amount) + "を受けた");
}

// A countdown step or wake-up: the status moves on, with its line.
void Advance(DuelContext& ctx, int32_t slot, int32_t to, const char* suffix, bool flash) {
    if (flash) Flash(ctx, FlashColour::White, slot);
    Line(ctx, Who(ctx, slot, true) + suffix);
    Slot(ctx.d, slot).status1 = to;
}

// <爆弾>: the card blows up, unless it is one of the bomb-proof cards.
void Bomb(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    if (IsCard(ctx.d, ctx.cat, slot, role::kBombProof[0]) || IsCard(ctx.d, ctx.cat, slot, role::kBombProof[1])) {
        c.status1 = 0;
        Flash(ctx, FlashColour::Blue, slot);
        ctx.screen().PlaySe("kaifuku.wav", 3);
        c.hp += 10;
        c.mp += 10;
        Line(ctx, Who(ctx, slot, true) + "は、爆発無効 > HP,MP+10");
        return;
    }
    Flash(ctx, FlashColour::Black, slot);
    c.hp = 0;
    ctx.screen().PlaySe("baku.wav", 3);
    Line(ctx, Who(ctx, slot, true) + "の体は、木っ端微塵に吹き飛んだ!!");
}

// <病気>: the two other living cards of the side lose 1 HP and 1 MP.
void Sickness(DuelContext& ctx, int32_t slot) {
    const int32_t first = FirstSlotOf(slot);
    for (int32_t s = first; s < first + 3; ++s) {
        tchar& o = Slot(ctx.d, s);
        if (s == slot || !o.alive()) continue;
        Flash(ctx, FlashColour::Black, s);
        o.hp = o.hp > 1 ? o.hp - 1 : 0;
        o.mp = o.mp > 1 ? o.mp - 1 : 0;
        Line(ctx, o.name + "はHP・MPが 1ずつ減少した");
    }
}

// The "刹那のカード": huge life early, huge loss late.
void Moment(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    if (ctx.d.turn < 3) {
        Flash(ctx, FlashColour::Blue, slot);
        c.hp += 99;
        Line(ctx, c.name + "はHP + 99");
    } else if (ctx.d.turn >= 7) {
        Flash(ctx, FlashColour::Red, slot);
        c.hp -= 99;
        Line(ctx, c.name + "はHP - 99");
    }
}

// Icons 260 and 271 act while the other side does not wear icon 81.
bool ShieldedFrom(const DuelRecord& d, int32_t icon) {
    return (IWear(d, icon) && !OpponentWears(d, 81)) || (OpponentWears(d, icon) && !IWear(d, 81));
}

}  // namespace

void TickBadStatus(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    switch (c.status1) {
        case 1: Poison(ctx, slot, 1, "毒"); break;
        case 6: Poison(ctx, slot, 4, "猛毒"); break;
        case 18: Poison(ctx, slot, 9, "劇毒"); break;
        case 19: Poison(ctx, slot, 20, "死毒"); break;
        case 3: {
            Flash(ctx, FlashColour::Black, slot);
            const int32_t damage = c.hp / 2 < 1 ? 1 : c.hp / 2;
            c.hp -= damage;
            if (c.hp < 0) c.hp = 0;
            Line(ctx, c.name + "は呪いダメージ " + std::to_string(damage) + "を受けた");
            break;
        }
        case 2: Advance(ctx, slot, 0, "は目を覚ました!!", false); break;
        case 5: Advance(ctx, slot, 2, "は、石化から解け、眠りについた。", false); break;
        case 11: Advance(ctx, slot, 5, "は、牢から解け、石化した。", false); break;
        case 14: Advance(ctx, slot, 13, "は、<時２>状態へと変化した!!", true); break;
        case 13: Advance(ctx, slot, 12, "は、<時１>状態へと変化した!!", true); break;
        case 12: Advance(ctx, slot, 9, "は、<爆弾>状態へと変化した!!", true); break;
        case 9: Bomb(ctx, slot); break;
        case 10: Sickness(ctx, slot); break;
        case 15:
            Flash(ctx, FlashColour::Black, slot);
            c.hp = c.mp = 1;
            Line(ctx, c.name + "は<契約>により、HPとMPが 1になった！");
            break;
        case 7:
        case 16: Confusion(ctx, slot); break;
        default: break;
    }
}

void RunEndOfAction(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    const int32_t first = ActingOwn(d) ? 1 : 4;
    for (int32_t slot = first; slot < first + 3; ++slot) {
        if (!Slot(d, slot).alive()) continue;
        tchar& c = Slot(d, slot);
        if (AnyWears(d, 210) && c.element == 2) {
            Flash(ctx, FlashColour::Black, slot);
            c.hp -= c.hp / 2;
            c.mp -= c.mp / 2;
            Line(ctx, c.name + "はHPとMPが半減した");
        }
        if (ShieldedFrom(d, 260)) Imitation(ctx, slot);
        if (ShieldedFrom(d, 271)) {
            Flash(ctx, FlashColour::White, slot);
            const int32_t hp = SharedPick(d, slot, 20);
            c.hp = hp < 0 ? hp + 20 : hp;
            Line(ctx, c.name + "はHPがゴチャゴチャ!!");
        }
        if (c.status2 == 6) Rampage(ctx, slot);
        TickBadStatus(ctx, slot);
        if (IconWorn(d, ctx.cat, "刹那のカード")) Moment(ctx, slot);
    }
}

}  // namespace kestra
