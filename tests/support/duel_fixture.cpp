#include "support/duel_fixture.h"

#include "player/catalogue_files.h"
#include "support/temp_folder.h"

namespace kestra::test {

const Catalogue& GameCatalogue() {
    static const Catalogue cat = BuildCatalogue(BuiltGame().dat());
    return cat;
}

int32_t FirstOfClass(int32_t rarity) {
    for (int32_t c = 0; c < kListedCards; ++c) {
        const tcard& row = GameCatalogue().card[static_cast<size_t>(c)];
        if (row.rarity == rarity && !row.name.empty()) return c;
    }
    return -1;
}

tchar Card(int32_t c, int32_t lv, int32_t t) { return MakeFightingCard(GameCatalogue(), c, lv, t); }

}  // namespace kestra::test

namespace kestra {

void PrintTo(const tchar& c, std::ostream* os) {
    *os << "{" << c.name << " no=" << c.card_no << " orig=" << c.orig_no << " waza=" << c.waza << " st=" << c.status1
        << "/" << c.status2 << " el=" << c.element << " hp=" << c.hp << " mp=" << c.mp << " lv=" << c.lv
        << " rar=" << c.rarity << "}";
}

}  // namespace kestra
