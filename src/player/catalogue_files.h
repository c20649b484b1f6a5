#pragma once
// Building the catalogue: the data files first, then the compiled-in rows over them.
#include <filesystem>

#include "catalogue/catalogue.h"
#include "player/text_lines.h"

namespace kestra {

// Read card rows 0..254 (name, HP, MP, class) from card.dat.
void ReadCardFile(LineReader& in, Catalogue& cat);

// Read icon rows 0..254 (name, description, weight) from icon.dat.
void ReadIconFile(LineReader& in, Catalogue& cat);

// The whole build from the game's dat folder; throws DataFileError on a missing or malformed file.
Catalogue BuildCatalogue(const std::filesystem::path& dat_dir);

}  // namespace kestra
