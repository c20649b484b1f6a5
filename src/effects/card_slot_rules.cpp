// Step 4 of the duel start, second half: cards that set their own or everyone's figures, then the fixed
// opening statuses of particular cards.
#include <array>
#include <string>

#include "base/int_text.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/card_rules_parts.h"
#include "effects/effect_kit.h"
#include "effects/statuses.h"

namespace kestra {

namespace {

using effect_kit::CardName;
constexpr int32_t kUnchanged = -1;

// A card's fixed opening statuses (kUnchanged leaves that field alone).
struct FixedStatus {
    int32_t card, bad, good;
};
constexpr std::array<FixedStatus, 20> kFixedStatuses = {{
    {216, 11, kUnchanged}, {228, 5, kUnchanged},  {229, kUnchanged, 9}, {207, kUnchanged, 6},
    {221, kUnchanged, 12}, {206, kUnchanged, 4},  {205, 17, 10},        {201, kUnchanged, 9},
    {139, kUnchanged, 8},  {199, kUnchanged, 11}, {198, kUnchanged, 3}, {176, kUnchanged, 3},
    {177, kUnchanged, 4},  {178, kUnchanged, 8},  {181, kUnchanged, 5}, {313, 15, kUnchanged},
    {266, 14, kUnchanged}, {264, kUnchanged, 5},  {317, kUnchanged, 5}, {320, kUnchanged, 8},
}};

// Card 208's HP by (my_id + aite_id) mod 10; a negative remainder gives 6.
constexpr std::array<int32_t, 10> kWhimHp = {1, 2, 3, 5, 7, 9, 11, 0, 15, 8};
constexpr int32_t kWhimNegativeHp = 6;

// One of the six slots holds card n.
bool AnywhereCard(const DuelContext& ctx, int32_t card) {
    return effect_kit::SideHasCard(ctx, true, card) || effect_kit::SideHasCard(ctx, false, card);
}

// Card 304 anywhere: every slot with HP 10 or more falls to HP 1.
void SoulEater(DuelContext& ctx, StartReport& report) {
    if (!AnywhereCard(ctx, 304)) return;
    const std::string line = CardName(ctx, 304) + " > 魂を食らう HP=1";
    for (int32_t s = 1; s <= 6; ++s) {
        if (Slot(ctx.d, s).hp < 10) continue;
        Flash(ctx, FlashColour::Black, s);
        Slot(ctx.d, s).hp = 1;
        ctx.screen().PlaySe("down.wav", 3);
        effect_kit::Say(ctx, line);
        report.Fired("card304");
    }
}

// Card 251: facing an odd card number, HP 7 and MP 7; facing an even one it becomes the car.
void Coachman(DuelContext& ctx, StartReport& report) {
    for (int32_t s = 1; s <= 6; ++s) {
        if (!IsCard(ctx.d, ctx.cat, s, 251)) continue;
        tchar& c = Slot(ctx.d, s);
        if (Slot(ctx.d, Facing(s)).card_no % 2 != 0) {
            c.hp = 7;
            c.mp = 7;
        } else {
            c.name = "車";
            c.hp = 10;
            c.mp = 0;
            ctx.screen().SetSlotPicture(s, "cg/car.bmp");
        }
        report.Fired("card251");
    }
}

// Card 208's HP follows the two IDs.
void WhimHp(DuelContext& ctx, StartReport& report) {
    const int32_t r = SharedIdSum(ctx.d) % 10;
    const int32_t hp = r < 0 ? kWhimNegativeHp : kWhimHp[static_cast<size_t>(r)];
    for (int32_t s = 1; s <= 6; ++s) {
        if (!IsCard(ctx.d, ctx.cat, s, 208)) continue;
        Slot(ctx.d, s).hp = hp;
        report.Fired("card208");
    }
}

// Card 209 sleeps at the bottom: HP 0 and suspended death.
void SleepingPrincess(DuelContext& ctx, StartReport& report) {
    for (int32_t s = 1; s <= 6; ++s) {
        if (!IsCard(ctx.d, ctx.cat, s, 209)) continue;
        Slot(ctx.d, s).hp = 0;
        Slot(ctx.d, s).status1 = status::kBadSuspended;
        report.Fired("card209");
    }
}

// Card 211 anywhere, the nurse: her own slots are promised revival, then every slot heals 10 HP.
void Nurse(DuelContext& ctx, StartReport& report) {
    if (!AnywhereCard(ctx, 211)) return;
    for (int32_t s = 1; s <= 6; ++s)
        if (IsCard(ctx.d, ctx.cat, s, 211)) Slot(ctx.d, s).status2 = status::kGoodPromise;
    for (int32_t s = 1; s <= 6; ++s) {
        Flash(ctx, FlashColour::Blue, s);
        ctx.screen().PlaySe("kaifuku.wav", 3);
        Slot(ctx.d, s).hp = WrapAdd(Slot(ctx.d, s).hp, 10);
        effect_kit::Say(ctx, "看護婦によってHPが 10回復した");
    }
    report.Fired("card211");
}

// Every slot holding a card of the fixed table takes its statuses.
void FixedStatuses(DuelContext& ctx, StartReport& report) {
    for (int32_t s = 1; s <= 6; ++s)
        for (const FixedStatus& f : kFixedStatuses) {
            if (!IsCard(ctx.d, ctx.cat, s, f.card)) continue;
            if (f.bad != kUnchanged) Slot(ctx.d, s).status1 = f.bad;
            if (f.good != kUnchanged) Slot(ctx.d, s).status2 = f.good;
            report.Fired("fixed_statuses");
        }
}

}  // namespace

void SlotCardRules(DuelContext& ctx, StartReport& report) {
    SoulEater(ctx, report);
    Coachman(ctx, report);
    WhimHp(ctx, report);
    SleepingPrincess(ctx, report);
    Nurse(ctx, report);
    FixedStatuses(ctx, report);
}

}  // namespace kestra
