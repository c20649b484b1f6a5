#pragma once
// The technique panels of the duel window: the offered buttons laid out in waza_box2 and waza_box.
// Which buttons a card is offered is the rules library's (battle/offered_buttons.h); the window
// keeps no rule of its own.
#include <vector>

#include "app/duel_layout.h"
#include "battle/offered_buttons.h"

namespace kestra {

// Hide every technique button, then show the offered ones in order with their captions: the first
// eight in waza_box2 (four rows of two), the next eight in waza_box under them.
void LayOutOfferedButtons(DuelLayout& ui, const std::vector<OfferedButton>& offered);

}  // namespace kestra
