#include "player/checksum.h"

#include "base/int_text.h"

namespace kestra {

int32_t ComputeChecksum(const tmy& m) {
    int32_t sum = 0;
    for (const int32_t d : m.deck) sum = WrapAdd(sum, d);
    for (int n = 0; n < 355; ++n) sum = WrapAdd(sum, m.card_count[n]);
    for (int n = 0; n < 255; ++n) sum = WrapAdd(sum, m.icon_count[n]);
    for (const int32_t v : {m.money, m.icon_slot1, m.icon_slot2, m.duels, m.wins}) sum = WrapAdd(sum, v);
    return sum;
}

bool CheckSaveData(const tmy& m) { return ComputeChecksum(m) == m.checksum; }

}  // namespace kestra

#include "catalogue/compiled_rows.h"

namespace kestra {

std::optional<std::string_view> DuelDataRefusal(const tmy& m, const Catalogue& cat) {
    if (!CheckSaveData(m) || !CardTableIntact(cat)) return kDataBroken;
    return std::nullopt;
}

}  // namespace kestra
