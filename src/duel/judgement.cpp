#include "duel/judgement.h"

#include "duel/icon_rules.h"

namespace kestra {

namespace {

// The losing side's cards fall: HP 0 and, in sudden death, its whole deck dead.
void WipeOut(DuelRecord& d, bool this_side) {
    const size_t first = this_side ? 1 : 4;
    for (size_t s = first; s < first + 3; ++s) d.chara[s].hp = 0;
    if (d.duel_kind != kSuddenDeath) return;
    auto& deck = this_side ? d.my_dekki : d.e_dekki;
    for (auto& c : deck) c.name = std::string(kDeadName);
}

}  // namespace

int32_t JudgementScore(const DuelRecord& d, bool this_side) {
    const size_t first = this_side ? 1 : 4;
    uint32_t score = 0;
    for (size_t s = first; s < first + 3; ++s) {
        const tchar& c = d.chara[s];
        score += static_cast<uint32_t>(c.hp) + static_cast<uint32_t>(c.mp) + (c.alive() ? 1u : 0u);
    }
    return static_cast<int32_t>(score);
}

bool ThisSideWinsJudgement(const DuelRecord& d) {
    int32_t mine = JudgementScore(d, true), theirs = JudgementScore(d, false);
    if (AnyWears(d, 66)) std::swap(mine, theirs);
    return mine > theirs || (mine == theirs && d.duel_role == kReceiver);
}

void CountWinStreak(DuelContext& ctx) {
    if (ctx.d.look_mode || ctx.session.streak_counted) return;
    ctx.session.streak_counted = true;
    ctx.my.loss_streak = 0;
    ctx.my.win_streak += 1;
}

void CountLossStreak(DuelContext& ctx) {
    if (ctx.d.look_mode || ctx.session.streak_counted) return;
    ctx.session.streak_counted = true;
    ctx.my.win_streak = 0;
    ctx.my.loss_streak += 1;
}

void RunJudgement(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    ctx.screen().PlayBgm("not");
    ctx.screen().PlaySe("turn2.wav", 0);
    for (size_t s = 1; s <= 6; ++s) d.chara[s].status1 = d.chara[s].status2 = 0;
    ctx.msg.ShowMessage("決着がつかないため、判定モードにはいります");
    ctx.msg.WaitClick();
    ctx.msg.AddMessage("・・・・・・・・・・・・・・・・・・・・");
    ctx.msg.WaitClick();
    const bool won = ThisSideWinsJudgement(d);
    if (won) {
        CountWinStreak(ctx);
        ctx.screen().PlaySe("win.wav", 0);
        ctx.msg.AddMessage("＜" + d.my_label + "の勝ちです！＞");
    } else {
        CountLossStreak(ctx);
        ctx.screen().PlaySe("over.wav", 0);
        ctx.msg.AddMessage("＜" + d.my_label + "の負けです！＞");
    }
    ctx.msg.WaitClick();
    WipeOut(d, !won);
}

}  // namespace kestra
