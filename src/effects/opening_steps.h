#pragma once
// The parts of the technique and icon openings, shared by their files (private to src/effects).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "duel/duel_context.h"
#include "effects/effect_kit.h"
#include "effects/start_report.h"

namespace kestra::opening {

// Sum or difference of two figures with 32-bit wrap-around, as both programs compute it.
inline int32_t Plus(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// The three slots of a side, local (1..3) or the opponent's (4..6).
inline std::vector<int32_t> SideSlots(bool local_side) {
    return local_side ? std::vector<int32_t>{1, 2, 3} : std::vector<int32_t>{4, 5, 6};
}

// The worn icons by side, from the shared kit.
using effect_kit::Wears;

// The element stage: each rule once per side that wears its icon (step 7, first half).
void ElementStage(DuelContext& ctx, StartReport& report);
// The icon opening table and the generic "open" tags, each worn slot by itself (step 7, second half).
void OpeningTable(DuelContext& ctx, StartReport& report);

// The names each part reports, in order.
const std::vector<std::string_view>& TechniqueNames();
const std::vector<std::string_view>& DarknessNames();
const std::vector<std::string_view>& ElementNames();
const std::vector<std::string_view>& TableNames();

// The report name of an icon of the table or a generic tag: "icon" + number.
std::string IconName(int32_t icon);

}  // namespace kestra::opening
