#pragma once
// Which icons are worn, asked by number or by catalogue name.
#include <cstdint>
#include <string_view>

#include "catalogue/catalogue.h"
#include "duel/duel_record.h"

namespace kestra {

// IconWorn: any of the four worn icons has this catalogue name.
bool IconWorn(const DuelRecord& d, const Catalogue& cat, std::string_view name);

// Any of the four worn icons is this icon number.
bool AnyWears(const DuelRecord& d, int32_t icon);
// This side (my_icon1/2) or the opponent (e_icon1/2) wears the icon number.
bool IWear(const DuelRecord& d, int32_t icon);
bool OpponentWears(const DuelRecord& d, int32_t icon);
// All four icon slots are filled.
bool AllFourIconsWorn(const DuelRecord& d);

// One of slots first..first+2 bears the catalogue name of card n.
bool SideHasCardNamed(const DuelRecord& d, const Catalogue& cat, int32_t first_slot, int32_t card_no);

}  // namespace kestra
