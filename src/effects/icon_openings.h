#pragma once
// The opening rules of transplanted techniques and worn icons: techniques, the darkness icons, the
// element stage and the icon opening table (each icon slot by itself).
#include <span>
#include <string_view>

#include "duel/duel_context.h"
#include "effects/start_report.h"

namespace kestra {

// Every slot's transplanted technique acts once.
void TransplantedOpenings(DuelContext& ctx, StartReport& report);
// Icon 78, the darkness icons 56, 57, 231, card 274 and icon 240, in their order.
void DarknessIcons(DuelContext& ctx, StartReport& report);
// The element stage (once per side), then the icon opening table (each worn slot by itself).
void IconOpenings(DuelContext& ctx, StartReport& report);
// The names these rules report, in order.
std::span<const std::string_view> IconRuleNames();

}  // namespace kestra
