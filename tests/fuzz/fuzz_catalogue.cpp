#include "fuzz_catalogue.h"

#include "player/catalogue_files.h"

namespace kestra::fuzz {

const Catalogue& ShippedCatalogue() {
    static const Catalogue cat = BuildCatalogue(std::filesystem::path(KESTRA_FUZZ_GAME_DIR) / "dat");
    return cat;
}

}  // namespace kestra::fuzz
