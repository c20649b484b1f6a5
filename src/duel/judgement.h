#pragma once
// The judgement when the turn limit is reached without a wipe-out.
#include "duel/duel_context.h"

namespace kestra {

// Score of a side: HP + MP of its three cards, plus 1 for each living card.
int32_t JudgementScore(const DuelRecord& d, bool this_side);

// True when this side wins the judgement (icon 66 swaps the scores; a tie goes to the receiver).
bool ThisSideWinsJudgement(const DuelRecord& d);

// Run the judgement: clear statuses, announce, and wipe out the losing side's HP.
void RunJudgement(DuelContext& ctx);

// Streaks of a finished duel, counted once per duel.
void CountWinStreak(DuelContext& ctx);
void CountLossStreak(DuelContext& ctx);

}  // namespace kestra
