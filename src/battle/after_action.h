#pragma once
// The processing after every action: clamps, deaths, disasters, pair events, status ticks, next turn.
#include "battle/battle_phase.h"

namespace kestra {

// Clamp HP, MP and LV of all six slots to at least 0.
void ClampFigures(DuelRecord& d);

// The double wipe-out judgement: the side whose cards have the LOWER catalogue total wins;
// a tie goes to the receiver. True when this side wins.
bool ThisSideWinsDoubleWipeOut(const DuelRecord& d, const Catalogue& cat);

// The whole processing; returns how the duel goes on.
PhaseEnd RunAfterAction(DuelContext& ctx, const BattleHooks& hooks);

}  // namespace kestra
