// Shared tools of the card figure painters: the picture, the seeded dice and the colours.
#pragma once

#include <array>

#include "image.h"
#include "mask.h"
#include "rng.h"

namespace mediagen {

constexpr double kPi = 3.14159265358979323846;

// What every figure family gets: where to paint, its dice and the card's colours.
struct FigureKit {
    Image& img;
    Rng& rng;
    int element;
    Rgb body;     // main colour of the figure
    Rgb outline;  // rim that separates it from the background
    Rgb accent;   // eyes, gems, inner flames

    // An empty mask the size of the picture.
    Mask blank() const { return Mask(img.width(), img.height()); }
    // Outline, then the body colour shaded lighter at the top.
    void paint_body(const Mask& m) const;
    // Details in the accent colour, no outline.
    void paint_accent(const Mask& m) const;
};

// Figure families; each builds a different kind of shape from the dice.
void draw_sigil(FigureKit& kit);
void draw_rune(FigureKit& kit);
void draw_beast(FigureKit& kit);
void draw_ghost(FigureKit& kit);
void draw_fish(FigureKit& kit);
void draw_serpent(FigureKit& kit);
void draw_person(FigureKit& kit);
void draw_tower(FigureKit& kit);
void draw_crystal(FigureKit& kit);
void draw_flame(FigureKit& kit);

// The ten families in their fixed order: card pictures weight them by element, summon beings name one.
using FigureFamily = void (*)(FigureKit&);
inline constexpr std::array<FigureFamily, 10> kFigureFamilies = {draw_sigil,  draw_rune,    draw_beast,  draw_ghost,
                                                                 draw_fish,   draw_serpent, draw_person, draw_tower,
                                                                 draw_crystal, draw_flame};

}  // namespace mediagen
