#pragma once
// Opening a duel: the mercenary fee, the draw, and this side's warrior number.
#include <string>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// Caption of the duel window for the duel kind and role ("KESTRA DUEL MODE -ICON DUEL- (申込側)").
std::string DuelCaption(int32_t duel_kind, int32_t duel_role);

// The mercenary fee: 15 円 for every deck slot holding the mercenary card (card 219 by name).
void ChargeMercenaryFee(tmy& my, const Catalogue& cat);

// Empty slots 1..6 and the turn counter, as a fresh duel window does.
void ClearFightingCards(DuelRecord& d);

// The draw: three distinct deck slots at random (all three redrawn on any repeat), taken out of
// the deck; sudden death takes slots 0..2 and copies the whole deck. Icons come from the player.
void DrawFightingCards(DuelContext& ctx);

// The whole opening: labels, fee, caption, the draw with its messages; returns the warrior
// number text, already on the clipboard.
std::string OpenDuel(DuelContext& ctx);

// Decode the opponent's pasted warrior number into slots 4..6; false (the message area says what to
// paste, the record is unchanged) when it cannot be read.
bool AcceptOpponentWarriorNumber(DuelContext& ctx, std::string_view text);

// The message area's answer to a warrior number that could not be read.
inline constexpr std::string_view kWarriorNumberRefused = "戦士No.を読み取れませんでした。戦士No.の数字部分を貼り付けてください";

// View mode: prepare the record to replay someone else's duel.
void OpenViewMode(DuelContext& ctx);

// View mode: both pasted numbers, the applicant's into slots 1..3 and the receiver's into 4..6.
bool AcceptViewModeNumbers(DuelContext& ctx, std::string_view applicant, std::string_view receiver);

}  // namespace kestra
