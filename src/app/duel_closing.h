#pragma once
// The end of a duel in the window: the game set, the set-ID exchange, the ENDING box and its "OK",
// the end of a viewed duel, and closing the window mid-duel.
#include "app/duel_parts.h"
#include "battle/battle_phase.h"

namespace kestra {

// The hooks a battle phase calls: the game set with its results saved and the set IDs begun.
BattleHooks PhaseHooks(DuelParts& p);

// A phase ended the duel: the set-ID exchange, or in view mode the way back to the main window.
void AfterGameSet(DuelParts& p);

// "OK" with the opponent's set ID: a match shows the ENDING box.
void CheckSetId(DuelParts& p);

// Connect the ENDING box's "OK".
void WireEnding(DuelParts& p);

// The window is closed while a duel is open: the abort with its penalty (nothing in view mode).
void CloseMidDuel(DuelParts& p);

}  // namespace kestra
