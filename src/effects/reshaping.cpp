#include "effects/reshaping.h"

namespace kestra {

void IconReshaping(DuelContext&, StartReport&) {}
std::span<const std::string_view> ReshapingRuleNames() { return {}; }

}  // namespace kestra
