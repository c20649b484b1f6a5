#include "battle/checked_phase.h"

#include "duel/check_code.h"

namespace kestra {

CheckedPhase PressCheckedBattlePhase(DuelContext& ctx, std::string_view field, const BattleHooks& hooks) {
    CheckedPhase out;
    BattleHooks checked = hooks;
    checked.game_set = [&out, &hooks](DuelContext& c, bool this_side_beaten, bool both_wiped_out) {
        out.check = CheckCode(c.d);
        if (hooks.game_set) hooks.game_set(c, this_side_beaten, both_wiped_out);
    };
    out.end = PressBattlePhase(ctx, field, checked);
    if (out.end == PhaseEnd::Refused) out.check.clear();
    else if (out.end == PhaseEnd::NextTurn) out.check = CheckCode(ctx.d);
    return out;
}

}  // namespace kestra
