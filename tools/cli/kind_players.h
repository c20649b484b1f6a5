#pragma once
// A simulated player made fit for a rule or field duel, checked by the panel's own checks, then
// charged at "スタート" as the main window charges a real one.
#include <cstdint>
#include <string>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra::cli {

// The deck, icons, rank, purse and collection the kind asks for, then the start's fee and kind 7's
// random deck. Returns the panel's refusal when the player still does not pass (empty when it does).
std::string EnterDuelKind(tmy& my, const Catalogue& cat, int32_t kind, int32_t role, Rng& rng);

}  // namespace kestra::cli
