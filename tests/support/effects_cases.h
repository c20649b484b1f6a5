#pragma once
// What the opening-rule tests share: counting reports and the worn icons.
#include <algorithm>
#include <string>

#include "effects/duel_start_effects.h"
#include "support/technique_fixture.h"

namespace kestra::test {

// How often a rule reported itself.
inline size_t Fired(const StartReport& r, const std::string& name) {
    return static_cast<size_t>(std::count(r.fired.begin(), r.fired.end(), name));
}

// The four worn icons in the order Wear takes them.
inline std::array<int32_t, 4> Worn(const DuelRecord& d) { return {d.my_icon1, d.my_icon2, d.e_icon1, d.e_icon2}; }

}  // namespace kestra::test
