#pragma once
// Loading and saving the player's files: my.dat, name.dat, 記録.txt, and the catalogue with them.
#include <string>
#include <vector>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "player/atomic_file.h"
#include "player/game_folder.h"
#include "player/tmy.h"

namespace kestra {

// Everything LoadPlayerData reads.
struct LoadedGame {
    tmy my;
    std::vector<std::string> names;  // name.dat, kept and never consulted
    Catalogue catalogue;
};

// Saves are suppressed while the duel window shows a duel in view mode; the duel side sets this.
struct SaveGate {
    bool look_mode = false;
    bool duel_window_visible = false;
    bool Suppressed() const { return look_mode && duel_window_visible; }
};

// Outcome of SavePlayerData: written, suppressed by view mode, or failed with a message for the player.
struct SaveOutcome {
    bool ok = true;
    bool suppressed = false;
    std::string message;
};

// Read my.dat into a fresh record; throws DataFileError naming the file and line.
tmy ReadMyDat(const std::filesystem::path& path);

// Render the record as my.dat: copies rank points, writes the stale checksum on line 3,
// recomputes the checksum for line 280.
std::string RenderMyDat(tmy& m);

// LoadPlayerData: my.dat, then name.dat, then the catalogue; throws DataFileError.
LoadedGame LoadPlayerData(const GameFolder& folder);

// SavePlayerData: my.dat then 記録.txt, each replaced atomically.
SaveOutcome SavePlayerData(const GameFolder& folder, tmy& m, const SaveGate& gate = {},
                           const WriteFaults& faults = {});

// First start: when my.dat is missing, write a new player's save. Returns the save's outcome
// (ok and not written when a save already exists).
SaveOutcome CreateSaveIfMissing(const GameFolder& folder, Rng& rng);

// The start-up cap: a purse of 999 or more becomes 999.
void CapMoneyAtStart(tmy& m);

}  // namespace kestra
