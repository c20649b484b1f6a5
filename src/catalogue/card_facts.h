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

// Name shown after "レア度:"; "？" for code 10 and for any unknown code.
std::string_view RarityName(int32_t rarity);

// Picture of card n below the game folder, "cg/unit<n>.bmp".
std::string CardPicturePath(int32_t card_no);

// HP or MP as the panels show it: base + level div 3.
int32_t WithLevelBonus(int32_t base, int32_t level);

}  // namespace kestra
