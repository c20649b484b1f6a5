#pragma once
// The fate family's copies, swaps and conversions of HP, MP and LV between cards.
#include "duel/duel_context.h"

namespace kestra {

// ドッペルゲンガー (key 21): the attacker copies the target's HP (or, by chance, the other way) and
// hands over its bad status.
void Doppelganger(DuelContext& ctx);
// いたずら (key 60): attacker and target swap HP; "大防御" holders are immune; the doll flips HP/MP.
void Prank(DuelContext& ctx);
// インヤン (key 58): the attacker absorbs half of the target's HP.
void YinYang(DuelContext& ctx);
// Ｍ法 (key 70): for 4 MP, the enemies' HP (by chance also MP) is halved; trap icons answer.
void MMethod(DuelContext& ctx);
// 風水術 (key 37): the attacker and every card of the opposite element drop to HP 1.
void Geomancy(DuelContext& ctx);
// 妖術 (key 86): attacker and target turn their LV into their HP, and their LV goes to 0.
void Witchcraft(DuelContext& ctx);
// 奇術 (key 97): the attacker absorbs 1 HP and 1 MP from the target.
void Conjuring(DuelContext& ctx);

}  // namespace kestra
