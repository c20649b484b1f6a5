#pragma once
// The blows that do not follow the flick: guns and arrows with their own luck, the arts that strike only
// one kind of card, stars, winds, dragon words, stillness and meteors.
#include "duel/duel_context.h"

namespace kestra {

// 羊使いの銃 (key 6): a shot at HP or MP by the chance digit; may leave <時１>; the target cuts LV back.
void ShepherdGun(DuelContext& ctx);
// 弓矢狼 (key 11): an arrow of LV + 2 with the flick's critical and miss; the archers never miss.
void WolfArrow(DuelContext& ctx);
// ドラゴンバスター (key 14): a heavy blow that only dragon-kind cards feel.
void DragonBuster(DuelContext& ctx);
// 占星術 (key 20): the stars of the turn strike HP on an even chance digit, MP on an odd one.
void Astrology(DuelContext& ctx);
// セイントダンス (key 34): a holy dance that only dark-kind cards feel.
void SaintDance(DuelContext& ctx);
// 赤い風 (key 50): blows the target's MP away, or drinks its HP when it has none; the target answers.
void RedWind(DuelContext& ctx);
// 龍言語魔法 (key 52): dragon words strike with half the MP, harder between dragons; trap icons answer.
void DragonTongue(DuelContext& ctx);
// 無想 (key 56): needs LV; strikes for the attacker's LV.
void Stillness(DuelContext& ctx);
// メテオ (key 94): a meteor with critical and miss, stronger under 巨大隕石.
void Meteor(DuelContext& ctx);

}  // namespace kestra
