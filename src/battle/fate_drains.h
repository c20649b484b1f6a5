#pragma once
// The fate family's bites, dances and borrowed strength.
#include "duel/duel_context.h"

namespace kestra {

// 吸血 (key 40): the attacker drains 1 HP; the vampire may turn the target into one of its kind.
void Vampire(DuelContext& ctx);
// 食べる (key 83): a bite for 2 damage, or a bark that knocks the target out (<眠>).
void Eat(DuelContext& ctx);
// ダンス (key 63): the light dancer heals its side, the dark dancer confuses the other, anyone else
// dances for 1 MP.
void Dance(DuelContext& ctx);
// 集中 (key 64): every ally strong enough hands the attacker 2 HP.
void Concentration(DuelContext& ctx);

}  // namespace kestra
