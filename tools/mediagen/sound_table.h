// The game's sound effects: one table of file name, use and recipe.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "synth.h"

namespace mediagen {

struct SoundRecipe {
    const char* name;      // file stem, written as dat/<name>.wav
    const char* use;       // where the game plays it
    double seconds;        // length of the effect
    double peak;           // normalised loudness, 0..1
    void (*render)(Synth&);
};

// Every effect the game opens, in one table.
std::span<const SoundRecipe> sound_recipes();

// The recipe for a file stem, or nullptr.
const SoundRecipe* find_sound(std::string_view name);

// Synthesises one effect into 16-bit mono samples at the game's sample rate.
std::vector<std::int16_t> render_sound(const SoundRecipe& recipe);

}  // namespace mediagen
