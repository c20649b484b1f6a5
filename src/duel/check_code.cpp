#include "duel/check_code.h"

#include <array>
#include <cstdint>

#include "base/fnv_hash.h"

namespace kestra {

namespace {

// One card's figures as decimal text: everything the battle may change or read.
std::string CardText(const tchar& c) {
    const std::array<int32_t, 10> figures = {c.card_no, c.orig_no, c.hp,      c.mp,     c.lv,
                                             c.status1, c.status2, c.element, c.waza,   c.rarity};
    std::string text = c.name;
    for (const int32_t v : figures) text += "," + std::to_string(v);
    return text + ";";
}

// A playing receiver holds the applicant's cards in slots 4..6; a viewer holds them in 1..3.
bool ReadsMirrored(const DuelRecord& d) { return d.duel_role == kReceiver && !d.look_mode; }

}  // namespace

std::string CheckCode(const DuelRecord& d) {
    const bool mirrored = ReadsMirrored(d);
    std::string state;
    for (size_t k = 0; k < 6; ++k) state += CardText(d.chara[mirrored ? 1 + (k + 3) % 6 : 1 + k]);
    const std::array<int32_t, 4> icons = mirrored ? std::array<int32_t, 4>{d.e_icon1, d.e_icon2, d.my_icon1, d.my_icon2}
                                                  : std::array<int32_t, 4>{d.my_icon1, d.my_icon2, d.e_icon1, d.e_icon2};
    for (const int32_t icon : icons) state += std::to_string(icon) + ",";
    state += "t" + std::to_string(d.turn) + "b" + std::to_string(d.battle_type);
    uint64_t h = Fnv1a(state);
    h ^= h >> 29;  // fold the high bits in: FNV's low bits alone mix the last bytes weakly
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 32;
    std::string code;
    for (int k = 0; k < 4; ++k) code += kCheckAlphabet[static_cast<size_t>((h >> (5 * k)) & 31u)];
    return code;
}

std::string CheckCodeLabel(std::string_view code) { return "照合：" + std::string(code); }

}  // namespace kestra
