#pragma once
// The opening rules cards bring: the rule duels' openings, cards against the other side's icons, and
// the card-presence rules with the fixed opening statuses (each for the local side, then the mirror).
#include <span>
#include <string_view>

#include "duel/duel_context.h"
#include "effects/start_report.h"

namespace kestra {

// Kinds 14, 15 and 16 open with their own statuses or figures.
void RuleDuelOpenings(DuelContext& ctx, StartReport& report);
// Cards 169 and 141 and icon 241 lift the other side's darkness icons and icon protectors.
void CardAgainstIconRules(DuelContext& ctx, StartReport& report);
// The cards whose presence changes their own side or the other (virus, contract, countdown, ...).
void CardPresenceRules(DuelContext& ctx, StartReport& report);
// The names these rules report, in order.
std::span<const std::string_view> CardRuleNames();

}  // namespace kestra
