#include "collection/start_charges.h"

#include <vector>

#include "base/int_text.h"
#include "collection/duel_kinds.h"
#include "collection/duel_request.h"
#include "player/checksum.h"

namespace kestra {

namespace {

constexpr int32_t kDrawnNumbers = 355;  // card numbers 0..354

// A card the draw may give: it has a name and the collection holds a copy.
bool Drawable(const Catalogue& cat, const tmy& my, int32_t card) {
    return !cat.card[static_cast<size_t>(card)].name.empty() && my.card_count[static_cast<size_t>(card)] >= 1;
}

// Every drawable card, in number order.
std::vector<int32_t> DrawableCards(const Catalogue& cat, const tmy& my) {
    std::vector<int32_t> cards;
    for (int32_t c = 0; c < kDrawnNumbers; ++c)
        if (Drawable(cat, my, c)) cards.push_back(c);
    return cards;
}

// One slot's new card: uniform draws over 0..354 as the game always drew, bounded; -1 when
// nothing can be drawn.
int32_t DrawCard(const Catalogue& cat, const tmy& my, Rng& rng) {
    const std::vector<int32_t> pool = DrawableCards(cat, my);
    if (pool.empty()) return -1;
    for (int32_t t = 0; t < kRandomDrawTries; ++t) {
        const int32_t r = rng.Random(kDrawnNumbers);
        if (Drawable(cat, my, r)) return r;
    }
    return pool[static_cast<size_t>(rng.Random(static_cast<int32_t>(pool.size())))];
}

// The slot's card back into the collection (a number past the saved cards is simply dropped).
void ReturnSlot(tmy& my, int32_t slot) {
    const int32_t card = my.deck[static_cast<size_t>(slot)];
    if (card >= 0 && card < kPerCard)
        my.card_count[static_cast<size_t>(card)] = WrapAdd(my.card_count[static_cast<size_t>(card)], 1);
    my.deck[static_cast<size_t>(slot)] = -1;
}

}  // namespace

void ReplaceDeckAtRandom(const Catalogue& cat, tmy& my, Rng& rng) {
    ChangeSealed(my, [&](tmy& m) {
        for (int32_t slot = 0; slot < kDeckSize; ++slot) {
            ReturnSlot(m, slot);
            const int32_t card = DrawCard(cat, m, rng);
            if (card < 0) continue;
            m.deck[static_cast<size_t>(slot)] = card;
            m.card_count[static_cast<size_t>(card)] -= 1;
        }
    });
    my.applied_deck_name.clear();
}

void ChargeAtStart(const Catalogue& cat, tmy& my, int32_t duel_kind, Rng& rng) {
    ChargeEntryCost(my, duel_kind);
    if (duel_kind == kRandomKind) ReplaceDeckAtRandom(cat, my, rng);
}

}  // namespace kestra
