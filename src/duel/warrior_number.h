#pragma once
// The warrior number (戦士ナンバー): a side's drawn cards and icons as decimal digits.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "duel/duel_record.h"

namespace kestra {

inline constexpr std::string_view kWarriorTag = "戦士No.";
inline constexpr std::string_view kApplicantTag = "申込＞";
inline constexpr std::string_view kReceiverTag = "受け＞";

// One side as a warrior number carries it.
struct WarriorSide {
    std::array<tchar, 3> fighters{};  // the three fighting cards
    std::array<tchar, 10> deck{};     // sudden death only: the whole deck in slot order
    int32_t icon1 = -1, icon2 = -1;
};

// The digits of this side: 24 (three cards, two icons), 66 in sudden death (ten cards, two icons).
std::string WarriorDigits(const DuelRecord& d);

// The text shown and copied: "申込＞戦士No." or "受け＞戦士No." followed by the digits.
std::string WarriorNumberText(const DuelRecord& d);

// The digits of a pasted warrior number: players paste the whole line the other program shows, so
// blanks around it, a leading "申込＞" or "受け＞" and "戦士No." are dropped.
std::string_view PastedWarriorDigits(std::string_view text);

// Read a pasted warrior number (the shown line or its digits); every piece must be plain digits
// naming a catalogue card (and an icon, or 999 for none); otherwise nothing is returned.
std::optional<WarriorSide> DecodeWarriorNumber(std::string_view text, int32_t duel_kind, const Catalogue& cat);

// Put a decoded side into slots 4..6 (or 1..3 when mine) with its icons and, in sudden death, its deck.
void PlaceOpponentSide(DuelRecord& d, const WarriorSide& side);
void PlaceOwnSide(DuelRecord& d, const WarriorSide& side);

// The most characters the opponent's field accepts: as many as this side's own number.
size_t OpponentFieldLimit(const DuelRecord& d);

}  // namespace kestra
