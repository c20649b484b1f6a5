#include "effects/icon_openings.h"

namespace kestra {

void TransplantedOpenings(DuelContext&, StartReport&) {}
void DarknessIcons(DuelContext&, StartReport&) {}
void IconOpenings(DuelContext&, StartReport&) {}
std::span<const std::string_view> IconRuleNames() { return {}; }

}  // namespace kestra
