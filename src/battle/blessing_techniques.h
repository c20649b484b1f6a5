#pragma once
// The status family's blessings: techniques that heal, guard or raise the attacker and its side.
#include "duel/duel_context.h"

namespace kestra {

// ナイチンゲール (key 5): the attacker takes <慈愛>; with "救急箱" the whole side does ("いつくしむ心").
void Nightingale(DuelContext& ctx);
// パルテナ鏡 (key 32): for MP, a wall of light (<盾>, HP+4) on every own card.
void LightMirror(DuelContext& ctx);
// 魔方陣 (key 35): for MP, every own card takes <魔道>.
void MagicCircle(DuelContext& ctx);
// オールト雲 (key 42): the attacker gains MP; a cloud-bearer also lifts its side's bad statuses.
void OortCloud(DuelContext& ctx);
// 人魚の歌 (key 61): one of five songs, by the chance digit, over the own side.
void MermaidSong(DuelContext& ctx);
// 約束 (key 62): for MP, the attacker's revival is promised (<約>).
void Promise(DuelContext& ctx);
// 癒しの風 (key 81): every own card heals 1 to 3 HP by the chance digit.
void HealingWind(DuelContext& ctx);
// 獣神イリューガー (key 91): the beast god dwells in the attacker (<↑>), or lends HP to its side.
void BeastGod(DuelContext& ctx);

}  // namespace kestra
