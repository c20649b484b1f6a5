#pragma once
// The opening position from the decks and the worn icons, after the duel music: the same on both
// programs, drawing no chance.
#include <string_view>
#include <vector>

#include "duel/duel_context.h"
#include "effects/start_report.h"

namespace kestra {

// Every opening rule in its order; report (when given) collects the rules that acted.
void DuelStartEffects(DuelContext& ctx, StartReport* report = nullptr);

// Every name a report can hold, in order.
std::vector<std::string_view> StartRuleNames();

}  // namespace kestra
