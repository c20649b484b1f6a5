#include "effects/duel_start_effects.h"

#include "duel/game_set.h"
#include "effects/card_rules.h"
#include "effects/icon_openings.h"
#include "effects/reshaping.h"

namespace kestra {

void DuelStartEffects(DuelContext& ctx, StartReport* report) {
    StartReport quiet;
    StartReport& r = report ? *report : quiet;
    using Step = void (*)(DuelContext&, StartReport&);
    for (const Step step : {RuleDuelOpenings, CardAgainstIconRules, CardPresenceRules, TransplantedOpenings,
                            DarknessIcons, IconOpenings, IconReshaping}) {
        if (ClosedMidDuel(ctx)) return;  // the window was closed at one of the start's pauses
        step(ctx, r);
    }
}

std::vector<std::string_view> StartRuleNames() {
    std::vector<std::string_view> names;
    for (const auto family : {CardRuleNames(), IconRuleNames(), ReshapingRuleNames()})
        names.insert(names.end(), family.begin(), family.end());
    return names;
}

}  // namespace kestra
