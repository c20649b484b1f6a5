#include "support/duel_fixture.h"

#include "player/catalogue_files.h"
#include "support/temp_folder.h"

namespace kestra::test {

const Catalogue& GameCatalogue() {
    static const Catalogue cat = BuildCatalogue(BuiltGame().dat());
    return cat;
}

tchar Card(int32_t c, int32_t lv, int32_t t) { return MakeFightingCard(GameCatalogue(), c, lv, t); }

}  // namespace kestra::test
