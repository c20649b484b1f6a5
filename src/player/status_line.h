#pragma once
// The rank title and the status lines built from the player record.
#include <cstdint>
#include <string>
#include <string_view>

#include "player/tmy.h"

namespace kestra {

// Rank title for rank points; empty for negative points and 100000 or more.
std::string_view RankTitle(int32_t rank_points);

// "12戦5勝・≪素人≫段位3p. お金1000円": the rank line the player reads out to an opponent.
std::string RankLine(const tmy& m);

// The main window's status line: the rank line followed by " / " ark "Ark".
std::string StatusLine(const tmy& m);

// Total cards owned: counts of 1 or more over card numbers 0..355, plus filled deck slots.
int32_t CardTotal(const tmy& m);

// The four lines of 記録.txt.
std::string RecordSummaryText(const tmy& m);

}  // namespace kestra
