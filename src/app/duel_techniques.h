#pragma once
// The technique buttons m1..m88 of the command box: the digits each sends, its caption, and which
// of them the acting card is offered. Plain rules without widgets, so the tests can read them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "duel/duel_record.h"

namespace kestra {

// One command button: its object name, the two digits of its technique key, and its caption.
struct TechniqueButton {
    std::string_view name;  // "m1" .. "m88", "m5a"
    int32_t waza_kind = 0;
    int32_t waza_arg1 = 0;
    std::string_view caption;  // "" for a button whose key has no technique
    int32_t key() const { return waza_kind * 10 + waza_arg1; }
};

// The button that opens the item box instead of sending digits itself.
inline constexpr std::string_view kItemButton = "m87";

// Every button of the panel, in the order the panel lays them out.
const std::vector<TechniqueButton>& TechniqueButtons();

// The button of that name, or nullptr.
const TechniqueButton* FindTechniqueButton(std::string_view name);

// A button offered to the acting card, with the caption it shows this time.
struct OfferedButton {
    std::string_view name;
    std::string caption;
    bool operator==(const OfferedButton&) const = default;
};

// The buttons for the acting card (atk_no) once its target is chosen: the flick always, the card's
// transplanted single-word technique, "アイテム" with icon 198 or technique 23; a button whose
// technique the battle does not know yet stays hidden. Icons 227 and 228 relabel the flick; icon 80
// leaves one button drawn from the panel by local chance.
std::vector<OfferedButton> OfferedButtons(const DuelRecord& d, Rng& rng);

// The button of a transplanted technique 1..18 ("" for others): 1 m67 魔術 ... 18 m84 冥術.
std::string_view SingleWordButton(int32_t waza);

// True when the battle runs something for this key (the flick, the item use, the built techniques).
bool TechniqueBuilt(int32_t key);

}  // namespace kestra
