#pragma once
// The icon panel ("ＩＣＯＮ装備"): up to two worn icons, equipped into the first free slot and
// unequipped with the slots kept packed.
#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

// Icon list row 0..280: the name while a copy is owned, else "????" (empty for an unnamed row).
std::string IconListRow(const Catalogue& cat, const tmy& my, int32_t icon);

// Equipped list row 0 (slot 1) or 1 (slot 2): the icon's name, or "･････････" when empty.
std::string EquippedRow(const Catalogue& cat, const tmy& my, int32_t row);

// "★" + name + " ", the description, "所持：" + count + "個"; empty outside the catalogue.
std::string IconInfoText(const Catalogue& cat, const tmy& my, int32_t icon);
// The worn icon of an equipped row with its "(装備) " mark; empty for an empty row.
std::string EquippedInfoText(const Catalogue& cat, const tmy& my, int32_t row);

// "→": the icon into slot 1, or slot 2 when slot 1 is taken; one copy fewer. False when refused
// ("no.wav": no owned, named icon, or both slots full). Clears the applied deck name.
bool EquipIcon(const Catalogue& cat, tmy& my, int32_t icon);

// "←" on equipped row 0 or 1: the icon back into the collection, slot 2 moving up into slot 1.
// Returns the icon taken off, -1 when refused ("no.wav"). Clears the applied deck name.
int32_t UnequipIcon(const Catalogue& cat, tmy& my, int32_t row);

}  // namespace kestra
