#include "battle/after_action.h"

#include "duel/side_rules.h"
#include "battle/deaths.h"
#include "battle/disasters.h"
#include "battle/end_of_action.h"
#include "battle/pair_events.h"
#include "duel/icon_rules.h"
#include "duel/judgement.h"
#include "duel/turn_start.h"

namespace kestra {

namespace {

// Catalogue base HP + MP of a side's three current cards.
int32_t CatalogueTotal(const DuelRecord& d, const Catalogue& cat, int32_t first) {
    uint32_t total = 0;
    for (int32_t s = first; s < first + 3; ++s) {
        const int32_t no = Slot(d, s).card_no;
        if (no < 0 || no >= kCardRows) continue;
        total += static_cast<uint32_t>(cat.card[static_cast<size_t>(no)].hp) +
                 static_cast<uint32_t>(cat.card[static_cast<size_t>(no)].mp);
    }
    return static_cast<int32_t>(total);
}

// Both sides fell together: the overall judgement decides, told with its lines.
bool JudgeDoubleWipeOut(DuelContext& ctx) {
    ctx.msg.ShowMessage("相討ちに、総合判定により勝敗を決めます");
    ctx.msg.AddMessage("・・・・・・・・・・・・・・・・・・・・");
    ctx.msg.WaitClick();
    const bool won = ThisSideWinsDoubleWipeOut(ctx.d, ctx.cat);
    if (won) {
        CountWinStreak(ctx);
        ctx.screen().PlaySe("win.wav", 1);
        ctx.msg.AddMessage("＜" + ctx.d.my_label + "の勝ちです！＞");
    } else {
        CountLossStreak(ctx);
        ctx.msg.AddMessage("＜" + ctx.d.my_label + "の負けです！＞");
    }
    ctx.msg.WaitClick();
    return won;
}

// A side is wiped out: decide which counts as beaten and run the game set. False when neither is.
bool SettleWipeOut(DuelContext& ctx, const BattleHooks& hooks) {
    const bool mine = WipedOut(ctx.d, 1), theirs = WipedOut(ctx.d, 4);
    if (!mine && !theirs) return false;
    bool this_side_beaten = mine;
    if (mine && theirs) this_side_beaten = !JudgeDoubleWipeOut(ctx);
    ctx.d.timer_on = false;
    if (hooks.game_set) hooks.game_set(ctx, this_side_beaten, mine && theirs);
    return true;
}

}  // namespace

void ClampFigures(DuelRecord& d) {
    for (size_t s = 1; s <= 6; ++s) {
        tchar& c = d.chara[s];
        if (c.hp < 0) c.hp = 0;
        if (c.mp < 0) c.mp = 0;
        if (c.lv < 0) c.lv = 0;
    }
}

bool ThisSideWinsDoubleWipeOut(const DuelRecord& d, const Catalogue& cat) {
    const int32_t mine = CatalogueTotal(d, cat, 1), theirs = CatalogueTotal(d, cat, 4);
    return mine < theirs || (mine == theirs && d.duel_role == kReceiver);
}

PhaseEnd RunAfterAction(DuelContext& ctx, const BattleHooks& hooks) {
    DuelRecord& d = ctx.d;
    ctx.screen().HideActionMarkers();
    if (ctx.msg.pause() == MessagePlayer::kSwitchedOff) return PhaseEnd::NextTurn;
    ClampFigures(d);
    ProcessDeaths(ctx);
    if (SettleWipeOut(ctx, hooks)) return PhaseEnd::GameSet;
    ctx.msg.ShowMessage("");
    const bool interference = IconWorn(d, ctx.cat, "第３干渉体");
    const int32_t v = DisasterValue(d) % 120;
    ctx.screen().SetDisasterLabel("異変数値 > " + std::to_string(v));
    RunDisasters(ctx, interference);
    if (d.turn == 4) RunPairEvents(ctx);
    RunEndOfAction(ctx);
    ClampFigures(d);
    ProcessDeaths(ctx);
    if (SettleWipeOut(ctx, hooks)) return PhaseEnd::GameSet;
    const bool next_own = !ActingOwn(d);
    if (!BeginTurn(ctx, next_own)) {
        // The turn limit's judgement wiped a side out.
        if (hooks.game_set) hooks.game_set(ctx, WipedOut(d, 1), false);
        return PhaseEnd::GameSet;
    }
    return PhaseEnd::NextTurn;
}

}  // namespace kestra
