// Card backgrounds by element and rarity frames by class.
#pragma once

#include "image.h"

namespace mediagen {

enum class Rarity { Plain, Silver, Gold, Prismatic };

// Frame kind of a rarity class: 0..3 plain, 4..9 silver, 10..14 gold, 15..19 prismatic.
Rarity rarity_of(int card_class);

// Base colour of an element (0 none, 1 light, 2 dark, 3 fire, 4 water), top of the gradient.
Rgb element_colour(int element);

// Fills the picture with the element's gradient and its faint pattern.
void draw_card_background(Image& img, int element);

// Draws the class's frame around the edge.
void draw_rarity_frame(Image& img, int card_class);

}  // namespace mediagen
