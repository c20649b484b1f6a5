#pragma once
// The program's start: first-start save, loading, the money cap; no window involved.
#include <optional>
#include <string>

#include "base/random.h"
#include "player/player_files.h"

namespace kestra {

// What the start-up produced: the loaded game, or a message for the player and no game.
struct StartUpResult {
    std::optional<LoadedGame> game;
    std::string error;
};

// The start-up's purse cap (999). A save whose checksum held before the cap still holds after
// it: the stored checksum follows the capped purse, so an honest player over 999 円 is not
// refused as "データが破壊されています" until the next save. A tampered save stays tampered.
void CapMoneyKeepingSeal(tmy& my);

// Create a new player's save when my.dat is missing, then load everything and cap the purse.
StartUpResult StartUp(const GameFolder& folder, Rng& rng);

}  // namespace kestra
