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

// Create a new player's save when my.dat is missing, then load everything and cap the purse.
StartUpResult StartUp(const GameFolder& folder, Rng& rng);

}  // namespace kestra
