#pragma once
// From matching verification IDs to the first turn; and the set-ID exchange at the end.
#include <functional>
#include <string>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// The card whose one-character name also moves first (beside cards 189 and 251).
inline constexpr int32_t kThirdFirstStrikeCard = 66;

// What "OK" on a received ID came to.
enum class IdCheck { Empty, Declined, Mismatch, Match };

// The hooks the duel start calls on: saving the player, and the icon and card effects at duel start.
struct DuelStartHooks {
    std::function<void()> save;
    std::function<void(DuelContext&)> start_effects;
};

// Compute both verification IDs and tell the player to exchange them; returns the chat line copied
// (empty in view mode). The situation line is this side's summary for spectators.
std::string ShowVerificationIds(DuelContext& ctx, std::string_view situation, std::string_view applied_deck);

// "OK" with the opponent's verification ID: the question, the six accepted forms, a mismatch
// sends the players back to the warrior numbers.
IdCheck CheckOpponentId(DuelContext& ctx, std::string_view text);

// The battle type's own changes to the record: type 9 lifts all icons, 10 gives everyone the
// shared element, 21 takes each card's level off its HP.
void ApplyBattleTypeRules(DuelRecord& d);

// Apply the battle type that the IDs draw: its announcement and rule line, and types 9, 10 and 21.
void ApplyBattleType(DuelContext& ctx);

// True when this side moves first: icon 24 and the first-strike cards count, icon 231 forbids,
// equal counts fall to the parity of the six cards' HP and MP.
bool ThisSideMovesFirst(const DuelRecord& d, const Catalogue& cat);

// The duel start after a match, up to the first turn.
void StartDuel(DuelContext& ctx, const DuelStartHooks& hooks);

// Game set: both set IDs, the chat line (returned, already copied), input phase 99.
std::string BeginSetIdExchange(DuelContext& ctx);

// "OK" with the opponent's set ID.
IdCheck CheckOpponentSetId(DuelContext& ctx, std::string_view text);

}  // namespace kestra
