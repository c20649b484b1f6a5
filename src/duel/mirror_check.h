#pragma once
// Whether two programs' records tell the same duel, each from its own side.
#include <string>

#include "duel/duel_record.h"

namespace kestra {

// Empty when a's slots 1..3 are b's 4..6 and the other way round, the decks and icons are
// mirrored and every shared scalar is equal; otherwise the first difference, in words.
// After the game set each program breaks its own icons by local chance, so icons are left out then.
std::string MirrorMismatch(const DuelRecord& a, const DuelRecord& b, bool compare_icons = true);

}  // namespace kestra
