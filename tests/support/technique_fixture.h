#pragma once
// What the technique tests share: seating the six cards, reading a card's figures and the lines after
// the title, and the record and transcript as the other program holds them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
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

// A card of a busy record: catalogue number, LV, HP, MP and both statuses.
struct BusyRow {
    int32_t card, lv, hp, mp, status1, status2;
};

// The card of a row, with technique waza.
tchar BusyCard(const BusyRow& r, int32_t waza = 0);

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

// The record as the other program holds it: sides and icons exchanged.
DuelRecord Mirrored(const DuelRecord& d);

// The transcript with each flash moved to the mirrored slot.
std::vector<std::string> MirroredFlashes(std::vector<std::string> transcript);

// What the two programs told when one ran a step on a record and the other on its mirror.
struct BothTold {
    std::vector<std::string> one, other;
};

// Runs the step on the record and on its mirror (the other program's view) and expects the two
// records to agree; returns both transcripts for the caller's checks of the story.
BothTold RunOnBothPrograms(const DuelRecord& d, const std::function<void(DuelContext&)>& step);

}  // namespace kestra::test
