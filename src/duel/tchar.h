#pragma once
// One fighting card in a duel.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestra {

inline constexpr std::string_view kDeadName = "死亡";

struct tchar {
    std::string name;       // "死亡" marks a dead card
    std::string spare;      // carried, never read
    int32_t orig_no = 0;    // catalogue number at duel start
    int32_t waza = 0;       // transplanted technique, 0 none
    int32_t status1 = 0;    // bad status 0..20
    int32_t status2 = 0;    // good status 0..13
    int32_t element = 0;    // 0..4
    int32_t card_no = 0;    // current catalogue number
    int32_t hp = 0;
    int32_t mp = 0;
    int32_t lv = 0;         // 0..9
    int32_t rarity = 0;     // catalogue class of card_no when the card entered

    bool alive() const { return name != kDeadName; }
    bool operator==(const tchar&) const = default;
};

// Display name of a bad status (1..20); empty for 0 or out of range.
std::string_view Status1Text(int32_t code);
// Display name of a good status (1..13); empty for 0 or out of range.
std::string_view Status2Text(int32_t code);

}  // namespace kestra
