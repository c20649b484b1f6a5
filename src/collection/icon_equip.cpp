#include "collection/icon_equip.h"

#include "collection/economy_kit.h"

namespace kestra {

namespace {

constexpr const char* kUnownedRow = "????";
constexpr const char* kEmptySlotRow = "･････････";

// The icon worn in equipped row 0 or 1, -1 for an empty slot or another row.
int32_t WornIn(const tmy& my, int32_t row) {
    if (row == 0) return my.icon_slot1;
    if (row == 1) return my.icon_slot2;
    return -1;
}

// An icon the lists may show and move: a listed number with a name.
bool ListedIcon(const Catalogue& cat, int32_t icon) { return InRange(icon, kListedIcons) && !IconNameOf(cat, icon).empty(); }

}  // namespace

std::string IconListRow(const Catalogue& cat, const tmy& my, int32_t icon) {
    if (!InRange(icon, kListedIcons) || Slot(my.icon_count, icon) < 1) return kUnownedRow;
    return IconNameOf(cat, icon);
}

std::string EquippedRow(const Catalogue& cat, const tmy& my, int32_t row) {
    const int32_t icon = WornIn(my, row);
    if (icon < 0) return kEmptySlotRow;
    // A number past the catalogue reads empty, and "←" refuses it.
    return IconNameOf(cat, icon);
}

std::string IconInfoText(const Catalogue& cat, const tmy& my, int32_t icon) {
    if (!ListedIcon(cat, icon)) return {};
    const ticon& row = Slot(cat.icon, icon);
    return "★" + row.name + " \n" + row.description + "\n所持：" + std::to_string(Slot(my.icon_count, icon)) + "個";
}

std::string EquippedInfoText(const Catalogue& cat, const tmy& my, int32_t row) {
    const std::string info = IconInfoText(cat, my, WornIn(my, row));
    return info.empty() ? info : "(装備) " + info;
}

bool EquipIcon(const Catalogue& cat, tmy& my, int32_t icon) {
    if (!ListedIcon(cat, icon) || Slot(my.icon_count, icon) < 1) return false;
    if (my.icon_slot1 >= 0 && my.icon_slot2 >= 0) return false;
    (my.icon_slot1 < 0 ? my.icon_slot1 : my.icon_slot2) = icon;
    Slot(my.icon_count, icon) -= 1;
    my.applied_deck_name.clear();
    return true;
}

int32_t UnequipIcon(const Catalogue& cat, tmy& my, int32_t row) {
    const int32_t icon = WornIn(my, row);
    if (!ListedIcon(cat, icon)) return -1;
    Slot(my.icon_count, icon) = AddOneCapped(Slot(my.icon_count, icon));
    if (row == 0) my.icon_slot1 = my.icon_slot2;
    my.icon_slot2 = -1;
    my.applied_deck_name.clear();
    return icon;
}

}  // namespace kestra
