#include "effects/statuses.h"

#include <array>
#include <string>

#include "duel/side_rules.h"
#include "duel/flash.h"

namespace kestra {

namespace {

using namespace status;

// The bad statuses the random pick walks through, by turn mod 7.
constexpr std::array<int32_t, 7> kRandomBad = {kBadBomb,   kBadPoison,    kBadSleep, kBadWeakened,
                                               kBadCurse, kBadConfusion, kBadFrozen};
// The good statuses the random pick walks through, by turn mod 8.
constexpr std::array<int32_t, 8> kRandomGood = {kGoodRampage,   kGoodHealing,  kGoodMagicPower, kGoodStrengthened,
                                                kGoodShield,    kGoodMagicPath, kGoodDivinity,  kGoodPromise};

// n mod m taken as 0..m-1, so a negative turn still picks a row.
size_t Index(int32_t n, int32_t m) { return static_cast<size_t>(((n % m) + m) % m); }

// The name of the card in a slot.
const std::string& NameOf(DuelContext& ctx, int32_t slot) { return Slot(ctx.d, slot).name; }

// A sound on the status channel, a flash, a line and a click.
void Present(DuelContext& ctx, std::string_view wave, FlashColour colour, int32_t slot, const std::string& line) {
    ctx.screen().PlaySe(wave, 3);
    Flash(ctx, colour, slot);
    ctx.msg.AddMessage(line);
    ctx.msg.WaitClick();
}

// The code of a field.
int32_t FieldValue(const tchar& c, StatusField field) { return field == StatusField::Bad ? c.status1 : c.status2; }

}  // namespace

bool InPoisonGroup(int32_t bad) { return bad == kBadPoison || bad == kBadStrongPoison; }

bool InTimerGroup(int32_t bad) { return bad >= kBadTime1 && bad <= kBadTime3; }

bool InHealingState(int32_t good) {
    return good == kGoodHealing || good == kGoodDivinity || good == kGoodMagicPower || good == kGoodCure;
}

int32_t RandomBadStatus(int32_t turn) { return kRandomBad[Index(turn, 7)]; }

int32_t RandomGoodStatus(int32_t turn) { return kRandomGood[Index(turn, 8)]; }

void AdvanceCountdown(tchar& c) {
    bool matched = false;
    if (c.status1 == kBadBomb) {
        c.hp = 0;
        matched = true;
    }
    if (c.status1 == kBadTime1) {
        c.hp = 1;
        c.status1 = kBadBomb;
        matched = true;
    }
    if (c.status1 == kBadTime2) {
        c.status1 = kBadBomb;
        matched = true;
    }
    if (c.status1 == kBadTime3) {
        c.status1 = kBadTime1;
        matched = true;
    }
    if (!matched) c.status1 = kBadTime2;
}

void EscalateConfusion(tchar& c) { c.status1 = c.status1 == kBadConfusion ? kBadBetrayal : kBadConfusion; }

void MoveBadStatus(tchar& user, tchar& target) {
    const int32_t code = user.status1;
    target.status1 = code;
    user.status1 = kBadNone;
}

void StealGoodStatus(tchar& user, tchar& target) {
    const int32_t code = target.status2;
    user.status2 = code;
    target.status2 = kGoodNone;
}

bool HasRequiredStatus(const tchar& c, const RequiredStatus& required) {
    const int32_t v = FieldValue(c, required.field);
    switch (required.group) {
        case StatusGroup::One: return v == required.code;
        case StatusGroup::Poison: return required.field == StatusField::Bad && InPoisonGroup(v);
        case StatusGroup::Timer: return required.field == StatusField::Bad && InTimerGroup(v);
        case StatusGroup::Healing: return required.field == StatusField::Good && InHealingState(v);
        case StatusGroup::Any: return v != 0;
    }
    return false;
}

void ClearStatusField(tchar& c, StatusField field) {
    if (field == StatusField::Bad) c.status1 = kBadNone;
    else c.status2 = kGoodNone;
}

void ShowNothingHappened(DuelContext& ctx) {
    ctx.msg.AddMessage("何も起きなかった....");
    ctx.msg.WaitClick();
}

void GiveRandomBadStatus(DuelContext& ctx, int32_t target) {
    Slot(ctx.d, target).status1 = RandomBadStatus(ctx.d.turn);
    Present(ctx, "down.wav", FlashColour::Black, target, NameOf(ctx, target) + "にランダムバッドステータス!!");
}

void GiveRandomGoodStatus(DuelContext& ctx, int32_t user) {
    Slot(ctx.d, user).status2 = RandomGoodStatus(ctx.d.turn);
    Present(ctx, "up.wav", FlashColour::White, user, NameOf(ctx, user) + "にランダムグッドステータス!!");
}

void ShortenLife(DuelContext& ctx, int32_t target) {
    AdvanceCountdown(Slot(ctx.d, target));
    Present(ctx, "down.wav", FlashColour::White, target, NameOf(ctx, target) + "は寿命が短くなった！");
}

void DriveMad(DuelContext& ctx, int32_t target) {
    EscalateConfusion(Slot(ctx.d, target));
    Present(ctx, "cat.wav", FlashColour::Fuchsia, target, NameOf(ctx, target) + "は頭がおかしくなった....");
}

void PassBadStatus(DuelContext& ctx, int32_t user, int32_t target) {
    MoveBadStatus(Slot(ctx.d, user), Slot(ctx.d, target));
    ctx.screen().PlaySe("kaijyo.wav", 3);
    Flash(ctx, FlashColour::White, user);
    Flash(ctx, FlashColour::White, target);
    ctx.msg.AddMessage(NameOf(ctx, user) + "のBADｽﾃｰﾀｽを" + NameOf(ctx, target) + "に転化させた！");
    ctx.msg.WaitClick();
}

void TakeGoodStatus(DuelContext& ctx, int32_t user, int32_t target) {
    StealGoodStatus(Slot(ctx.d, user), Slot(ctx.d, target));
    ctx.screen().PlaySe("kaijyo.wav", 3);
    Flash(ctx, FlashColour::White, target);
    Flash(ctx, FlashColour::White, user);
    ctx.msg.AddMessage(NameOf(ctx, target) + "のGOODｽﾃｰﾀｽを" + NameOf(ctx, user) + "に転化させた！");
    ctx.msg.WaitClick();
}

bool ClearRequiredStatus(DuelContext& ctx, int32_t slot, const RequiredStatus& required, const StatusReward& reward) {
    tchar& c = Slot(ctx.d, slot);
    if (!HasRequiredStatus(c, required)) {
        ShowNothingHappened(ctx);
        return false;
    }
    ClearStatusField(c, required.field);
    if (reward) reward(ctx, slot);
    return true;
}

}  // namespace kestra
