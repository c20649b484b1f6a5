#pragma once
// The status family's hexes: techniques that lay a status or a loss on the target.
#include "duel/duel_context.h"

namespace kestra {

// 妖精王ミディール (key 12): the fairies leave the attacker, or strike the target and its side-mates.
void FairyKing(DuelContext& ctx);
// テンプテーション (key 13): the charmed target is confused or betrays; the target's traps answer.
void Temptation(DuelContext& ctx);
// イルネス (key 15): the target falls ill (<病気>).
void Illness(DuelContext& ctx);
// バーサーカー (key 24): the target rampages (<暴>), unless it holds the "大防御".
void Berserker(DuelContext& ctx);
// 時限爆弾 (key 25): plants a bomb in the target, or hastens the one it carries.
void TimeBomb(DuelContext& ctx);
// ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ (key 41): poisons the target, strongly on a high digit or a poisoned target.
void PoisonButterfly(DuelContext& ctx);
// 青い風 (key 44): the target's MP drops to 0; the recoil trap answers.
void BlueWind(DuelContext& ctx);
// 八ノ地経文 (key 71): curses the target (<呪>).
void EightEarthSutra(DuelContext& ctx);
// 凍結 (key 93): freezes the target (<凍結>), unless it is fire or holds the "大防御".
void Freeze(DuelContext& ctx);

}  // namespace kestra
