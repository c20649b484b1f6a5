#pragma once
// The flick (でこぴん, key 10): the basic attack every card knows, and the rules the other blows borrow.
#include <cstdint>

#include "duel/duel_context.h"

namespace kestra {

// The flick: the attacker strikes with its HP, the target strikes back with the HP it had.
void Flick(DuelContext& ctx);

// A particular attacker's own move in place of its flick; false when the attacker has none.
bool SignatureFlick(DuelContext& ctx);

// What a flick strikes for before its modifiers: the attacker's HP, or the fixed blow of cards 33 and 99.
int32_t FlickBase(const DuelContext& ctx);

// The flick's modifiers in their order, from strength and elements to the comparison icons; adds the
// critical and miss lines.
int32_t FlickDamage(DuelContext& ctx, int32_t base);

// The blow lands: damage line, absorb, drain, poison, shatter, counter-attack and the target side's traps.
// hp_before is the target's HP before the blow.
void FlickAftermath(DuelContext& ctx, int32_t damage, int32_t hp_before);

}  // namespace kestra
