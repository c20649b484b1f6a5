#include "duel/icon_rules.h"

#include "catalogue/catalogue_names.h"

namespace kestra {

bool IconWorn(const DuelRecord& d, const Catalogue& cat, std::string_view name) {
    if (name.empty()) return false;
    for (const int32_t icon : {d.my_icon1, d.my_icon2, d.e_icon1, d.e_icon2})
        if (IconNameOf(cat, icon) == name) return true;
    return false;
}

bool AnyWears(const DuelRecord& d, int32_t icon) { return IWear(d, icon) || OpponentWears(d, icon); }
bool IWear(const DuelRecord& d, int32_t icon) { return d.my_icon1 == icon || d.my_icon2 == icon; }
bool OpponentWears(const DuelRecord& d, int32_t icon) { return d.e_icon1 == icon || d.e_icon2 == icon; }

bool AllFourIconsWorn(const DuelRecord& d) {
    return d.my_icon1 != -1 && d.my_icon2 != -1 && d.e_icon1 != -1 && d.e_icon2 != -1;
}

bool SideHasCardNamed(const DuelRecord& d, const Catalogue& cat, int32_t first_slot, int32_t card_no) {
    const std::string& name = cat.card[static_cast<size_t>(card_no)].name;
    if (name.empty()) return false;
    for (int32_t s = first_slot; s < first_slot + 3; ++s)
        if (d.chara[static_cast<size_t>(s)].name == name) return true;
    return false;
}

}  // namespace kestra
