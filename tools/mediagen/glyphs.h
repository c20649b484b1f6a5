// Our own stroke font for the title: each glyph is a few polylines on a small grid.
#pragma once

#include <string_view>
#include <vector>

#include "mask.h"

namespace mediagen {

// A glyph: its advance width and strokes in grid units (cap height 6, y grows down).
struct Glyph {
    double width = 0;
    std::vector<std::vector<Vec>> strokes;
};

// The glyph of a character; only the title's letters exist (K, E, S, T, R, A and 天).
const Glyph* find_glyph(char32_t c);

// Strokes text into the mask with its top-left at `origin`; returns the x after the last glyph.
double stroke_text(Mask& mask, std::u32string_view text, Vec origin, double scale, double radius,
                   double spacing);

}  // namespace mediagen
