#pragma once
// Steal (盗む, key 3): money, then LV, HP, MP and a good status as the thief's LV allows.
#include "duel/duel_context.h"

namespace kestra {

// Steal: the target's side loses money and, by the thief's LV, LV, HP, MP and its good status.
void Steal(DuelContext& ctx);

}  // namespace kestra
