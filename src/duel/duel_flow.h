#pragma once
// The steps of a duel that every front end runs the same way: the command-line programs and the
// duel window share them, so both tell the same story.
#include "duel/game_set.h"

namespace kestra {

// The game set as a side reaches it: the results (not in view mode), then the set IDs. Playing,
// the set-ID exchange begins; in view mode both set IDs are only computed, since nobody exchanges them.
GameSetResult RunGameSetAndIds(DuelContext& ctx, bool this_side_beaten, bool both_wiped_out, const SavePlayer& save);

}  // namespace kestra
