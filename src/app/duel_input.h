#pragma once
// Input on the turns: card and target clicks, the command and item boxes, "パス", the BATTLE NUMBER
// field with "貼", "BATTLE PHASE", and the 250 ms time limit.
#include <string>

#include "app/duel_parts.h"
#include "battle/battle_phase.h"

namespace kestra {

// Connect the pictures, the technique buttons, the item box, "パス", "貼" and "BATTLE PHASE".
void WireTurnInput(DuelParts& p);

// A turn has started: the widgets for this side's choice or for the opponent's BATTLE NUMBER;
// a deadline that ran out while the opponent's phase was told times this side out at once.
void AfterTurnStart(DuelParts& p);

// Every turn widget hidden, as between turns and outside the battle.
void HideTurnWidgets(DuelParts& p);

// This side's BATTLE NUMBER was built: shown read-only and selected, "BATTLE PHASE" to go on.
void ShowSentNumber(DuelParts& p, const std::string& text);

// "BATTLE PHASE": this side's own action, or the pasted BATTLE NUMBER, resolved; Refused when the
// press was ignored or the number refused.
PhaseEnd PressBattlePhaseButton(DuelParts& p);

// One tick of the 250 ms timer: the time label, and the time-out when this side is choosing.
void RunTimeTick(DuelParts& p);

}  // namespace kestra
