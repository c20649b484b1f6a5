#pragma once
// `kestra-cli save check DIR` and `kestra-cli save new DIR --seed N`.
#include <cstdint>
#include <ostream>

#include "player/game_folder.h"

namespace kestra::cli {

// Print "stored=N" and "recomputed=N"; 0 when they agree, 1 when not, 2 when my.dat cannot be read.
int SaveCheck(const GameFolder& folder, std::ostream& out, std::ostream& err);

// Write a new player's my.dat and 記録.txt; 0 on success, 1 on a failed save.
int SaveNew(const GameFolder& folder, uint64_t seed, std::ostream& out, std::ostream& err);

}  // namespace kestra::cli
