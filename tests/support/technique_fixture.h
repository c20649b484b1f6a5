#pragma once
// What the technique tests share: seating the six cards, reading a card's figures and the lines after
// the title.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/duel_fixture.h"

namespace kestra::test {

// No icon worn: my_icon1, my_icon2, e_icon1, e_icon2 all empty.
inline constexpr std::array<int32_t, 4> kBare = {-1, -1, -1, -1};

// The number of an icon by its catalogue name.
int32_t IconNamed(const std::string& name);

// Six cards of every element (旅の行商人 無, 朝告げ鳥 光, 夜鳴き梟 闇 / 鍛冶場の親方 火, 雨乞いの巫女 水,
// 白鷺の射手 光), each HP 5, MP 3, LV 0; slot 1 acts on slot 4 on turn 7.
void SeatSix(DuelRecord& d);

// The card in the slot dies: it takes the dead name.
void Kill(DuelRecord& d, size_t slot);

// The four worn icons, in the order my_icon1, my_icon2, e_icon1, e_icon2.
void Wear(DuelRecord& d, const std::array<int32_t, 4>& icons);

// What a case expects of one slot afterwards.
struct After {
    size_t slot;
    int32_t hp, mp, lv, status1, status2;
    bool operator==(const After&) const = default;
};

// Each listed slot holds the figures the case expects.
void ExpectAfter(const DuelRecord& d, const std::vector<After>& after);

// A titled technique's run: the title and its click, the figures, the cues, and every line after the
// title with its click.
void ExpectTitledRun(const DuelSide& s, const std::vector<After>& after, const std::vector<std::string>& cues,
                     const std::vector<std::string>& lines);

// Every shown or added line after the title, in order.
std::vector<std::string> LinesAfterTitle(const RecordingPresenter& screen);

// "D ダメージ与えた！" followed by the counter line for C.
std::vector<std::string> Exchange(int32_t d, int32_t c);

// Slot 1..3 <-> 4..6.
int32_t MirrorSlot(int32_t slot);

}  // namespace kestra::test
