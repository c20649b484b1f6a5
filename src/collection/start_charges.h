#pragma once
// What "スタート" takes before the duel window opens: the kind's fee and, for ランダムデュエル,
// the deck given away to chance.
#include <cstdint>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

// Draws before a slot gives up on chance and picks among the drawable cards directly.
inline constexpr int32_t kRandomDrawTries = 4096;

// Each slot in order: its card back to the collection, then a card drawn uniformly from 0..354
// until one has a name and a copy; the slot takes it. A collection with nothing drawable leaves
// the slot empty instead of drawing forever. Clears the applied deck name.
void ReplaceDeckAtRandom(const Catalogue& cat, tmy& my, Rng& rng);

// "スタート": the fee of the kind, once, and kind 7's random deck.
void ChargeAtStart(const Catalogue& cat, tmy& my, int32_t duel_kind, Rng& rng);

}  // namespace kestra
