#include "duel/time_limit.h"

#include "duel/icon_rules.h"
#include "duel/turn_input.h"

namespace kestra {

int32_t TimeLimitSeconds(const DuelRecord& d, const Catalogue& cat) {
    int32_t seconds = d.battle_type == 16 ? 20 : 50;
    if (SideHasCardNamed(d, cat, 4, 197) || OpponentWears(d, 76)) seconds = 25;
    if (SideHasCardNamed(d, cat, 1, 197)) seconds = 70;
    return seconds;
}

void ArmDeadline(DuelContext& ctx) {
    ctx.d.deadline = ctx.clock.NowMs() + static_cast<int64_t>(TimeLimitSeconds(ctx.d, ctx.cat)) * 1000;
    ctx.d.timer_on = true;
}

std::string TimeLeftLabel(int64_t left_ms) {
    int64_t s = left_ms > 0 ? left_ms / 1000 : 0;
    const int64_t h = s / 3600;
    s %= 3600;
    const int64_t m = s / 60;
    s %= 60;
    auto two = [](int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return "残り時間 >" + std::to_string(h) + ":" + two(m) + ":" + two(s);
}

bool TimeTick(DuelContext& ctx, std::string* number) {
    DuelRecord& d = ctx.d;
    if (d.look_mode || !d.timer_on) return false;
    const int64_t left = d.deadline - ctx.clock.NowMs();
    if (left > 0) {
        ctx.screen().SetTimeLabel(TimeLeftLabel(left));
        return false;
    }
    d.timer_on = false;
    // Choosing lasts from the turn start until the BATTLE NUMBER is built (which stops the timer).
    const bool choosing = d.own_turn && d.input_phase >= kPhaseChooseAttacker && d.input_phase <= kPhaseCommandSent;
    if (!choosing) {
        ctx.screen().SetTimeLabel("残り時間 > 0:00:00");
        return false;
    }
    ctx.screen().SetTimeLabel("タイムアウト！");
    const std::string text = SendTimeOutPass(ctx);
    if (number) *number = text;
    return true;
}

}  // namespace kestra
