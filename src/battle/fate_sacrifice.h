#pragma once
// The fate family's sacrifices: a card gives up its own life, or the dead strike back.
#include "duel/duel_context.h"

namespace kestra {

// 自殺 (key 4): the attacker dies and drags every other living card down by 2 HP with <↓>.
void Suicide(DuelContext& ctx);
// 自爆 (key 31): the attacker blows up and hits the target for its HP + 3; the gambler bets it all.
void SelfDestruct(DuelContext& ctx);
// 憑依 (key 43): the attacker is blown away and its allies take in half of its HP and MP.
void Possession(DuelContext& ctx);
// 死術 (key 57): every dead card of the attacker's side hurls its MP at the card facing it.
void DeathArt(DuelContext& ctx);

}  // namespace kestra
