#include "duel/battle_types.h"

#include <array>

#include "base/int_text.h"
#include "duel/icon_rules.h"

namespace kestra {

namespace {

constexpr std::array<BattleTypeInfo, 21> kTypes = {{
    {1, "ヘルバトル", "※このデュエルで負けた場合、3枚全部のカードが奪われます（相討ちを除く）"},
    {2, "ラッキーバトル", "※このデュエルで負けた場合、必ずアイコンを入手する"},
    {3, "ロストバトル", "※このデュエルで負けた場合、必ず2つのアイコンが砕け散る"},
    {4, "レアバトル", "※このデュエルで勝った場合、1体目のカードより１ランク上のカードが必ず入手される"},
    {5, "ダークバトル",
     "※このデュエルで死んだカードは、奪われたカードを除き、完全に消失する。（相討ちを除く）また敗者は生死に関わらず３枚とも消失。"},
    {6, "ファストバトル", "※このデュエルは最大ターン数が半分"},
    {7, "ゴールデンバトル", "※このデュエルで勝った者には賞金２倍（相討ちを除く）"},
    {8, "ルーザーバトル", "※このデュエルで負けた者には高額賞金（相討ちを除く）"},
    {9, "フェアバトル", "※このデュエルはアイコンが全て解除される"},
    {10, "エレメンタルバトル", "※このデュエルは全員のエレメントがランダムに同じになる"},
    {11, "ステルスバトル", "※このデュエルはステルスモードになる"},
    {12, "フラットバトル", "※このデュエルは全員のHPが平均化される"},
    {13, "アッシュバトル", "※このデュエルは<無>属性キャラのHP・MPに1ポイント追加される"},
    {14, "プラズムバトル", "※このデュエルで負けた者は、デッキに戻る２枚のカードが増殖する"},
    {15, "エクストラバトル", "※このデュエルで負けた者は、ゲームセット後入手できるカードが２枚になる"},
    {16, "リミットバトル", "※このデュエルは毎ターン２０秒以内で行動を決定しなくてはいけない"},
    {17, "ロングバトル", "※このデュエルは最大ターン数が10になる"},
    {18, "ビッグバトル", "※このデュエルは全カードにHP・MPに2ポイント追加される"},
    {19, "ヘルプバトル", "※このデュエルは技・ヘルプが常時使用可能"},
    {20, "トレジャーバトル", "※このデュエル終了後、敗者は必ずアイテムが入手できる"},
    {21, "アンチバトル", "※このデュエルはLv分Hpがマイナスされる"},
}};

// The upper bound of v for each type, in order; 38..169 draw nothing.
constexpr std::array<int32_t, 21> kUpTo = {1, 3, 4, 6, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 32, 33, 35, 37};

}  // namespace

const BattleTypeInfo* BattleType(int32_t type) {
    if (type < 1 || type > 21) return nullptr;
    return &kTypes[static_cast<size_t>(type - 1)];
}

int32_t DrawnBattleType(int32_t v) {
    for (size_t i = 0; i < kUpTo.size(); ++i)
        if (v >= 0 && v <= kUpTo[i]) return static_cast<int32_t>(i + 1);
    return 0;
}

int32_t BattleTypeDraw(const DuelRecord& d) {
    const int32_t sum = WrapAdd(d.my_id, d.aite_id);
    // A negative sum keeps its sign under the game's mod; no type lies below 0.
    return sum % 170;
}

int32_t ApplicableBattleType(const DuelRecord& d) {
    const int32_t type = DrawnBattleType(BattleTypeDraw(d));
    const bool sudden = d.duel_kind == kSuddenDeath;
    switch (type) {
        case 1:
        case 5: return AllFourIconsWorn(d) && !sudden ? type : 0;
        case 3: return AllFourIconsWorn(d) ? type : 0;
        case 4:
        case 6:
        case 14:
        case 17:
        case 18: return sudden ? 0 : type;
        default: return type;
    }
}

}  // namespace kestra
