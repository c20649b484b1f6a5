#pragma once
// The BATTLE NUMBER: one action as eight digits, "ﾀｰﾝ<turn>/BN：" before them when shown.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "duel/duel_record.h"

namespace kestra {

// The eight digits: turn (two digits, 99 from turn 100), acting card, target, kind, luck, arg1, arg2.
std::string BattleNumberDigits(const DuelRecord& d);

// The text shown and copied: "ﾀｰﾝ" + turn + "/BN：" + digits.
std::string BattleNumberText(const DuelRecord& d);

// What a pasted BATTLE NUMBER said, in the receiver's numbering.
struct BattleNumberFields {
    int32_t atk_no, tgt_no, waza_kind, luck, waza_arg1, waza_arg2;
};

enum class BattleNumberError { None, WrongTurn, Invalid };

struct BattleNumberRead {
    BattleNumberError error = BattleNumberError::Invalid;
    BattleNumberFields fields{};
};

// The digits of a pasted BATTLE NUMBER: players paste the whole line the other program shows, so
// blanks around it and a leading "ﾀｰﾝ<turn>/BN：" are dropped (the turn is checked in the digits).
std::string_view PastedBattleDigits(std::string_view text);

// Read eight pasted digits (or the whole shown line) against the record. mirror: the opponent's acting card becomes slot
// digit + 3 and its target slot digit - 3; without mirror (view mode, applicant's turn) they stay.
// Anything but exactly eight ASCII digits, a wrong turn, or dead or out-of-range cards is refused.
BattleNumberRead ReadBattleNumberDigits(const DuelRecord& d, std::string_view text, bool mirror);

}  // namespace kestra
