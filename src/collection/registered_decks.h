#pragma once
// Registered decks: ten named set-ups of ten cards and two icons, registered, renamed, deleted and
// applied back into the deck and icon slots with whatever copies the collection still holds.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

inline constexpr int32_t kTourokuSlots = 10;  // the panel uses slots 0..9 of the twenty
inline constexpr std::string_view kFreeSlotRow = "･････････";
inline constexpr std::string_view kDefaultDeckName = "オリジナルデッキ";
inline constexpr std::string_view kUnstorableName = "この名前は使えません";
inline constexpr std::string_view kApplyShortage =
    "【!!】足りないカード又はアイコンがあるため、デッキは完全に再現できませんでした";

// The set-up the panel shows and "←" registers: ten card numbers and two icon numbers.
struct Candidate {
    std::array<int32_t, kDeckSize> cards{};
    std::array<int32_t, 2> icons{};
};

// The current deck and icon slots as a candidate.
Candidate CandidateFromDeck(const tmy& my);
// A registered slot's set-up as a candidate.
Candidate CandidateFromSlot(const tmy& my, int32_t slot);

// The slot list's ten rows: the name, or "･････････" for a free slot.
std::vector<std::string> TourokuRows(const tmy& my);

// The slot a row's text selects: the last of 0..9 whose name equals it; -1 when none does.
int32_t SlotOfRow(const tmy& my, std::string_view row_text);

// The refusal of a name that cannot be stored as one CP932 line of my.dat (a control character or
// a character without a CP932 form); nothing when it can.
std::optional<std::string_view> NameRefusal(std::string_view name);

// What "←" came to: the slot taken (-1: none free, or the name refused) and the name stored.
struct RegisterResult {
    int32_t slot = -1;
    std::string name;
    std::string refusal;  // a message to show, empty when silent
};
// "←": the candidate into the lowest free slot, named by the box or "オリジナルデッキ" + slot.
RegisterResult RegisterCandidate(tmy& my, const Candidate& c, std::string_view name_box);

// "消" (after its question): the slot becomes free; its numbers stay.
bool DeleteTouroku(tmy& my, int32_t slot);

// "名前変更": the slot takes the box's text, an empty one freeing it. The refusal, or empty when renamed.
std::string RenameTouroku(tmy& my, int32_t slot, std::string_view name);

// "反映": the deck and icons returned, then the slot's set-up taken from the collection position by
// position; a missing card leaves its position empty (the deck is not packed). True when something
// could not be reproduced. The applied deck name becomes the slot's name.
bool ApplyTouroku(tmy& my, int32_t slot);

// The candidate's class summary as the panel shows it: "デッキ　 >  " + summary.
std::string CandidateSummaryLine(const Catalogue& cat, const Candidate& c);

}  // namespace kestra
