#pragma once
// Statuses: the two code sets, their groups, and the shared rules that set, advance, move and clear them.
// Pure functions work on one card; the presenting ones also play the sound, flash and line.
#include <cstdint>
#include <functional>

#include "duel/duel_context.h"

namespace kestra::status {

// Bad statuses (the first status field).
inline constexpr int32_t kBadNone = 0;
inline constexpr int32_t kBadPoison = 1;
inline constexpr int32_t kBadSleep = 2;
inline constexpr int32_t kBadCurse = 3;
inline constexpr int32_t kBadWeakened = 4;
inline constexpr int32_t kBadStone = 5;
inline constexpr int32_t kBadStrongPoison = 6;
inline constexpr int32_t kBadConfusion = 7;
inline constexpr int32_t kBadFrozen = 8;
inline constexpr int32_t kBadBomb = 9;
inline constexpr int32_t kBadSickness = 10;
inline constexpr int32_t kBadJail = 11;
inline constexpr int32_t kBadTime1 = 12;
inline constexpr int32_t kBadTime2 = 13;
inline constexpr int32_t kBadTime3 = 14;
inline constexpr int32_t kBadContract = 15;
inline constexpr int32_t kBadBetrayal = 16;
inline constexpr int32_t kBadSuspended = 17;
inline constexpr int32_t kBadDeadlyPoison = 18;
inline constexpr int32_t kBadDeathPoison = 19;
inline constexpr int32_t kBadChains = 20;
inline constexpr int32_t kBadLast = 20;

// Good statuses (the second status field).
inline constexpr int32_t kGoodNone = 0;
inline constexpr int32_t kGoodHealing = 1;
inline constexpr int32_t kGoodStrengthened = 2;
inline constexpr int32_t kGoodShield = 3;
inline constexpr int32_t kGoodCloud = 4;
inline constexpr int32_t kGoodPromise = 5;
inline constexpr int32_t kGoodRampage = 6;
inline constexpr int32_t kGoodMercy = 7;
inline constexpr int32_t kGoodMagicPath = 8;
inline constexpr int32_t kGoodDivinity = 9;
inline constexpr int32_t kGoodMagicPower = 10;
inline constexpr int32_t kGoodCure = 11;
inline constexpr int32_t kGoodRelease = 12;
inline constexpr int32_t kGoodBarrier = 13;
inline constexpr int32_t kGoodLast = 13;

}  // namespace kestra::status

namespace kestra {

// Poison group: poison and strong poison (an antidote clears either).
bool InPoisonGroup(int32_t bad);
// Timer group: time 1, time 2 and time 3.
bool InTimerGroup(int32_t bad);
// The healing state ("治癒状態"): healing, divinity, magic power or cure.
bool InHealingState(int32_t good);

// The bad status the turn counter picks: turn mod 7 indexes bomb, poison, sleep, weakened, curse, confusion, frozen.
int32_t RandomBadStatus(int32_t turn);
// The good status the turn counter picks: turn mod 8 indexes rampage, healing, magic power, strengthened,
// shield, magic path, divinity, promised revival.
int32_t RandomGoodStatus(int32_t turn);

// One step of the countdown: bomb takes HP to 0, time 1 leaves HP 1 and a bomb, time 2 a bomb,
// time 3 time 1 (the tests run in turn on the changing value); anything else becomes time 2.
void AdvanceCountdown(tchar& c);
// Confusion turns to betrayal; any other bad status becomes confusion.
void EscalateConfusion(tchar& c);
// The user's bad status goes to the target and the user's becomes 0 (even when it is 0).
void MoveBadStatus(tchar& user, tchar& target);
// The target's good status goes to the user and the target's becomes 0 (even when it is 0).
void StealGoodStatus(tchar& user, tchar& target);

// Which of the two status fields a rule reads.
enum class StatusField { Bad, Good };
// Which codes of that field a clearing rule asks for.
enum class StatusGroup { One, Poison, Timer, Healing, Any };
// The status a clearing item requires: one code, or one of the groups.
struct RequiredStatus {
    StatusField field = StatusField::Bad;
    StatusGroup group = StatusGroup::One;
    int32_t code = 0;  // for StatusGroup::One
};

// The card holds the required status.
bool HasRequiredStatus(const tchar& c, const RequiredStatus& required);
// The field of the required status becomes 0.
void ClearStatusField(tchar& c, StatusField field);

// The line of a rule whose condition did not hold: "何も起きなかった...." and a click.
void ShowNothingHappened(DuelContext& ctx);

// Random bad status on the target: "down.wav", black flash, "にランダムバッドステータス!!".
void GiveRandomBadStatus(DuelContext& ctx, int32_t target);
// Random good status on the user: "up.wav", white flash, "にランダムグッドステータス!!".
void GiveRandomGoodStatus(DuelContext& ctx, int32_t user);
// Countdown advance on the target: "down.wav", white flash, "は寿命が短くなった！".
void ShortenLife(DuelContext& ctx, int32_t target);
// Confusion escalation on the target: "cat.wav", fuchsia flash, "は頭がおかしくなった....".
void DriveMad(DuelContext& ctx, int32_t target);
// The user's bad status moves to the target, with its sound, flashes and line.
void PassBadStatus(DuelContext& ctx, int32_t user, int32_t target);
// The target's good status moves to the user, with its sound, flashes and line.
void TakeGoodStatus(DuelContext& ctx, int32_t user, int32_t target);

// What a clearing rule does once the status is gone: its reward or penalty with their lines.
using StatusReward = std::function<void(DuelContext&, int32_t slot)>;
// Clear the required status of the slot and run the reward; when the slot does not hold it,
// nothing changes and "何も起きなかった...." is shown. True when the status was cleared.
bool ClearRequiredStatus(DuelContext& ctx, int32_t slot, const RequiredStatus& required,
                         const StatusReward& reward = {});

}  // namespace kestra
