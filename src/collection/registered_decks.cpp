#include "collection/registered_decks.h"

#include <algorithm>

#include "base/int_text.h"
#include "collection/deck_builder.h"
#include "player/checksum.h"
#include "player/cp932.h"

namespace kestra {

namespace {

// A registered slot the panel uses.
bool IsTourokuSlot(int32_t slot) { return slot >= 0 && slot < kTourokuSlots; }

ttouroku& Slot(tmy& my, int32_t slot) { return my.touroku[static_cast<size_t>(slot)]; }
const ttouroku& Slot(const tmy& my, int32_t slot) { return my.touroku[static_cast<size_t>(slot)]; }

// A control character would split the line in my.dat or hide in it.
bool HasControlCharacter(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char ch) {
        const auto b = static_cast<unsigned char>(ch);
        return b < 0x20 || b == 0x7f;
    });
}

// One copy of a card or icon back into its count (a number past the array is dropped).
template <typename Counts>
void ReturnCopy(Counts& counts, int32_t n) {
    if (n >= 0 && n < static_cast<int32_t>(counts.size()))
        counts[static_cast<size_t>(n)] = WrapAdd(counts[static_cast<size_t>(n)], 1);
}

// One copy of a card or icon taken from its count when one is held; the number taken, or -1.
template <typename Counts>
int32_t TakeCopy(Counts& counts, int32_t n) {
    if (n < 0 || n >= static_cast<int32_t>(counts.size()) || counts[static_cast<size_t>(n)] < 1) return -1;
    counts[static_cast<size_t>(n)] -= 1;
    return n;
}

// The lowest free slot of 0..9, -1 when all are named.
int32_t LowestFreeSlot(const tmy& my) {
    for (int32_t s = 0; s < kTourokuSlots; ++s)
        if (Slot(my, s).name.empty()) return s;
    return -1;
}

// Deck and icons back into the collection, then the set-up taken position by position; true on a shortage.
bool Reproduce(tmy& my, const ttouroku& setup) {
    bool short_of = false;
    for (const int32_t card : my.deck) ReturnCopy(my.card_count, card);
    for (int32_t p = 0; p < kDeckSize; ++p) {
        const int32_t want = setup.cards[static_cast<size_t>(p)];
        my.deck[static_cast<size_t>(p)] = TakeCopy(my.card_count, want);
        short_of = short_of || (want != -1 && my.deck[static_cast<size_t>(p)] < 0);
    }
    ReturnCopy(my.icon_count, my.icon_slot1);
    ReturnCopy(my.icon_count, my.icon_slot2);
    my.icon_slot1 = TakeCopy(my.icon_count, setup.icons[0]);
    my.icon_slot2 = TakeCopy(my.icon_count, setup.icons[1]);
    short_of = short_of || (setup.icons[0] != -1 && my.icon_slot1 < 0) ||
               (setup.icons[1] != -1 && my.icon_slot2 < 0);
    return short_of;
}

}  // namespace

Candidate CandidateFromDeck(const tmy& my) { return {my.deck, {my.icon_slot1, my.icon_slot2}}; }

Candidate CandidateFromSlot(const tmy& my, int32_t slot) {
    if (!IsTourokuSlot(slot)) return {};
    return {Slot(my, slot).cards, Slot(my, slot).icons};
}

std::vector<std::string> TourokuRows(const tmy& my) {
    std::vector<std::string> rows;
    for (int32_t s = 0; s < kTourokuSlots; ++s)
        rows.push_back(Slot(my, s).name.empty() ? std::string(kFreeSlotRow) : Slot(my, s).name);
    return rows;
}

int32_t SlotOfRow(const tmy& my, std::string_view row_text) {
    int32_t found = -1;
    for (int32_t s = 0; s < kTourokuSlots; ++s)
        if (!Slot(my, s).name.empty() && Slot(my, s).name == row_text) found = s;
    return found;
}

std::optional<std::string_view> NameRefusal(std::string_view name) {
    if (HasControlCharacter(name) || !Utf8ToCp932(name)) return kUnstorableName;
    return std::nullopt;
}

RegisterResult RegisterCandidate(tmy& my, const Candidate& c, std::string_view name_box) {
    RegisterResult out;
    const int32_t slot = LowestFreeSlot(my);
    if (slot < 0) return out;
    if (const auto refusal = NameRefusal(name_box)) {
        out.refusal = *refusal;
        return out;
    }
    out.name =
        name_box.empty() ? std::string(kDefaultDeckName) + std::to_string(slot) : std::string(name_box);
    Slot(my, slot) = ttouroku{out.name, c.cards, c.icons};
    out.slot = slot;
    return out;
}

bool DeleteTouroku(tmy& my, int32_t slot) {
    if (!IsTourokuSlot(slot) || Slot(my, slot).name.empty()) return false;
    Slot(my, slot).name.clear();
    return true;
}

std::string RenameTouroku(tmy& my, int32_t slot, std::string_view name) {
    if (!IsTourokuSlot(slot)) return {};
    if (const auto refusal = NameRefusal(name)) return std::string(*refusal);
    Slot(my, slot).name = name;
    return {};
}

bool ApplyTouroku(tmy& my, int32_t slot) {
    if (!IsTourokuSlot(slot)) return false;
    const ttouroku setup = Slot(my, slot);
    bool short_of = false;
    ChangeSealed(my, [&](tmy& m) { short_of = Reproduce(m, setup); });
    my.applied_deck_name = setup.name;
    return short_of;
}

std::string CandidateSummaryLine(const Catalogue& cat, const Candidate& c) {
    return "デッキ　 >  " + DeckSummary(cat, c.cards);
}

}  // namespace kestra
