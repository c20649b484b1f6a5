#pragma once
// This side's input on its turn, and reading the opponent's BATTLE NUMBER.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "duel/battle_number.h"
#include "duel/duel_context.h"

namespace kestra {

// Click on this side's card in slot 1..3: every refusal, then the acting card is chosen.
// Returns true when the card became the acting card.
bool ChooseAttacker(DuelContext& ctx, int32_t slot);

// Click on the opponent's card in slot 4..6 while an acting card is chosen.
bool ChooseTarget(DuelContext& ctx, int32_t slot);

// A command button: the technique key's digits; the BATTLE NUMBER is built and returned.
std::string SendCommand(DuelContext& ctx, int32_t waza_kind, int32_t waza_arg1);

// "パス": random living acting card and target, key 72.
std::string SendPass(DuelContext& ctx);

// The time-out: the same pass, told as a time-out.
std::string SendTimeOutPass(DuelContext& ctx);

// "アイテム": false (with the refusal) when the opponent fields card 225.
bool OpenItemBox(DuelContext& ctx);

// The item box's 100 rows: the item's name when the player holds one, else "????".
std::array<std::string, 100> ItemRows(const DuelContext& ctx);

// Selecting row k: the row when it names an item the player holds, else nothing.
std::optional<int32_t> SelectItemRow(DuelContext& ctx, int32_t row);

// The selected row's label: "★" name " " stock "個", a line break and the description.
std::string ItemRowLabel(const DuelContext& ctx, int32_t row);

// "ＵＳＥ" with a selected row: the stock goes down (not for card 215 or icon 202), key 78
// with the row in luck (tens) and waza_arg2 (units); the BATTLE NUMBER is built and returned.
std::optional<std::string> UseItem(DuelContext& ctx, std::optional<int32_t> row);

// Every command ends here: the random digit (kept for items), the text, the messages.
std::string BuildBattleNumber(DuelContext& ctx, bool timed_out);

// "BATTLE PHASE" in input phase 4: check and take the opponent's digits, with every refusal;
// on success the record holds the action and the deadline is armed for this side's next turn.
bool AcceptOpponentBattleNumber(DuelContext& ctx, std::string_view text);

}  // namespace kestra
