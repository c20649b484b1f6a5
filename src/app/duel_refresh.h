#pragma once
// The 50 ms refresh: every panel and label redrawn from the record by the display rules.
#include "app/duel_parts.h"

namespace kestra {

// Caption in view mode, battle type, blinking target marker, turn, icon labels, card panels.
void RefreshDuelWindow(DuelParts& p);

// Slot 1..6's panel shown; a name line too wide for the panel is set in a smaller size.
void ShowPanel(DuelParts& p, int32_t slot);

// The largest pixel size, from the panel font's own down to 7, at which the line fits the width.
int NameLinePixelSize(const QFont& panel_font, const QString& line, int width);

}  // namespace kestra
