#pragma once
// The 50 ms refresh: every panel and label redrawn from the record by the display rules.
#include "app/duel_parts.h"

namespace kestra {

// Caption in view mode, battle type, blinking target marker, turn, icon labels, card panels.
void RefreshDuelWindow(DuelParts& p);

// The five lines of slot 1..6's panel as one text ("" for a slot without a card).
QString PanelText(const DuelParts& p, int32_t slot);

}  // namespace kestra
