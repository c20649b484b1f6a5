#pragma once
// The sword, gun, martial and spear techniques: each strikes by the flick's rules, with its own subset,
// base damage, sound and lines.
#include "duel/duel_context.h"

namespace kestra {

// 体術 (key 7): a flick without its luck, with "ma.wav".
void BodyArt(DuelContext& ctx);
// 武術 (key 17): 体術 with the flick's critical and miss, a little harder.
void MartialArt(DuelContext& ctx);
// シルヴィア剣 (key 30): half the HP, the flick's immunities, icons, absorb and shatter, no counter.
void SylviaSword(DuelContext& ctx);
// 暗黒剣 (key 33): a dark sword that hits a little harder than a flick and takes the counter.
void DarkSword(DuelContext& ctx);
// 柔術 (key 38): throws the target with half its own HP; sword/shield icons apply.
void Jujutsu(DuelContext& ctx);
// 時間剣 (key 53): a sword with the counter; on its chance digit time turns and the two swap strengths.
void TimeSword(DuelContext& ctx);
// 魔剣 (key 54): 1 MP for a sword with every flick rule; with 両 it also cuts the card beside the target.
void MagicSword(DuelContext& ctx);
// ウルトラでこぴん (key 68): the flick with a fixed 15.
void UltraFlick(DuelContext& ctx);
// ヴァイスクロイツ (key 73): a cross cut with the flick's immunities, no counter.
void WhiteCross(DuelContext& ctx);
// 剣術 (key 77): a third of the HP into both HP and MP; sword/shield icons apply.
void Swordsmanship(DuelContext& ctx);
// ビンタ (key 82): a slap with the flick's critical, miss and immunities.
void Slap(DuelContext& ctx);
// 弱さは強さ (key 84): the weaker the attacker, the harder the sword; the weaklings strike twice.
void WeaknessIsStrength(DuelContext& ctx);
// トロッコ銃 (key 85): 1 LV for a gun shot with critical, shatter and the water card's hold.
void MinecartGun(DuelContext& ctx);
// 槍術 (key 87): a spear thrust of half the HP; sword/shield icons apply.
void Spearmanship(DuelContext& ctx);
// タマネギ斬り (key 90): a cut with critical and miss; on its chance digit the super cut, twice and <↓>.
void OnionCut(DuelContext& ctx);
// ミサイル (key 95): 1 LV for a fixed missile with shatter and the water card's hold.
void Missile(DuelContext& ctx);

}  // namespace kestra
