// The summoned beings' pictures (cg/syoukan_*.bmp): a being over its glowing summoning circle.
#pragma once

#include <array>
#include <string_view>

#include "image.h"

namespace mediagen {

// The figure families a being may take, in the order the summon table names them.
constexpr std::array<std::string_view, 10> kSummonFigures = {
    "sigil", "rune", "beast", "ghost", "fish", "serpent", "person", "tower", "crystal", "flame"};
// The glow colours, named like the flashes the beings come with.
constexpr std::array<std::string_view, 10> kSummonGlows = {"red",    "yellow", "blue",  "aqua",  "lime",
                                                           "purple", "black",  "green", "white", "fuchsia"};

// Index of a name in one of the lists above, or -1.
int summon_index(const std::array<std::string_view, 10>& names, std::string_view name);

// A 64x64 being of figure family `figure` in glow `glow`; its own shape comes from `name`.
Image summon_picture(std::string_view name, int figure, int glow);

// A 64x64 fused or revealed being (cg/fusion_*.bmp, cg/identity_*.bmp): drawn like a summoned being,
// inside a double gold frame that marks a card which changed its shape.
Image reshape_picture(std::string_view name, int figure, int glow);

}  // namespace mediagen
