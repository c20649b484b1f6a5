#pragma once
// Synthesis ("GOUSEI"): copies of a material card become one copy of a product card. Fixed recipes
// open with the duel count; three random recipes per visit climb the class ladder by one.
#include <cstdint>
#include <string>
#include <vector>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

// One row of the list: the product shown, the material and how many copies it takes.
struct Recipe {
    int32_t product = -1;
    int32_t material = -1;
    int32_t cost = 0;
    bool operator==(const Recipe&) const = default;
};

// The fixed recipes the duel count has opened, in list order; row k takes card k.
std::vector<Recipe> FixedRecipes(int32_t duels);

// A random recipe whose product's class is below `class_below` (13 for row A, 15 for B, 17 for C).
// The product is -1 when no card qualifies.
Recipe RandomRecipe(const Catalogue& cat, Rng& rng, int32_t class_below);

// The visit's rows: the fixed recipes, then rows A, B and C.
std::vector<Recipe> BuildSynthesisRows(const Catalogue& cat, const tmy& my, Rng& rng);

// The product's card information, then "●素材：『" + material + "』の所持：" + count.
std::string RecipeInfoText(const Catalogue& cat, const tmy& my, const Recipe& recipe);

enum class SynthesisOutcome {
    Made,          // product +1 (never past 99), material − cost
    Nothing,       // no row, or a product without a name: the texts clear
    TooFewCopies,  // the material count is below the cost: "no.wav"
};

struct SynthesisResult {
    SynthesisOutcome outcome = SynthesisOutcome::Nothing;
    std::string message;        // the notice
    std::string material_line;  // "素材所持：" + count + "枚"
};

// "合成": makes the product; a refusal changes nothing.
SynthesisResult Synthesize(const Catalogue& cat, tmy& my, const Recipe& recipe);

}  // namespace kestra
