#include "collection/synthesis.h"

#include <array>

#include "catalogue/card_facts.h"
#include "collection/deck_builder.h"
#include "collection/economy_kit.h"

namespace kestra {

namespace {

// Duels needed for each fixed row, and its product.
struct FixedRow {
    int32_t duels;
    int32_t product;
};
constexpr std::array<FixedRow, 24> kFixedRows = {{{5, 136},  {10, 137}, {15, 146}, {20, 147}, {25, 148}, {30, 149},
                                                  {35, 150}, {40, 151}, {45, 152}, {50, 153}, {55, 154}, {60, 155},
                                                  {65, 156}, {70, 157}, {75, 158}, {80, 159}, {85, 160}, {90, 161},
                                                  {95, 162}, {100, 165}, {105, 167}, {110, 170}, {115, 172}, {120, 173}}};

constexpr int32_t kDrawEnd = 355;          // random products and materials come from 0..354
constexpr std::array<int32_t, 3> kRandomRowLimits = {13, 15, 17};
constexpr int32_t kBaseMaterial = 0;       // a class-0 product is made from card 0

// Cost of fixed row k: 10 − k div 2, but 2 once that falls below 3.
int32_t FixedCost(int32_t k) {
    const int32_t cost = 10 - k / 2;
    return cost < 3 ? 2 : cost;
}

// Named cards 0..354 that pass the class test.
template <class Test>
std::vector<int32_t> NamedCardsWhere(const Catalogue& cat, Test test) {
    return NumbersWhere(0, kDrawEnd, [&](int32_t c) {
        const tcard& row = Slot(cat.card, c);
        return !row.name.empty() && test(row.rarity);
    });
}

// The material class one step below the product's (神 for 魔).
int32_t MaterialClass(int32_t product_class) { return product_class == kMa ? kKami : product_class - 1; }

}  // namespace

std::vector<Recipe> FixedRecipes(int32_t duels) {
    std::vector<Recipe> rows;
    for (const FixedRow& row : kFixedRows)
        if (duels >= row.duels) {
            const auto k = static_cast<int32_t>(rows.size());
            rows.push_back({row.product, k, FixedCost(k)});
        }
    return rows;
}

Recipe RandomRecipe(const Catalogue& cat, Rng& rng, int32_t class_below) {
    Recipe r;
    r.product = PickAmong(rng, NamedCardsWhere(cat, [&](int32_t c) { return c < class_below; }));
    if (r.product < 0) return r;
    const int32_t product_class = Slot(cat.card, r.product).rarity;
    if (product_class == 0) {
        r.material = kBaseMaterial;
    } else {
        const int32_t wanted = MaterialClass(product_class);
        r.material = PickAmong(rng, NamedCardsWhere(cat, [&](int32_t c) { return c == wanted; }));
    }
    r.cost = product_class == kQuestion ? 3 : 2;  // ？ takes three copies
    return r;
}

std::vector<Recipe> BuildSynthesisRows(const Catalogue& cat, const tmy& my, Rng& rng) {
    std::vector<Recipe> rows = FixedRecipes(my.duels);
    for (const int32_t limit : kRandomRowLimits) rows.push_back(RandomRecipe(cat, rng, limit));
    return rows;
}

std::string RecipeInfoText(const Catalogue& cat, const tmy& my, const Recipe& recipe) {
    if (CardNameOf(cat, recipe.product).empty()) return {};
    const int32_t have = InRange(recipe.material, kCardRows) ? Slot(my.card_count, recipe.material) : 0;
    return CardInfoText(cat, my, recipe.product) + "\n●素材：『" + CardNameOf(cat, recipe.material) + "』の所持：" +
           std::to_string(have);
}

SynthesisResult Synthesize(const Catalogue& cat, tmy& my, const Recipe& recipe) {
    SynthesisResult out;
    if (CardNameOf(cat, recipe.product).empty()) return out;
    // A material outside the catalogue can never be held: refused like too few copies.
    if (CardNameOf(cat, recipe.material).empty() || Slot(my.card_count, recipe.material) < recipe.cost) {
        out.outcome = SynthesisOutcome::TooFewCopies;
        return out;
    }
    int32_t& product = Slot(my.card_count, recipe.product);
    int32_t& material = Slot(my.card_count, recipe.material);
    product = AddOneCapped(product);
    material -= recipe.cost;
    const std::string& product_name = CardNameOf(cat, recipe.product);
    const std::string& material_name = CardNameOf(cat, recipe.material);
    out.outcome = SynthesisOutcome::Made;
    out.message = "カード【" + product_name + "】を生み出した!!\n\n" + product_name + "＞所持：" + std::to_string(product) +
                  "枚\n" + material_name + "＞所持：" + std::to_string(material) + "枚";
    out.material_line = "素材所持：" + std::to_string(material) + "枚";
    return out;
}

}  // namespace kestra
