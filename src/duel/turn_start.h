#pragma once
// The start of a turn: turn limits, the turn-start effects of the moving side, whose input is awaited.
#include "duel/duel_context.h"

namespace kestra {

// Turns a duel may reach: 9 (ordinary), 5 fast battle, 11 long battle, 18 sudden death.
int32_t TurnLimit(const DuelRecord& d);

// The turn-start effects of the moving side's living cards (this side: slots 1..3).
void RunTurnStartEffects(DuelContext& ctx, bool this_side);

// Start the next turn for this side or the opponent; runs the judgement instead at the limit.
// Returns false when the judgement ended the duel.
bool BeginTurn(DuelContext& ctx, bool this_side);

}  // namespace kestra
