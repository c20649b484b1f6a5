#pragma once
// Small shared rules of the duel record: sides, side words, icons by side, named cards; the battle
// and the opening effects both read the record through them.
#include <cstdint>
#include <string>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// Slots 1..3 are this side, 4..6 the opponent.
inline bool OwnSlot(int32_t slot) { return slot >= 1 && slot <= 3; }
// First slot of the side that holds the slot.
inline int32_t FirstSlotOf(int32_t slot) { return OwnSlot(slot) ? 1 : 4; }
// First slot of the other side.
inline int32_t OtherFirstSlot(int32_t slot) { return OwnSlot(slot) ? 4 : 1; }
// The acting side is the attacker's side.
inline bool ActingOwn(const DuelRecord& d) { return OwnSlot(d.atk_no); }

// "あなたの" / "相手の" (view mode: "申込側の" / "受け側の").
std::string SideWord(const DuelRecord& d, int32_t slot);
// The owner's label for status lines: my_label or e_label.
const std::string& OwnerLabel(const DuelRecord& d, int32_t slot);

// The side that holds the slot wears the icon number (in either of its two slots).
bool SideWears(const DuelRecord& d, int32_t slot, int32_t icon);
// How many of that side's two icon slots hold the icon number.
int32_t SideWearsCount(const DuelRecord& d, int32_t slot, int32_t icon);
// The side wears an icon of this catalogue name, and how many of its slots do.
bool SideWearsNamed(const DuelRecord& d, const Catalogue& cat, int32_t slot, std::string_view name);
int32_t SideWearsNamedCount(const DuelRecord& d, const Catalogue& cat, int32_t slot, std::string_view name);

// The card in the slot bears the catalogue name of card n.
bool IsCard(const DuelRecord& d, const Catalogue& cat, int32_t slot, int32_t card_no);

// The worn icon of one side's icon slot 1 or 2 (-1 for none): the local side's my_icon*, the
// opponent's e_icon*; the first form to change it.
int32_t& WornIcon(DuelRecord& d, bool local_side, int32_t icon_slot);
int32_t WornIcon(const DuelRecord& d, bool local_side, int32_t icon_slot);

// Any of the four worn icon slots holds the icon.
inline bool WornAnywhere(const DuelRecord& d, int32_t icon) {
    return d.my_icon1 == icon || d.my_icon2 == icon || d.e_icon1 == icon || d.e_icon2 == icon;
}

// The slot across the field from this one (1 <-> 4, 2 <-> 5, 3 <-> 6).
inline int32_t Facing(int32_t slot) { return OwnSlot(slot) ? slot + 3 : slot - 3; }

tchar& Slot(DuelRecord& d, int32_t slot);
const tchar& Slot(const DuelRecord& d, int32_t slot);

// Sum of a side's three HP values (32-bit wrap).
int32_t SideHp(const DuelRecord& d, int32_t first_slot);

}  // namespace kestra
