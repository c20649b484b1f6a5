#pragma once
// Pair events: on turn 4, cards that know each other (master and apprentice, rivals, kin, old enemies)
// meet on the field, say their line, and one of the two groups feels the meeting.
// The pairs live in content/pair_events.tsv; the order of the table is the order they play in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duel/duel_context.h"

namespace kestra {

// What a pair does to the chosen group's cards.
enum class PairEffect {
    DoubleHpMp,  // "double": HP and MP doubled
    PlusFive,    // "plus5": HP and MP + 5
    HalveHp,     // "halve": HP halved (toward zero)
    Damage3,     // "damage3": HP - 3, not below 0
    Damage5,     // "damage5": HP - 5, not below 0
    HpUpGood,    // "hp2_good": HP + 2 and the good status of the parameter
    MpUpGood,    // "mp3_good": MP + 3 and the good status of the parameter
    BadStatus,   // "bad": the bad status of the parameter
};

// One row of the pair table.
struct PairEvent {
    std::vector<std::string> first;   // card names of the first group
    std::vector<std::string> second;  // card names of the second group
    PairEffect effect = PairEffect::PlusFive;
    int32_t param = 0;                // status code for the status effects, else 0
    int32_t applies_to = 1;           // 1: the first group's cards, 2: the second's
    std::string line;                 // the dialogue line
};

// A loaded table, or the first fault found in it.
struct PairEventLoad {
    std::vector<PairEvent> pairs;
    std::string error;  // empty when the table is sound
};

// The effect of a table tag ("double", "plus5", ...), or nothing for an unknown tag.
std::optional<PairEffect> PairEffectFromTag(std::string_view tag);

// Parse the table and check it against the catalogue: every name a card name, groups disjoint,
// effects and parameters valid, lines present and CP932-representable.
PairEventLoad LoadPairEvents(std::string_view text, const Catalogue& cat);
// The table compiled into the program, checked the same way.
PairEventLoad LoadEmbeddedPairEvents(const Catalogue& cat);

// A pair effect on one card's figures.
void ApplyPairEffect(tchar& c, PairEffect effect, int32_t param);
// Slots holding a living card of the group, the acting side's slots first (the same cards
// in the same order on both machines).
std::vector<int32_t> GroupSlots(const DuelRecord& d, const std::vector<std::string>& group);

// Play one pair when a living card of each group is on the field; true when it played.
bool RunPairEvent(DuelContext& ctx, const PairEvent& pair);
// Play the given pairs in order when the turn counter is exactly 4; returns how many played.
int32_t RunPairEvents(DuelContext& ctx, const std::vector<PairEvent>& pairs);
// The after-action step with the compiled-in table.
int32_t RunPairEvents(DuelContext& ctx);

}  // namespace kestra
