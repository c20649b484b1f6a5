#pragma once
// The reset to a new player and the starting collection.
#include "base/random.h"
#include "player/tmy.h"

namespace kestra {

// The reset question of the developer panel.
inline constexpr const char* kResetQuestion =
    "【!!】これまでのデータを全て初期状態に戻し、デフォルトに戻しますが、よろしいですか？";
inline constexpr const char* kResetDone = "初期化されました";

// Give the starting collection: 5x card 0, 3x card 1, 2x card 2, one each of 3, 4, 5 and 235,
// then ten random cards 0..98 set (not added) to 1.
void GiveNewPlayerCollection(tmy& m, Rng& rng);

// ResetPlayerData without the question and the save: everything back to a new player,
// keeping the streaks, the quiz pick and the reserved texts.
void ResetPlayerRecord(tmy& m, Rng& rng);

}  // namespace kestra
