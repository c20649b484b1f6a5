#pragma once
// The icon rules that reshape whole cards at the start: exchanges, fusion, triple fusion, hidden
// identities and the HP and status rules that end the opening.
#include <span>
#include <string_view>

#include "duel/duel_context.h"
#include "effects/start_report.h"

namespace kestra {

// Every reshaping rule in its order.
void IconReshaping(DuelContext& ctx, StartReport& report);
// The names these rules report, in order (fusions and hidden identities included).
std::span<const std::string_view> ReshapingRuleNames();

}  // namespace kestra
