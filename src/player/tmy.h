#pragma once
// The player record: purse, record, collection, levels, techniques, icons, items, decks.
#include <array>
#include <cstdint>
#include <string>

namespace kestra {

inline constexpr int kDeckSize = 10;
inline constexpr int kPerCard = 356;    // card numbers 0..355 in memory; 0..354 are saved
inline constexpr int kPerIcon = 356;    // icon numbers 0..355 in memory; 0..354 are saved
inline constexpr int kMagicCounts = 255;
// No card, icon or item count passes 99: not in the shop, the synthesis or the game set.
inline constexpr int32_t kMostCopies = 99;
inline constexpr int kItemCounters = 300;  // counter r counts item r + 1; 0..99 are saved
inline constexpr int kTouroku = 20;

// A registered deck set-up; an empty name marks a free slot.
struct ttouroku {
    std::string name;
    std::array<int32_t, kDeckSize> cards{};
    std::array<int32_t, 2> icons{};

    bool operator==(const ttouroku&) const = default;
};

struct tmy {
    int32_t wins = 0;
    int32_t duels = 0;
    int32_t money = 0;        // 円
    int32_t ark = 0;          // the second currency
    int32_t rank_points = 0;
    int32_t rank_points_copy = 0;
    int32_t merit = 0;
    int32_t win_streak = 0;
    int32_t loss_streak = 0;
    int32_t quiz_pick = 0;    // music piece guessed in the quiz
    std::array<int32_t, kDeckSize> deck{};  // card numbers, -1 empty
    std::array<int32_t, kPerCard> card_count{};
    std::array<int32_t, kPerCard> card_level{};
    std::array<int32_t, kPerCard> card_exp{};
    std::array<int32_t, kPerCard> card_magic{};  // transplanted technique, 0 none
    std::array<int32_t, kPerIcon> icon_count{};
    int32_t icon_slot1 = -1;
    int32_t icon_slot2 = -1;
    std::array<int32_t, kMagicCounts> magic_count{};
    std::array<int32_t, kItemCounters> item_count{};
    std::array<ttouroku, kTouroku> touroku{};
    int32_t checksum = 0;
    std::string applied_deck_name;  // not saved
    // Reserved fields: read and written back unchanged, used by nothing.
    std::array<std::string, 4> reserved_text{};   // lines 9, 11, 12, 13
    std::array<int32_t, 5> reserved_num{};        // lines 2, 4, 6, 10, 2223
    std::array<int32_t, 20> reserved_block20{};   // lines 281..300
    std::array<int32_t, 40> reserved_block40{};   // lines 1680..1719

    bool operator==(const tmy&) const = default;
};

}  // namespace kestra
