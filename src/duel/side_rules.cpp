#include "duel/side_rules.h"

#include "catalogue/catalogue_names.h"

namespace kestra {

namespace {

// The two icon numbers of the side holding the slot.
std::pair<int32_t, int32_t> IconsOf(const DuelRecord& d, int32_t slot) {
    return OwnSlot(slot) ? std::pair{d.my_icon1, d.my_icon2} : std::pair{d.e_icon1, d.e_icon2};
}

}  // namespace

std::string SideWord(const DuelRecord& d, int32_t slot) {
    if (d.look_mode) return OwnSlot(slot) ? "申込側の" : "受け側の";
    return OwnSlot(slot) ? "あなたの" : "相手の";
}

const std::string& OwnerLabel(const DuelRecord& d, int32_t slot) { return OwnSlot(slot) ? d.my_label : d.e_label; }

bool SideWears(const DuelRecord& d, int32_t slot, int32_t icon) { return SideWearsCount(d, slot, icon) > 0; }

int32_t SideWearsCount(const DuelRecord& d, int32_t slot, int32_t icon) {
    const auto [a, b] = IconsOf(d, slot);
    return (a == icon) + (b == icon);
}

bool SideWearsNamed(const DuelRecord& d, const Catalogue& cat, int32_t slot, std::string_view name) {
    return SideWearsNamedCount(d, cat, slot, name) > 0;
}

int32_t SideWearsNamedCount(const DuelRecord& d, const Catalogue& cat, int32_t slot, std::string_view name) {
    if (name.empty()) return 0;
    const auto [a, b] = IconsOf(d, slot);
    return (IconNameOf(cat, a) == name) + (IconNameOf(cat, b) == name);
}

bool IsCard(const DuelRecord& d, const Catalogue& cat, int32_t slot, int32_t card_no) {
    const std::string& name = cat.card[static_cast<size_t>(card_no)].name;
    return !name.empty() && Slot(d, slot).name == name;
}

int32_t& WornIcon(DuelRecord& d, bool local_side, int32_t icon_slot) {
    if (local_side) return icon_slot == 2 ? d.my_icon2 : d.my_icon1;
    return icon_slot == 2 ? d.e_icon2 : d.e_icon1;
}

int32_t WornIcon(const DuelRecord& d, bool local_side, int32_t icon_slot) {
    if (local_side) return icon_slot == 2 ? d.my_icon2 : d.my_icon1;
    return icon_slot == 2 ? d.e_icon2 : d.e_icon1;
}

tchar& Slot(DuelRecord& d, int32_t slot) { return d.chara[static_cast<size_t>(slot)]; }
const tchar& Slot(const DuelRecord& d, int32_t slot) { return d.chara[static_cast<size_t>(slot)]; }

int32_t SideHp(const DuelRecord& d, int32_t first_slot) {
    uint32_t sum = 0;
    for (int32_t s = first_slot; s < first_slot + 3; ++s) sum += static_cast<uint32_t>(Slot(d, s).hp);
    return static_cast<int32_t>(sum);
}

}  // namespace kestra
