#pragma once
// One battle phase: one action of one side, resolved the same way on both machines.
#include <functional>
#include <string_view>

#include "battle/item_use.h"
#include "duel/duel_context.h"

namespace kestra {

// How the duel went on after a phase.
enum class PhaseEnd {
    Refused,    // the pasted number was refused; nothing changed
    NextTurn,   // the next turn has started
    GameSet,    // a side was wiped out (or the turn limit judged it): the game set has run
};

// The procedures the phase calls that live elsewhere.
struct BattleHooks {
    // The item procedure (key 78).
    std::function<void(DuelContext&)> item = [](DuelContext& ctx) { UseItem(ctx); };
    // A side was wiped out: the results and the set-ID exchange. this_side_beaten says which side
    // counts as beaten, both_wiped_out whether both fell together.
    std::function<void(DuelContext&, bool this_side_beaten, bool both_wiped_out)> game_set;
};

// "BATTLE PHASE": read the field when the number was pasted (the opponent's action, or either side in
// view mode), then resolve. The own action in a normal duel uses the values the command set.
PhaseEnd PressBattlePhase(DuelContext& ctx, std::string_view field, const BattleHooks& hooks);

// Resolve the action held in the record: title, pass or announcement, chains, the technique,
// then the after-action processing exactly once.
PhaseEnd ResolveAction(DuelContext& ctx, const BattleHooks& hooks);

}  // namespace kestra
