#pragma once
// The time limit of a turn: armed when this side's choice begins, ticking every 250 ms.
#include <string>

#include "duel/duel_context.h"

namespace kestra {

// Seconds allowed: 50; 20 in a limit battle; 25 against card 197 or the opponent's icon 76;
// 70 when this side fields card 197 (each later rule overrides the earlier).
int32_t TimeLimitSeconds(const DuelRecord& d, const Catalogue& cat);

// Arm the deadline from the injected clock and start the timer.
void ArmDeadline(DuelContext& ctx);

// "残り時間 >" and h:mm:ss of the time left (never below zero).
std::string TimeLeftLabel(int64_t left_ms);

// One tick of the timer. Returns true when the tick timed this side out: the pass is then sent
// and the BATTLE NUMBER text is in *number.
bool TimeTick(DuelContext& ctx, std::string* number);

}  // namespace kestra
