#include "effects/reshaping.h"

#include "duel/game_set.h"
#include "effects/reshape_steps.h"

namespace kestra {

namespace {
// Every name the reshaping reports, in the order of the steps.
constexpr std::string_view kNames[] = {
    "exchange59", "exchange63", "fusion82",    "triple62",    "triple52",    "triple0",
    "triple19",   "triple9",    "triple48",    "triple27",    "triple20",    "triple14",    "identity111",
    "identity112", "identity113", "identity114", "identity115", "identity116", "identity117", "identity118",
    "identity119", "icon212",   "icon213",     "icon219",     "icon61",      "icon211",     "icon88",
    "icon98",     "icon95",     "icon62",      "icon223",     "icon111",     "icon110",     "icon199",
    "fullhouse79", "icon230",   "icon251"};
}  // namespace

void IconReshaping(DuelContext& ctx, StartReport& report) {
    using Step = void (*)(DuelContext&, StartReport&);
    for (const Step step : {reshape::ExchangeCards, reshape::FloorAtZero, reshape::Fusion, reshape::TripleFusions,
                            reshape::HiddenIdentities, reshape::StatusIcons, reshape::ExchangeBadStatuses,
                            reshape::FigureIcons, reshape::HpSwings, reshape::FullHouse, reshape::ClosingIcons}) {
        if (ClosedMidDuel(ctx)) return;  // the window was closed at one of the pauses
        step(ctx, report);
    }
}

std::span<const std::string_view> ReshapingRuleNames() { return kNames; }

}  // namespace kestra
