#pragma once
// The single-word techniques on one card and the side-wide ones that walk the slots.
#include "duel/duel_context.h"

namespace kestra {

// 錬金術 (key 8): own cards with a good status trade it for HP + 3 and MP + 3.
void Alchemy(DuelContext& ctx);
// 忍術 (key 18): the other side's cards with a bad status lose it with 4 HP and 4 MP.
void NinjaArt(DuelContext& ctx);
// 天術 (key 28): the other side's cards with a good status lose 5 HP and their bad status.
void HeavenArt(DuelContext& ctx);
// 妖精術 (key 47): every card of the attacker's element gets <治>.
void FairyArt(DuelContext& ctx);
// 冥術 (key 48): every card whose HP equals the attacker's, the attacker too, drops to HP 0.
void NetherArt(DuelContext& ctx);
// 祈祷術 (key 26): the attacker turns its LV into as much HP and MP.
void PrayerArt(DuelContext& ctx);
// 医術 (key 27): the attacker turns its MP into HP.
void HealingArt(DuelContext& ctx);
// 吸心 (key 36): the attacker drinks the target's LV.
void MindDrain(DuelContext& ctx);
// 心術 (key 67): the attacker gains 2 HP, 2 MP and 2 LV.
void HeartArt(DuelContext& ctx);
// 森羅万象 (key 88): the attacker gains the turn counter in HP and MP.
void AllCreation(DuelContext& ctx);
// 幻術 (key 96): the attacker doubles its HP and falls into <仮死>.
void Illusion(DuelContext& ctx);

}  // namespace kestra
