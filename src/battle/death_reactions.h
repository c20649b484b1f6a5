#pragma once
// Death reactions: named cards that do not simply fall. An egg hatches, a phoenix leaves a spark,
// a drowned captain returns with a ghost ship; others cling to life with a line and a little HP.
// The rows live in content/death_reactions.tsv. Conditions read only what both machines share:
// the chance digit, the turn counter and the card's own figures.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "duel/duel_context.h"

namespace kestra {

// What the card does instead of dying.
enum class DeathReactionKind {
    Transform,  // becomes another catalogue card
    Rescue,     // stays with a little HP
};

// One row of the death-reaction table.
struct DeathReaction {
    std::string name;        // the dying card's name
    int32_t min_lv = 0;      // its LV must be at least this
    int32_t max_luck = 9;    // the chance digit must be at most this (9: any)
    int32_t min_turn = 0;    // the turn counter must be at least this
    int32_t mp_cost = 0;     // the card must have this much MP, and spends it
    DeathReactionKind kind = DeathReactionKind::Rescue;
    int32_t amount = 0;      // transform: the new card number; rescue: the HP it keeps
    int32_t music = -1;      // transform: the piece "<music>.mid" that starts, -1 none
    std::string line;        // shown after the card's name
};

// A loaded table, or the first fault found in it.
struct DeathReactionLoad {
    std::vector<DeathReaction> reactions;
    std::string error;  // empty when the table is sound
};

// Parse the table and check it against the catalogue: card names real, new cards named with
// HP above 0, no chain of transformations that comes back to its start, every rescue paid
// for with MP or left to chance, lines present and CP932-representable.
DeathReactionLoad LoadDeathReactions(std::string_view text, const Catalogue& cat);
// The table compiled into the program, checked the same way.
DeathReactionLoad LoadEmbeddedDeathReactions(const Catalogue& cat);

// The row's conditions hold for this card in this duel.
bool ReactionApplies(const DeathReaction& r, const DuelRecord& d, const tchar& c);
// The first row for the slot's card whose conditions hold, or nullptr.
const DeathReaction* FindDeathReaction(const std::vector<DeathReaction>& table, const DuelRecord& d, int32_t slot);
// The card after becoming card n: n's name, number, element, rarity and figures at the card's
// own level; the technique, the card it started the duel as and the spare text stay.
tchar TransformedCard(const Catalogue& cat, const tchar& c, int32_t card_no);

// The card in the slot would die: play its reaction from the table; true when it had one
// (the card then does not die).
bool RunDeathReaction(DuelContext& ctx, int32_t slot, const std::vector<DeathReaction>& table);
// The same with the compiled-in table.
bool RunDeathReaction(DuelContext& ctx, int32_t slot);

}  // namespace kestra
