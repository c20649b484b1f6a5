#pragma once
// The technique shop ("MAGIC"): 37 rows unlocked by merit and rank points, bought with Ark.
#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

inline constexpr int32_t kTechniqueRows = 37;  // techniques 0..36

// A technique row 0..36 with a name in the catalogue.
bool NamedTechnique(const Catalogue& cat, int32_t k);

// Whether technique k is on the shop's list for this player's merit and rank points.
bool TechniqueUnlocked(const tmy& my, int32_t k);

// Shop row k: the short name when unlocked, else empty.
std::string TechniqueShopRow(const Catalogue& cat, const tmy& my, int32_t k);

// "★" + name, stock, description, "●値段：" + price + "Ark"; empty for an empty row.
std::string TechniqueShopInfo(const Catalogue& cat, const tmy& my, int32_t k);
// The Ark line under a named row ("所持金Ark：") or an empty one ("所持Ark：").
std::string ArkLine(const tmy& my, bool named_row);

enum class TechniqueBuyOutcome {
    Bought,   // Ark paid, stock +1 (never past 99)
    Nothing,  // no row or an empty row: silent
    TooDear,  // the price is above the Ark: "no.wav"
};

struct TechniqueBuyResult {
    TechniqueBuyOutcome outcome = TechniqueBuyOutcome::Nothing;
    std::string message;
};

// "買う" on row k (-1 none); a refusal changes nothing.
TechniqueBuyResult BuyTechnique(const Catalogue& cat, tmy& my, int32_t k);

}  // namespace kestra
