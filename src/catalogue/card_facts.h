#pragma once
// Facts derived from a card number or class: element, rarity name, picture, level bonus.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestra {

// The element of card n is n mod 5: 0 none, 1 light, 2 dark, 3 fire, 4 water.
int32_t ElementOf(int32_t card_no);

// Display text of an element code ("<無>" ...); empty for codes outside 0..4.
std::string_view ElementText(int32_t element);

// The class codes of the card table (a card's `rarity`), in the order of their names below.
enum CardClass : int32_t {
    kRaku = 0,  // 楽
    kFu,        // 普
    kChu,       // 中
    kJo,        // 上
    kGeki,      // 激
    kKyoku,     // 極
    kGen,       // 幻
    kKami,      // 神
    kMu,        // 無
    kPhantom,   // ファントム
    kQuestion,  // ？
    kMa,        // 魔
    kMi,        // 未
    kUri,       // 売
    kGousei,    // 合成
    kKin,       // 禁
    kHi,        // 秘
    kRoa,       // ろあ
};

// Name shown after "レア度:"; "？" for code 10 and for any unknown code.
std::string_view RarityName(int32_t rarity);

// Picture of card n below the game folder, "cg/unit<n>.bmp".
std::string CardPicturePath(int32_t card_no);

// HP or MP as the panels show it: base + level div 3.
int32_t WithLevelBonus(int32_t base, int32_t level);

}  // namespace kestra
