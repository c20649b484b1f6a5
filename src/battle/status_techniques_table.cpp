#include "battle/blessing_techniques.h"
#include "battle/hex_techniques.h"
#include "battle/pact_techniques.h"
#include "battle/technique.h"

namespace kestra {

namespace {

constexpr TechniqueRow kStatusRows[] = {
    {5, Nightingale},       // ナイチンゲール
    {12, FairyKing},        // 妖精王ミディール
    {13, Temptation},       // テンプテーション
    {15, Illness},          // イルネス
    {24, Berserker},        // バーサーカー
    {25, TimeBomb},         // 時限爆弾
    {32, LightMirror},      // パルテナ鏡
    {35, MagicCircle},      // 魔方陣
    {41, PoisonButterfly},  // ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ
    {42, OortCloud},        // オールト雲
    {44, BlueWind},         // 青い風
    {45, Judgement},        // 審判
    {46, Contract},         // 契約
    {51, Usual},            // ユージュアル
    {61, MermaidSong},      // 人魚の歌
    {62, Promise},          // 約束
    {66, UsualTwo},         // ユージュアル２
    {71, EightEarthSutra},  // 八ノ地経文
    {81, HealingWind},      // 癒しの風
    {91, BeastGod},         // 獣神イリューガー
    {93, Freeze},           // 凍結
};

}  // namespace

// The status family's rows.
std::span<const TechniqueRow> StatusTechniqueRows() { return kStatusRows; }

}  // namespace kestra
