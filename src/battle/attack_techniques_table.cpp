#include "battle/blow_techniques.h"
#include "battle/strike_techniques.h"
#include "battle/technique.h"

namespace kestra {

namespace {

// The blow family: swords, guns, martial arts, spears and the other strikes.
constexpr TechniqueRow kAttackTechniques[] = {
    {6, ShepherdGun},          // 羊使いの銃
    {7, BodyArt},              // 体術
    {11, WolfArrow},           // 弓矢狼
    {14, DragonBuster},        // ドラゴンバスター
    {17, MartialArt},          // 武術
    {20, Astrology},           // 占星術
    {30, SylviaSword},         // シルヴィア剣
    {33, DarkSword},           // 暗黒剣
    {34, SaintDance},          // セイントダンス
    {38, Jujutsu},             // 柔術
    {50, RedWind},             // 赤い風
    {52, DragonTongue},        // 龍言語魔法
    {53, TimeSword},           // 時間剣
    {54, MagicSword},          // 魔剣
    {56, Stillness},           // 無想
    {68, UltraFlick},          // ウルトラでこぴん
    {73, WhiteCross},          // ヴァイスクロイツ
    {77, Swordsmanship},       // 剣術
    {82, Slap},                // ビンタ
    {84, WeaknessIsStrength},  // 弱さは強さ
    {85, MinecartGun},         // トロッコ銃
    {87, Spearmanship},        // 槍術
    {90, OnionCut},            // タマネギ斬り
    {94, Meteor},              // メテオ
    {95, Missile},             // ミサイル
};

}  // namespace

std::span<const TechniqueRow> AttackTechniqueRows() { return kAttackTechniques; }

}  // namespace kestra
