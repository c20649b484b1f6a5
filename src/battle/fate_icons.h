#pragma once
// The fate family's icon breakers: the icons worn on the target's side are broken or lifted for
// the rest of the duel (the player's own equipment keeps them).
#include "duel/duel_context.h"

namespace kestra {

// 解放 (key 55): breaks both icons of the target's side, then a blast of 2 + 3 per icon broken.
void Release(DuelContext& ctx);
// 波動 (key 74): lifts icon 1 of the target's side (digits 7..9 icon 2 too), unless an icon master
// stands on that side.
void Wave(DuelContext& ctx);

}  // namespace kestra
