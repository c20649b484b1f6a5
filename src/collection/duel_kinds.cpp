#include "collection/duel_kinds.h"

#include "catalogue/card_facts.h"

namespace kestra {

namespace {

// "見習い以上" on a rule duel: more than 17 points; on a field duel: 17 or more.
constexpr int32_t kRuleApprentice = 18;
constexpr int32_t kFieldApprentice = 17;
// "下っ端以上": more than 7 points.
constexpr int32_t kUnderling = 8;

using enum DeckRule;
using enum IconRule;

// clang-format off
constexpr std::array<DuelKind, 18> kKinds = {{
    {1, "★アイコンデュエル", "アイコンデュエル", false, 0, kAnyRank, Classes, {{{10, kRaku}}}, Required, 0, 0,
     "その指を我が手の甲に。", "その瞳を我が唇に。", "(アイコンDUEL)", "デッキ：楽10", "ｱｲｺﾝ必須"},
    {2, "★イージーデュエル", "イージーデュエル", false, 30, kAnyRank, Classes,
     {{{3, kRaku}, {3, kFu}, {2, kChu}, {1, kJo}, {1, kUri, kGousei}}}, NoneAllowed, 0, 0, "にゃんにゃんにゃん！",
     "わんわんわん！", "(イージーDUEL)", "デッキ：楽3 普3 中2 上1 売/合1", "ｱｲｺﾝ禁止"},
    {3, "★ミドルデュエル", "ミドルデュエル", false, 75, kAnyRank, Classes,
     {{{3, kChu}, {3, kJo}, {3, kGeki}, {1, kKyoku}}}, NoneAllowed, 0, 0, "愛しき魂よ", "目に見えぬ霧のごとき･･････",
     "(ミドルDUEL)", "デッキ：中3 上3 激3 極1", "ｱｲｺﾝ禁止"},
    {4, "★レアデュエル", "レアデュエル", false, 100, kRuleApprentice, Classes,
     {{{3, kMa}, {1, kMi}, {3, kUri}, {3, kGousei}}}, NoneAllowed, 6, 0, "見渡す大地は灰色よ",
     "おお。空の果てから果てまで", "(レアDUEL)", "デッキ：魔3 未1 売3 合3", "ｱｲｺﾝ禁止  要：6円 見習い以上"},
    {5, "★ＭＡＸデュエル", "ＭＡＸデュエル", false, 150, kRuleApprentice, Classes,
     {{{3, kGen}, {2, kKami}, {2, kMu}, {2, kPhantom}, {1, kQuestion}}}, Free, 3, 0, "叫ぼう、高らかに声はりあげて",
     "ノーストリリアの力と誇りを", "(MAX DUEL)", "デッキ：幻3 神2 無2 フ2 ？1", "要：3円 見習い以上"},
    {6, "★サドンデスデュエル", "サドンデスデュエル", false, 40, kUnderling, AnyFull, {}, Required, 0, 1,
     "ゆこう！果ての先へ", "君の目に僕映り限り。", "(SUDDEN-DEATH)", "デッキ：制限無し",
     "ｱｲｺﾝ必須  要：1Ark 下っ端以上"},
    {7, "★ランダムデュエル", "ランダムデュエル", false, 20, kAnyRank, Random, {}, Required, 1, 0,
     "おぉ、世界を混沌に！", "その火を天へ、返せかし！", "(RANDOM DUEL)", "（デッキ構成が変更されます)",
     "ｱｲｺﾝ必須  要：1円"},
    {8, "★さよならデュエル", "さよならデュエル", false, 200, kRuleApprentice, Classes,
     {{{1, kPhantom}, {2, kMi}, {4, kKin}, {2, kHi}, {1, kRoa}}}, Required, 10, 0, "あの時を超える輝きを",
     "あらゆる可能性を上回る一瞬を", "(GODDBYE DUEL)", "デッキ：フ1 未2 禁4 秘2 ろ1",
     "ｱｲｺﾝ必須  要：10円 見習い以上"},
    {9, "★ＤＵＥＬ・８０１", "ＤＵＥＬ・８０１", false, 250, kAnyRank, List801, {}, Required, 15, 0,
     "ボクのコト好き？", "言わなくたって････分かるだろ？", "(DUEL-801)", "デッキ：８０１の札のみ",
     "ｱｲｺﾝ必須  要：15円"},
    {10, "★訓練場", "デュエルin【訓練場】", true, 0, kAnyRank, Classes, {{{7, kRaku}, {2, kFu}, {1, kChu}}},
     NoneAllowed, 0, 0, "かかってこい！", "えいえいやー！", "(in訓練場)", "デッキ：楽7 普2 中1", "ｱｲｺﾝ禁止"},
    {11, "★傭兵場", "デュエルin【傭兵場】", true, 400, kAnyRank, Classes, {{{10, kUri}}}, NoneAllowed, 0, 0,
     "未だ見ぬあの丘へ", "未だ知らぬ緑の丘へ", "(in傭兵場)", "デッキ：売10", "ｱｲｺﾝ禁止"},
    {12, "★オーシャン", "デュエルin【オーシャン】", true, 500, kAnyRank, AnyFull, {}, Free, 0, 0,
     "最初は激しく、最後は寂しく", "････まるで君のように。", "(in海)", "デッキ：制限無し", "要：なし"},
    {13, "★ヴォルケーノ", "デュエルin【ヴォルケーノ】", true, 600, kFieldApprentice, AnyFull, {}, Free, 0, 0,
     "地球こそ災い！", "何度も何度も繰り返して", "(in火山)", "デッキ：制限無し", "見習以上"},
    {14, "★ヘル", "デュエルin【ヘル】", true, 700, kFieldApprentice, AnyFull, {}, Free, 0, 0, "おぞましい出来事たち",
     "さ迷いうつろう虫の如く", "(inHELL)", "デッキ：制限無し", "見習以上"},
    {15, "★ヘヴン", "デュエルin【ヘヴン】", true, 800, kFieldApprentice, AnyFull, {}, Free, 0, 0, "われらに光を！",
     "まがもう無き福音あれ！", "(inHEAVEN)", "デッキ：制限無し", "見習以上"},
    {16, "★アウタースペース", "デュエルin【ｱｳﾀｰｽﾍﾟｰｽ】", true, 900, kFieldApprentice, AnyFull, {}, Free, 0, 0,
     "銀河霊の名において。", "この黒海のシモベに！", "(in宇宙)", "デッキ：制限無し", "見習以上"},
    {17, "★アナザーディメンション", "デュエルin【ｱﾅｻﾞｰﾃﾞｨﾒﾝｼｮﾝ】", true, 1000, kFieldApprentice, AnyFull, {}, Free, 0,
     0, "あたしのちかい", "ぼくたちのみらい", "(in異次元)", "デッキ：制限無し", "見習以上"},
    {18, "★デスフォーユー", "デュエルin【デスフォーユー】", true, 1500, kFieldApprentice, AnyFull, {}, Free, 0, 0,
     "こころいたい？", "ないしょだよ。。。", "(in精神崩壊)", "デッキ：制限無し", "見習以上"},
}};
// clang-format on

// The request side's 51 cards; the acceptance side takes the first 35.
constexpr std::array<int32_t, 51> k801Cards = {
    85,  86,  87,  92,  93,  104, 109, 128, 138, 139, 140, 145, 146, 147, 155, 162, 170,
    172, 173, 174, 179, 180, 182, 183, 184, 190, 191, 193, 194, 195, 196, 199, 207, 216,
    218, 234, 235, 236, 240, 243, 244, 246, 247, 257, 258, 259, 260, 261, 262, 264, 266,
};
constexpr size_t k801AcceptedCards = 35;

}  // namespace

const DuelKind* FindDuelKind(int32_t kind) {
    if (kind < kFirstRuleKind || kind > kLastFieldKind) return nullptr;
    return &kKinds[static_cast<size_t>(kind - kFirstRuleKind)];
}

std::span<const DuelKind> DuelKinds() { return kKinds; }

std::span<const int32_t> Duel801Cards(bool request) {
    return std::span<const int32_t>(k801Cards).first(request ? k801Cards.size() : k801AcceptedCards);
}

}  // namespace kestra
