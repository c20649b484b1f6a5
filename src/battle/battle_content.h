#pragma once
// The battle's authored tables, parsed once for a whole run of the program.
#include <string>

#include "battle/death_reactions.h"
#include "battle/pair_events.h"
#include "battle/signature_moves.h"
#include "duel/duel_context.h"

namespace kestra {

struct BattleContent {
    std::vector<PairEvent> pairs;
    std::vector<DeathReaction> reactions;
    std::vector<SignatureMove> moves;
    std::string error;  // a malformed embedded table: a build fault
};

// Parse the embedded pair-event, death-reaction and signature-move tables against the catalogue.
BattleContent LoadBattleContent(const Catalogue& cat);

}  // namespace kestra
