#pragma once
// The summon beings of 召喚 (key 23, step 5): one row of content/summon_beings.tsv per summon icon,
// each with its being's name, picture, whom it touches, what it changes (and how it grows under
// 天才召喚士), its flash, sound and lines. Whom it touches is read from the attacker's side, so both
// programs walk the same cards in the same order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "duel/duel_context.h"

namespace kestra {

// Whom a being touches.
enum class SummonWho {
    Self,    // the attacker
    Target,  // the chosen target card
    Ally,    // the living cards of the attacker's side
    Foe,     // the living cards of the other side
};

// Which of those cards: all of them, those of one element, or the side's K-th card.
enum class SummonFilter { Any, Element, SlotOfSide };

// The figure a change moves.
enum class SummonField { Hp, Mp, Lv, Status1, Status2 };

// One change: add `value` to HP, MP or LV (a loss stops at 0), or set a status to `value`.
struct SummonChange {
    SummonField field = SummonField::Hp;
    int32_t value = 0;
};

// One row of the table.
struct SummonBeing {
    std::string icon;     // the summon icon's catalogue name
    std::string being;    // the being's own name
    std::string picture;  // its bitmap below the game folder
    std::string figure;   // the media generator's figure family
    SummonWho who = SummonWho::Target;
    SummonFilter filter = SummonFilter::Any;
    int32_t filter_value = 0;          // the element 0..4 or the side's card 1..3
    std::vector<SummonChange> amount;  // the changes, in order
    std::vector<SummonChange> grown;   // the changes under 天才召喚士
    FlashColour flash = FlashColour::White;
    std::string sound;               // a wave from dat/, channel 3
    std::vector<std::string> lines;  // each with its click; {name} {hp} {mp} {lv} filled in
};

// A loaded table, or the first fault found in it.
struct SummonBeingLoad {
    std::vector<SummonBeing> beings;
    std::string error;  // empty when the table is sound
};

// Parse the table: known shapes and figures, changes in range, flash colours by name, waves and
// bitmaps by file name, lines present, CP932-representable and naming only the amounts it moves.
SummonBeingLoad LoadSummonBeings(std::string_view text);
// The compiled-in table, parsed once; a fault leaves it empty (the content test names the fault).
const SummonBeingLoad& EmbeddedSummonBeings();
// The compiled-in beings in list order.
const std::vector<SummonBeing>& SummonBeings();
// The summon icons' names in list order (the coverage counts "show: 召喚＞" + each).
std::vector<std::string> SummonIconNames();

// The slots the being touches now, in the attacker's order (own side first, then slot order).
std::vector<int32_t> SummonedSlots(const DuelRecord& d, const SummonBeing& being);
// The being's changes now: grown while either side wears 天才召喚士.
const std::vector<SummonChange>& SummonChanges(const DuelContext& ctx, const SummonBeing& being);
// A line with {name} and the amounts moved filled in.
std::string SummonLine(std::string_view line, const std::string& name,
                       const std::vector<SummonChange>& changes);

// The being's effect: each touched card gets its flash, sound, changes and lines; with no card to
// touch, "効果が無かった...." for a fallen target, "何も起きなかった..." otherwise.
void ActSummonBeing(DuelContext& ctx, const SummonBeing& being);

}  // namespace kestra
