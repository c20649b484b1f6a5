#include "duel/duel_record.h"

namespace kestra {

bool SlotAlive(const DuelRecord& d, int32_t slot) {
    return slot >= 1 && slot <= 6 && d.chara[static_cast<size_t>(slot)].alive();
}

}  // namespace kestra

#include "catalogue/card_facts.h"

namespace kestra {

tchar MakeFightingCard(const Catalogue& cat, int32_t c, int32_t level, int32_t technique) {
    tchar t;
    t.card_no = c;
    t.lv = level;
    t.waza = technique;
    t.element = ElementOf(c);
    if (c >= 0 && c < kCardRows) {
        const tcard& row = cat.card[static_cast<size_t>(c)];
        t.name = row.name;
        t.hp = WithLevelBonus(row.hp, level);
        t.mp = WithLevelBonus(row.mp, level);
        t.rarity = row.rarity;
    }
    return t;
}

}  // namespace kestra
