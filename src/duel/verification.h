#pragma once
// Verification IDs (検証ＩＤ) and set IDs (セットID): both programs prove they hold the same cards.
#include <cstdint>
#include <string>
#include <string_view>

#include "duel/duel_record.h"

namespace kestra {

inline constexpr std::string_view kVerifyPrefix = "検証ＩＤ：";
inline constexpr std::string_view kSetIdPrefix = "セットID：";

// Both verification IDs from the six cards and four icons, by role, plus the duel kind's addition.
void ComputeVerificationIds(DuelRecord& d);

// The expected set IDs from the final figures: my_id and aite_id become them.
void ComputeSetIds(DuelRecord& d);

// The set ID of role r over the six cards (the same S' on both machines).
int32_t SetIdFor(const DuelRecord& d, int32_t role);

// A received ID is accepted in exactly six forms: X, X + " ", X + "　", and each after the prefix.
bool IdAccepted(std::string_view text, int32_t expected, std::string_view prefix);

// The chat line copied with this side's verification ID.
std::string VerificationChatLine(const DuelRecord& d, std::string_view situation, std::string_view applied_deck);

}  // namespace kestra
