#include "duel/duel_flow.h"

#include "duel/duel_start.h"
#include "duel/verification.h"

namespace kestra {

GameSetResult RunGameSetAndIds(DuelContext& ctx, bool this_side_beaten, bool both_wiped_out, const SavePlayer& save) {
    const bool viewing = ctx.d.look_mode != 0;  // closing a viewed duel mid-way clears look_mode
    GameSetResult result = RunGameSet(ctx, GameSetCall{this_side_beaten, both_wiped_out}, save);
    if (ClosedMidDuel(ctx)) return result;  // no set ID to copy for a duel that was given up
    if (viewing) {
        ComputeSetIds(ctx.d);
    } else {
        BeginSetIdExchange(ctx);
    }
    return result;
}

}  // namespace kestra
