#pragma once
// The halves of the card-presence rules (step 4 of the duel start), each for the local side, then the mirror.
#include <cstdint>

#include "duel/duel_context.h"
#include "effects/start_report.h"

namespace kestra {

// Cards that bless their own side or curse the other: 166, 250, 230, 305, 315, the virus and 258, 228,
// 197, 216, 249.
void SideCardRules(DuelContext& ctx, StartReport& report);
// Cards that set their own or everyone's figures: 304, 251, 208, 209, 211, then the fixed opening statuses.
void SlotCardRules(DuelContext& ctx, StartReport& report);

// s = my_id + aite_id (32-bit wrap), shared by both programs.
int32_t SharedIdSum(const DuelRecord& d);

}  // namespace kestra
