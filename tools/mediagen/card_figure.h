// The figure in the middle of a card: a sigil or a silhouette of its own, built from the card number.
#pragma once

#include "image.h"

namespace mediagen {

// Paints card `card`'s figure over an already drawn background.
void draw_card_figure(Image& img, int card);

}  // namespace mediagen
