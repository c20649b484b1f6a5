#include "player/catalogue_files.h"

#include "catalogue/compiled_rows.h"

namespace kestra {

void ReadCardFile(LineReader& in, Catalogue& cat) {
    for (int n = 0; n < 255; ++n) {
        tcard& c = cat.card[n];
        c.name = in.Text();
        c.hp = in.Int();
        c.mp = in.Int();
        c.rarity = in.Int();
    }
}

void ReadIconFile(LineReader& in, Catalogue& cat) {
    for (int n = 0; n < 255; ++n) {
        ticon& i = cat.icon[n];
        i.name = in.Text();
        i.description = in.Text();
        i.weight = in.Int();
        i.dark = 0;
    }
}

Catalogue BuildCatalogue(const std::filesystem::path& dat_dir) {
    Catalogue cat;
    LineReader cards(dat_dir / "card.dat");
    ReadCardFile(cards, cat);
    LineReader icons(dat_dir / "icon.dat");
    ReadIconFile(icons, cat);
    const std::string error = ApplyCompiledRows(cat);
    if (!error.empty()) throw DataFileError("(compiled-in content)", 0, error);
    return cat;
}

}  // namespace kestra
