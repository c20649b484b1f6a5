#include "player/new_player.h"

namespace kestra {

void GiveNewPlayerCollection(tmy& m, Rng& rng) {
    m.card_count[0] = 5;
    m.card_count[1] = 3;
    m.card_count[2] = 2;
    m.card_count[3] = 1;
    m.card_count[4] = 1;
    m.card_count[5] = 1;
    m.card_count[235] = 1;
    for (int i = 0; i < 10; ++i) m.card_count[rng.Random(99)] = 1;
}

void ResetPlayerRecord(tmy& m, Rng& rng) {
    m.deck.fill(-1);
    m.reserved_block40.fill(0);
    m.reserved_block20.fill(0);
    for (int t = 0; t < 99; ++t) m.magic_count[t] = 0;
    m.item_count.fill(0);
    for (int n = 0; n < 355; ++n) {
        m.card_count[n] = 0;
        m.card_level[n] = 0;
        m.card_exp[n] = 0;
        m.card_magic[n] = 0;
        m.icon_count[n] = 0;
    }
    GiveNewPlayerCollection(m, rng);
    m.touroku.fill(ttouroku{});
    m.icon_count[213] = 1;
    m.ark = 0;
    m.duels = 0;
    m.reserved_num[0] = 0;  // line 2
    m.wins = 0;
    m.merit = 0;
    m.rank_points = 0;
    m.rank_points_copy = 0;
    m.icon_slot1 = -1;
    m.icon_slot2 = -1;
    m.money = 1000;
}

}  // namespace kestra
