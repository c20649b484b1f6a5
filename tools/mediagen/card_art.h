// Card pictures (unit<n>.bmp) and the other 64x64 bitmaps the duel shows.
#pragma once

#include "image.h"

namespace mediagen {

constexpr int kCardSize = 64;

// Card `card`'s picture: element background, its own figure, and the class's frame.
Image card_picture(int card, int card_class);

// The dead card: a grave marker on a mound (char-1.bmp).
Image grave_picture();

// The radiant fusion being (god.bmp).
Image god_picture();

// The dark fusion being (hades.bmp).
Image hades_picture();

// A car on the road (car.bmp).
Image car_picture();

}  // namespace mediagen
