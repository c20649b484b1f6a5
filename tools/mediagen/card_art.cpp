#include "card_art.h"

#include "card_figure.h"
#include "card_frame.h"

namespace mediagen {

// Background first, figure over it, frame last so it stays crisp.
Image card_picture(int card, int card_class) {
    Image img(kCardSize, kCardSize);
    draw_card_background(img, card % 5);
    draw_card_figure(img, card);
    draw_rarity_frame(img, card_class);
    return img;
}

}  // namespace mediagen
