#pragma once
// The played duel gathered for records/: both warrior numbers applicant first, every BATTLE
// NUMBER and check code; written once the set IDs are reached or the duel is aborted. The check
// code also goes to the OPTION box ("照合：XXXX"), in view mode too.
#include <string_view>

#include "app/duel_parts.h"

namespace kestra {

// A fresh duel: an empty log of this kind.
void StartDuelLog(DuelParts& p);

// A warrior number in its place: this side's own or the opponent's, by the role.
void LogWarriorNumber(DuelParts& p, std::string_view text, bool own);

// A check code: into the log and the OPTION box.
void LogCheck(DuelParts& p, const std::string& check);

// A resolved phase: its BATTLE NUMBER as the field held it, and the code after it.
void LogPhase(DuelParts& p, std::string_view field, const std::string& check);

// Write the log into records/ (not for a viewed duel, not twice, not before both numbers are in);
// a failure is told in a box and never stops the duel.
void SaveDuelLog(DuelParts& p, bool aborted);

}  // namespace kestra
