#pragma once
// The flick (でこぴん, key 10): the basic attack every card knows, and the rules the other blows borrow.
#include <cstdint>
#include <optional>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// The flick's steps, in the order a blow runs them; a blow picks the ones it follows.
enum BlowStep : uint32_t {
    kStrength = 1u << 0,     // <↑> attacker, <↓> target: 2 more each
    kElements = 1u << 1,     // opposed elements 1 more, the same element 1 less
    kShield = 1u << 2,       // <盾> and icon 92
    kCritical = 1u << 3,     // chance digit 3 or でこぴんマスター
    kMiss = 1u << 4,         // chance digit 4, 第２干渉体
    kImmunity = 1u << 5,     // the immune cards, <魔道>, でこぴんライバル
    kAntagonism = 1u << 6,   // icon 225
    kSwords = 1u << 7,       // レッドソード and ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ
    kComparisons = 1u << 8,  // icons 109, 180, 204
    kAbsorb = 1u << 9,       // <ﾊﾞﾘｱ>
    kDrain = 1u << 10,       // icon 37 and the draining card
    kPoison = 1u << 11,      // icon 108
    kShatter = 1u << 12,     // <凍結> breaks, water holds on
    kCounter = 1u << 13,     // the target strikes back with the HP it had
    kTraps = 1u << 14,       // icons 69 and 83 of the target's side
};
inline constexpr uint32_t kEveryBlowStep = (1u << 15) - 1;
// The modifiers a flick applies to its damage, without critical and miss.
inline constexpr uint32_t kFlickModifiers =
    kStrength | kElements | kShield | kImmunity | kAntagonism | kSwords | kComparisons;
// What follows a flick's hit, without the counter-attack.
inline constexpr uint32_t kFlickAftermath = kAbsorb | kDrain | kPoison | kShatter | kTraps;

// How one blow strikes: its steps, its sound and its damage line
// ([target name + before_amount] + D + after_amount).
struct BlowRules {
    uint32_t steps = kEveryBlowStep;
    std::string_view wave = "punch.wav";
    int32_t channel = 3;
    std::string_view critical_line = "クリティカル!!";
    int32_t critical_bonus = 2;
    bool names_target = false;
    std::string_view before_amount = "";
    std::string_view after_amount = "ダメージ与えた！";
    bool hits_mp = false;  // the blow takes as much MP as HP
};

// The flick: the attacker strikes with its HP, the target strikes back with the HP it had.
void Flick(DuelContext& ctx);

// A particular attacker's own move in place of its flick (content/signature_moves.tsv); false when the
// attacker has none for this chance digit, and then it flicks.
bool SignatureFlick(DuelContext& ctx);

// What a flick strikes for before its modifiers: the attacker's HP, or the fixed blow of cards 33 and 99.
int32_t FlickBase(const DuelContext& ctx);

// The flick's modifiers in their order, from strength and elements to the comparison icons; adds the
// critical and miss lines.
int32_t FlickDamage(DuelContext& ctx, int32_t base);

// The blow lands: damage line, absorb, drain, poison, shatter, counter-attack and the target side's traps.
// hp_before is the target's HP before the blow.
void FlickAftermath(DuelContext& ctx, int32_t damage, int32_t hp_before);

// A blow's modifiers, as the flick's but only the steps the rules pick.
int32_t BlowDamage(DuelContext& ctx, const BlowRules& rules, int32_t base);

// A blow's aftermath, as the flick's but only the steps the rules pick; the counter strikes with
// counter_base.
void BlowAftermath(DuelContext& ctx, const BlowRules& rules, int32_t damage, int32_t counter_base);

// A whole blow after its title: red flash on the target, the sound, the damage and the aftermath. The
// counter strikes with the target's HP before the blow unless counter_base says otherwise.
void StrikeWith(DuelContext& ctx, const BlowRules& rules, int32_t base,
                std::optional<int32_t> counter_base = std::nullopt);

// The counter-attack alone: red flash on the attacker, which loses C HP (not below 0).
void CounterAttack(DuelContext& ctx, int32_t counter_base);

// Icon 69 on the target's side: the attacker's HP is halved, the target heals 5 HP and 5 MP; shown
// with the title, flashes and clicks of the petrify trap.
void RecoilTrap(DuelContext& ctx);

// The target side's trap tails after a blow: the recoil trap of icon 69, then the petrify trap.
void BlowTraps(DuelContext& ctx);

}  // namespace kestra
