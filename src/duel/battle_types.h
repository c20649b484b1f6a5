#pragma once
// The ≪…バトル≫ types drawn from the two verification IDs.
#include <cstdint>
#include <string_view>

#include "duel/duel_record.h"

namespace kestra {

struct BattleTypeInfo {
    int32_t type;               // 1..21
    std::string_view name;      // "ヘルバトル"
    std::string_view rule_line; // shown after the announcement
};

// Name and rule line of a type 1..21; nullptr for 0 or out of range.
const BattleTypeInfo* BattleType(int32_t type);

// The type drawn for v = (my_id + aite_id) mod 170, before its condition is tested (0 for none).
int32_t DrawnBattleType(int32_t v);

// The type that applies to the record: the drawn type when its condition holds, else 0.
int32_t ApplicableBattleType(const DuelRecord& d);

// (my_id + aite_id) mod 170 with the 32-bit wrap both programs share, never negative.
int32_t BattleTypeDraw(const DuelRecord& d);

}  // namespace kestra
