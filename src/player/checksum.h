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

}  // namespace kestra
