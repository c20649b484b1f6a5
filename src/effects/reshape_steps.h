#pragma once
// The reshaping steps as IconReshaping runs them, in four small files: exchanges, fusion, hidden
// identities and the HP and status rules. Private to the reshaping; the tests go through IconReshaping.
#include <cstdint>

#include "duel/duel_context.h"
#include "effects/effect_kit.h"
#include "effects/start_report.h"

namespace kestra::reshape {

// The worn icons by side and anywhere, from the shared kit.
using effect_kit::Wears;

// Steps 1: icons 59 and 63 exchange the first and the second cards of the two sides.
void ExchangeCards(DuelContext& ctx, StartReport& report);
// Step 8: icon 219 exchanges the bad statuses of facing cards (and its mirror).
void ExchangeBadStatuses(DuelContext& ctx, StartReport& report);

// Step 3: icon 82 fuses a side's three cards into the first.
void Fusion(DuelContext& ctx, StartReport& report);
// Step 4: three cards of one orig_no fuse into a being of the table.
void TripleFusions(DuelContext& ctx, StartReport& report);

// Step 5: icon 221 lets cards 111 to 119 show their hidden identities.
void HiddenIdentities(DuelContext& ctx, StartReport& report);

// Step 2: HP and MP below 0 become 0 (a clamp, reported by no name).
void FloorAtZero(DuelContext& ctx, StartReport& report);
// Steps 6 and 7: icons 212 and 213 (statuses by element and by LV).
void StatusIcons(DuelContext& ctx, StartReport& report);
// Steps 9 to 15: icons 61, 211, 88, 98, 95, 62 and 223.
void FigureIcons(DuelContext& ctx, StartReport& report);
// Steps 16 to 18: icons 111 (ＣＨＡＯＳ), 110 (ＬＯＷ) and 199.
void HpSwings(DuelContext& ctx, StartReport& report);
// Step 19: full house (icon 79).
void FullHouse(DuelContext& ctx, StartReport& report);
// Steps 20 and 21: icons 230 and 251.
void ClosingIcons(DuelContext& ctx, StartReport& report);

}  // namespace kestra::reshape
