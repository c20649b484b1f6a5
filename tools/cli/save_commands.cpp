#include "save_commands.h"

#include "player/checksum.h"
#include "player/new_player.h"
#include "player/player_files.h"
#include "player/text_lines.h"

namespace kestra::cli {

int SaveCheck(const GameFolder& folder, std::ostream& out, std::ostream& err) {
    try {
        const tmy m = ReadMyDat(folder.my_dat());
        const int32_t recomputed = ComputeChecksum(m);
        out << "stored=" << m.checksum << "\nrecomputed=" << recomputed << "\n";
        return recomputed == m.checksum ? 0 : 1;
    } catch (const DataFileError& e) {
        err << e.what() << "\n";
        return 2;
    }
}

int SaveNew(const GameFolder& folder, uint64_t seed, std::ostream& out, std::ostream& err) {
    Rng rng(seed);
    tmy m;
    ResetPlayerRecord(m, rng);
    std::error_code ec;
    std::filesystem::create_directories(folder.dat(), ec);
    const SaveOutcome saved = SavePlayerData(folder, m);
    if (!saved.ok) {
        err << saved.message << "\n";
        return 1;
    }
    out << "checksum=" << m.checksum << "\n";
    return 0;
}

}  // namespace kestra::cli
