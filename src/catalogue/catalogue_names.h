#pragma once
// Names by number with the range guard every caller needs: a number outside a table (a damaged
// save, a pasted number, -1 for none) reads as the empty name, and so does an unused row.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace kestra {

namespace catalogue_names {

// The row's name, or the empty name outside the table.
template <typename Rows>
const std::string& NameIn(const Rows& rows, int32_t n) {
    static const std::string kNone;
    return n >= 0 && n < static_cast<int32_t>(rows.size()) ? rows[static_cast<size_t>(n)].name : kNone;
}

}  // namespace catalogue_names

inline const std::string& CardNameOf(const Catalogue& cat, int32_t card) {
    return catalogue_names::NameIn(cat.card, card);
}
inline const std::string& IconNameOf(const Catalogue& cat, int32_t icon) {
    return catalogue_names::NameIn(cat.icon, icon);
}
inline const std::string& ItemNameOf(const Catalogue& cat, int32_t item) {
    return catalogue_names::NameIn(cat.item, item);
}
inline const std::string& MagicNameOf(const Catalogue& cat, int32_t waza) {
    return catalogue_names::NameIn(cat.magic, waza);
}

// True when some card row carries this name.
inline bool IsCardName(const Catalogue& cat, std::string_view name) {
    if (name.empty()) return false;
    return std::any_of(cat.card.begin(), cat.card.end(), [&](const tcard& c) { return c.name == name; });
}

}  // namespace kestra
