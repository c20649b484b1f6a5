#pragma once
// What the duel window shows: battle type, turn, icon labels, card panels and the situation text.
// Pure functions of the duel record and the catalogue; the window only renders their texts.
#include <array>
#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"
#include "duel/duel_record.h"

namespace kestra {

// The five text lines of one card panel, top to bottom.
using PanelLines = std::array<std::string, 5>;

// The four icon labels: this side's two, then the opponent's two.
struct IconLabelTexts {
    std::string mine1, mine2;
    std::string theirs1, theirs2;
    bool operator==(const IconLabelTexts&) const = default;
};

// The two situation-text lines for onlookers (観戦者): this side first, then the opponent.
struct SituationLines {
    std::string mine;
    std::string theirs;
    bool operator==(const SituationLines&) const = default;
};

// Label under the message area: "" for no type, else "＜ヘルバトル＞" and so on.
std::string BattleTypeCaption(int32_t battle_type);

// The turn counter as the OPTION box shows it: "＜ターン3＞".
std::string TurnLabel(const DuelRecord& d);

// This side's and the opponent's icon labels with every hiding rule applied.
IconLabelTexts IconLabels(const DuelRecord& d, const Catalogue& cat);

// The panel beside the card in slot 1..6, visible or hidden as the rules say.
PanelLines CardPanel(const DuelRecord& d, const Catalogue& cat, int32_t slot);

// One line per side summing up its cards and icons (状況文字化).
SituationLines SituationText(const DuelRecord& d, const Catalogue& cat);

// This side wears icon 87, which lifts every hiding rule on its own screen.
bool SeesThrough(const DuelRecord& d);

// Side-wide hiding of the panels and icon labels on this machine's screen.
bool MyPanelsHidden(const DuelRecord& d);
bool OpponentPanelsHidden(const DuelRecord& d, const Catalogue& cat);
bool MyIconLabelsHidden(const DuelRecord& d);
bool OpponentIconLabelsHidden(const DuelRecord& d, const Catalogue& cat);

}  // namespace kestra
