#pragma once
// The natural disasters that may strike after any action, from data both programs hold.
#include <array>
#include <cstdint>

#include "duel/duel_context.h"

namespace kestra {

// V = all six HP + all six MP + my_id + aite_id + luck (32-bit wrap).
int32_t DisasterValue(const DuelRecord& d);

// The six slots a disaster visits for the chance digit, in the local numbering: the table is
// written from the acting side, so after the opponent's action its slots swap sides.
std::array<int32_t, 6> DisasterVisitOrder(int32_t luck, bool acting_own);

// Run the five disasters in order, each tested with a fresh V.
void RunDisasters(DuelContext& ctx, bool interference);

}  // namespace kestra
