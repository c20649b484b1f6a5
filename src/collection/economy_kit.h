#pragma once
// What every economy panel shares: the 99 cap on one more copy, the purse floor, checked lookups
// into the player's per-number arrays, and uniform picks among the rows that qualify.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_names.h"
#include "player/tmy.h"

namespace kestra {

// One element of an array by an index already checked.
template <typename Array>
auto& Slot(Array& a, int32_t i) {
    return a[static_cast<size_t>(i)];
}

// True when i indexes an array of n rows.
inline bool InRange(int32_t i, int32_t n) { return i >= 0 && i < n; }

// A count after one more copy arrives: never past 99 (a damaged count above 99 comes back to 99).
inline int32_t AddOneCapped(int32_t count) { return count >= kMostCopies ? kMostCopies : count + 1; }

// A purse after paying: a result below 1 becomes 0.
inline int32_t PayFloor(int32_t purse, int32_t price) {
    const int64_t left = static_cast<int64_t>(purse) - price;
    return left < 1 ? 0 : static_cast<int32_t>(left);
}

// A purse after takings: sales are not capped, but a purse at the top of the range stays there
// instead of wrapping round to a debt.
inline int32_t AddTakings(int32_t purse, int32_t takings) {
    const int64_t sum = static_cast<int64_t>(purse) + takings;
    return sum > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(sum);
}

// Copies of an item number in the player's counters (counter r holds item r + 1); 0 outside them.
inline int32_t ItemCount(const tmy& my, int32_t item) {
    return InRange(item - 1, kItemCounters) ? Slot(my.item_count, item - 1) : 0;
}

// "所持金：" + money + "円", the purse line of the shop, synthesis and transplant panels.
inline std::string MoneyLine(const tmy& my) { return "所持金：" + std::to_string(my.money) + "円"; }

// One of the candidates drawn uniformly, -1 when there is none. The same chance as drawing numbers
// until one qualifies, without looping for ever when none does.
inline int32_t PickAmong(Rng& rng, const std::vector<int32_t>& candidates) {
    if (candidates.empty()) return -1;
    return candidates[static_cast<size_t>(rng.Random(static_cast<int32_t>(candidates.size())))];
}

// Numbers first..last-1 that pass the test.
template <class Test>
std::vector<int32_t> NumbersWhere(int32_t first, int32_t last, Test test) {
    std::vector<int32_t> out;
    for (int32_t n = first; n < last; ++n)
        if (test(n)) out.push_back(n);
    return out;
}

}  // namespace kestra
