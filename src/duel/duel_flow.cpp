#include "duel/duel_flow.h"

#include "duel/duel_start.h"
#include "duel/verification.h"

namespace kestra {

GameSetResult RunGameSetAndIds(DuelContext& ctx, bool this_side_beaten, bool both_wiped_out, const SavePlayer& save) {
    GameSetResult result = RunGameSet(ctx, GameSetCall{this_side_beaten, both_wiped_out}, save);
    if (ctx.d.look_mode) {
        ComputeSetIds(ctx.d);
    } else {
        BeginSetIdExchange(ctx);
    }
    return result;
}

}  // namespace kestra
