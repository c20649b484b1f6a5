#pragma once
// A battle phase together with the check code both programs show after it.
#include <string>
#include <string_view>

#include "battle/battle_phase.h"

namespace kestra {

struct CheckedPhase {
    PhaseEnd end = PhaseEnd::Refused;
    std::string check;  // empty when the number was refused
};

// "BATTLE PHASE" as PressBattlePhase, with the check code of the state the phase left: after the
// next turn's start, or, at a game set, before the results (each program breaks its own icons there).
CheckedPhase PressCheckedBattlePhase(DuelContext& ctx, std::string_view field, const BattleHooks& hooks);

}  // namespace kestra
