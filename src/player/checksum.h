#pragma once
// The save-data checksum that lets the duel buttons refuse a hand-edited my.dat.
#include <cstdint>

#include "player/tmy.h"

namespace kestra {

// 32-bit wrapping sum of deck slots, card counts 0..354, icon counts 0..254,
// money, both icon slots, duels and wins. Icons 255 and up are not covered.
int32_t ComputeChecksum(const tmy& m);

// CheckSaveData: true when the stored checksum matches the record.
bool CheckSaveData(const tmy& m);

// The program itself changes a sealed field (money, icon slots, deck, cards, duels, wins) outside a
// save: the stored checksum follows the change when it held before, so the next duel request is not
// refused as damaged, while a hand-edited record stays refused.
template <class Change>
void ChangeSealed(tmy& m, Change change) {
    const bool sealed = CheckSaveData(m);
    change(m);
    if (sealed) m.checksum = ComputeChecksum(m);
}

}  // namespace kestra

#include <optional>
#include <string_view>

#include "catalogue/catalogue.h"

namespace kestra {

inline constexpr std::string_view kDataBroken = "データが破壊されています";

// The duel buttons' test before a duel may begin: the save's checksum and the compiled-in
// card table. Returns the refusal message, or nothing when the data is sound.
std::optional<std::string_view> DuelDataRefusal(const tmy& m, const Catalogue& cat);

}  // namespace kestra
