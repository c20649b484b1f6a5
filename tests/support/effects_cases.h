#pragma once
// What the opening-rule tests share: the record as the other program holds it and counting reports.
#include <algorithm>
#include <string>
#include <utility>

#include "effects/duel_start_effects.h"
#include "support/technique_fixture.h"

namespace kestra::test {

// The record as the other program holds it: sides, icons, IDs and roles exchanged.
inline DuelRecord OtherProgram(const DuelRecord& d) {
    DuelRecord m = Mirrored(d);
    std::swap(m.my_id, m.aite_id);
    m.duel_role = d.duel_role == kApplicant ? kReceiver : kApplicant;
    return m;
}

// How often a rule reported itself.
inline size_t Fired(const StartReport& r, const std::string& name) {
    return static_cast<size_t>(std::count(r.fired.begin(), r.fired.end(), name));
}

// The four worn icons in the order Wear takes them.
inline std::array<int32_t, 4> Worn(const DuelRecord& d) { return {d.my_icon1, d.my_icon2, d.e_icon1, d.e_icon2}; }

}  // namespace kestra::test
