#include "effects/card_rules.h"

namespace kestra {

void RuleDuelOpenings(DuelContext&, StartReport&) {}
void CardAgainstIconRules(DuelContext&, StartReport&) {}
void CardPresenceRules(DuelContext&, StartReport&) {}
std::span<const std::string_view> CardRuleNames() { return {}; }

}  // namespace kestra
