#pragma once
// Deck building: moving copies between the collection and the deck of ten, and what the panel shows.
#include <array>
#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

// The card list row for card 0..326: its name when the player owns a copy, else "????".
std::string CardListRow(const Catalogue& cat, const tmy& my, int32_t card);

// The deck list row for slot 0..9: the card's name, or "･････････" for an empty slot.
std::string DeckListRow(const Catalogue& cat, const tmy& my, int32_t slot);

// The five-line card information: name and element, level and marks, HP/MP (with the
// transplanted technique), copies owned, rarity. Lines joined by "\n".
std::string CardInfoText(const Catalogue& cat, const tmy& my, int32_t card);

// The class summary of the deck: one abbreviation per slot ("--" empty), joined by "・".
std::string DeckSummary(const Catalogue& cat, const tmy& my);
// The same for any ten card numbers (a registered set-up).
std::string DeckSummary(const Catalogue& cat, const std::array<int32_t, kDeckSize>& deck);
// The deck builder's form: summary + "  <  デッキ".
std::string BuilderSummaryLine(const Catalogue& cat, const tmy& my);
// The rule and field panels' form: "デッキ　 >  " + summary.
std::string RulePanelSummaryLine(const Catalogue& cat, const tmy& my);

// What "→" came to.
enum class PutOutcome {
    Moved,          // the card is in the lowest empty slot, one copy fewer in the collection
    NothingChosen,  // no row, a "????" row, or the deck is full: "no.wav" only
    RankTooLow,     // "あなた段位では、このカードは使用できません"
    MeritTooLow,    // "あなた戦歴では、このカードは使用できません"
};

struct PutResult {
    PutOutcome outcome = PutOutcome::NothingChosen;
    std::string message;         // the refusal's message box text, empty when silent
    bool mercenary_hint = false; // the card is the mercenary: show kMercenaryHint
    bool row_now_unowned = false;  // the last copy went in: the card list row reads "????"
};

inline constexpr const char* kMercenaryHint = "【!!】傭兵を投入 > DEUL開始時-15円されます";

// "→" with the card list's selection (-1 none). Clears the applied deck name when it moves.
PutResult PutIntoDeck(const Catalogue& cat, tmy& my, int32_t card);

// What "←" came to: the card taken back, or -1 when refused ("no.wav").
struct TakeResult {
    int32_t card = -1;
};

// "←" with the deck list's selection (-1 none): finds the card by the row's name (last match in
// 0..354), returns it to the collection and packs the deck. Clears the applied deck name.
TakeResult TakeFromDeck(const Catalogue& cat, tmy& my, int32_t slot);

// Whether "≪術・移植≫" shows: the player holds a technique among indexes 0..98.
bool HasStockedTechnique(const tmy& my);

// True when all ten deck slots hold a card.
bool DeckIsFull(const tmy& my);

}  // namespace kestra
