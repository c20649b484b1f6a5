#pragma once
// The fate family's revivals and heals: the dead rise, cards are reborn, help comes.
#include "duel/duel_context.h"

namespace kestra {

// エリス (key 22): the first dead card of the attacker's side rises, whole or as a zombie.
void Eris(DuelContext& ctx);
// 魔術 (key 76): the first dead card of the other side rises as a servant with <裏切>.
void Sorcery(DuelContext& ctx);
// 転生 (key 16): with LV enough, every living card's HP becomes its LV.
void Rebirth(DuelContext& ctx);
// ヘルプ！！ (key 65): the goddess of battle heals the last card standing.
void Help(DuelContext& ctx);
// 数珠 (key 80): every living card of the attacker's side gains 2 HP and 2 MP.
void Rosary(DuelContext& ctx);

}  // namespace kestra
