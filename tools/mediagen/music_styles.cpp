#include "music_styles.h"

#include <array>

namespace mediagen {

namespace {
// Shared melody rhythm stocks, one per metre and temperament.
const std::vector<std::vector<int>> kLyric44 = {{4, 4, 4, 4}, {6, 2, 4, 4}, {4, 2, 2, 8},
                                                {8, 4, 4},    {2, 2, 4, 8}, {6, 2, 6, 2},
                                                {4, 4, 8},    {3, 3, 2, 8}};
const std::vector<std::vector<int>> kCadence44 = {{4, 4, 8}, {8, 8}, {2, 2, 4, 8}, {12, 4}};
const std::vector<std::vector<int>> kDrive44 = {{2, 2, 2, 2, 4, 4}, {3, 3, 2, 2, 2, 4},
                                                {2, 2, 4, 2, 2, 4}, {4, 2, 2, 4, 2, 2},
                                                {6, 2, 2, 2, 4},    {3, 3, 4, 2, 2, 2}};
const std::vector<std::vector<int>> kMarch44 = {{3, 1, 3, 1, 4, 4}, {4, 3, 1, 8}, {2, 2, 2, 2, 8},
                                                {6, 2, 4, 4},       {3, 1, 4, 3, 1, 4}};
const std::vector<std::vector<int>> kWaltz34 = {{4, 4, 4}, {8, 4}, {6, 2, 4}, {4, 2, 2, 4},
                                                {2, 2, 4, 4}};
const std::vector<std::vector<int>> kCadence34 = {{4, 8}, {12}, {8, 4}};
const std::vector<std::vector<int>> kRockChords = {{0, 5, 6, 0}, {0, 3, 6, 4}, {5, 6, 0, 0}, {0, 6, 5, 6}};
}  // namespace

// Group styles: each a work of its own, so the quiz can be learnt by ear.
const Style& group_style(int group) {
    static const std::array<Style, kGroupCount> kStyles = {{
        // 0: travelling song of the sky archive: flute over plucked strings, bright D major.
        {"Archive of Winds", 74, {0, 2, 4, 5, 7, 9, 11}, 2, false, 4, 4, 16, 4, 112,
         73, 45, 32, 48, Accomp::Arpeggio, BassLine::RootFifth,
         {{0, 4, 5, 3}, {0, 5, 3, 4}, {0, 3, 1, 4}, {5, 3, 0, 4}, {0, 2, 3, 4}},
         kLyric44, kCadence44,
         {{36, "x.......x.......", 70}, {37, "....x.......x...", 60}, {42, "x.x.x.x.x.x.x.x.", 45}},
         false, 0.15, 50},
        // 1: a dawn procession: oboe and harp in G Lydian, a stately waltz, no drums.
        {"Dawn Procession", 67, {0, 2, 4, 6, 7, 9, 11}, 2, false, 3, 4, 12, 4, 84,
         68, 46, 43, 19, Accomp::Arpeggio, BassLine::Held,
         {{0, 1, 0, 4}, {0, 1, 5, 4}, {0, 4, 1, 0}, {5, 1, 0, 4}},
         kWaltz34, kCadence34, {}, false, 0.2, 70},
        // 2: a ledger kept at nightfall: celesta over tremolo strings, A harmonic minor in 6/8.
        {"Ledger of Nightfall", 69, {0, 2, 3, 5, 7, 8, 11}, 0, true, 6, 8, 12, 6, 96,
         8, 44, 42, -1, Accomp::Sustain, BassLine::RootFifth,
         {{0, 5, 3, 4}, {0, 3, 4, 0}, {0, 5, 1, 4}, {3, 0, 5, 4}},
         {{6, 6}, {4, 2, 6}, {2, 2, 2, 6}, {4, 2, 4, 2}, {6, 4, 2}, {2, 2, 2, 4, 2}},
         {{4, 2, 6}, {12}, {6, 6}},
         {{41, "x.....x.....", 55}, {81, "......x.....", 35}},
         false, 0.25, 80},
        // 3: a forge that never cools: distorted guitars and rock drums, E minor, fast.
        {"Forge of Ash", 64, {0, 2, 3, 5, 7, 8, 10}, 1, true, 4, 4, 16, 4, 150,
         30, 29, 34, -1, Accomp::Power, BassLine::Pedal8,
         kRockChords, kDrive44, kCadence44,
         {{36, "X.....x.x.x.....", 100}, {38, "....X.......X...", 100}, {42, "x.x.x.x.x.x.x.x.", 70}},
         true, 0.2, 30},
        // 4: a harbour in the rain: steel drum and electric piano, easy F major bossa.
        {"Harbour in the Rain", 65, {0, 2, 4, 5, 7, 9, 11}, -1, false, 4, 4, 16, 4, 100,
         114, 4, 35, -1, Accomp::Offbeat, BassLine::Bossa,
         {{0, 1, 4, 0}, {0, 5, 1, 4}, {3, 2, 1, 4}, {0, 3, 1, 4}},
         {{3, 3, 4, 2, 4}, {-2, 2, 4, 3, 3, 2}, {4, 2, 4, 2, 4}, {3, 3, 2, 8}, {2, 4, 2, 4, 4}},
         kCadence44,
         {{70, "x.xxx.xxx.xxx.xx", 40}, {37, "...x..x...x..x..", 65}, {36, "x......xx.......", 70}},
         false, 0.15, 60},
        // 5: a bazaar of clockwork stalls: accordion and tuba, A Phrygian dominant, brisk 2/4.
        {"Clockwork Bazaar", 69, {0, 1, 4, 5, 7, 8, 10}, -1, true, 2, 4, 8, 4, 132,
         21, 6, 58, -1, Accomp::Offbeat, BassLine::Oompah,
         {{0, 1, 0, 1}, {0, 6, 1, 0}, {0, 3, 1, 0}, {3, 1, 0, 0}},
         {{2, 2, 2, 2}, {4, 2, 2}, {2, 2, 4}, {1, 1, 2, 2, 2}, {3, 1, 2, 2}},
         {{2, 2, 4}, {8}, {4, 4}},
         {{54, "x.x.x.x.", 55}, {76, "X...x.x.", 70}},
         false, 0.2, 40},
        // 6: the hall where blades are crossed: brass over driving strings, C harmonic minor.
        {"Hall of Crossed Blades", 60, {0, 2, 3, 5, 7, 8, 11}, -3, true, 4, 4, 16, 4, 152,
         61, 48, 47, -1, Accomp::Ostinato, BassLine::RootFifth,
         {{0, 5, 3, 4}, {0, 3, 4, 0}, {5, 3, 4, 0}, {0, 6, 5, 4}},
         kMarch44, kCadence44,
         {{35, "X.......x.......", 100}, {38, "....x..x....x.xx", 70}},
         true, 0.25, 60},
        // 7: lanterns over the paddies: shakuhachi and koto in the In scale, slow, taiko.
        {"Lanterns over the Paddies", 64, {0, 1, 5, 7, 8}, 0, true, 4, 4, 16, 4, 72,
         77, 107, 116, 89, Accomp::Arpeggio, BassLine::Held,
         {{0, 3, 1, 4}, {0, 2, 3, 0}, {0, 4, 3, 1}, {2, 1, 0, 3}},
         {{8, 8}, {12, 4}, {6, 2, 8}, {-4, 4, 8}, {4, 4, 8}, {6, 2, 4, 4}},
         {{8, 8}, {16}, {4, 12}}, {}, false, 0.3, 80},
        // 8: a cradle under the stars: music box and nylon guitar, E flat major lullaby.
        {"Starlit Cradle", 75, {0, 2, 4, 5, 7, 9, 11}, -3, false, 3, 4, 12, 4, 66,
         10, 24, 32, 52, Accomp::Arpeggio, BassLine::Held,
         {{0, 3, 4, 0}, {0, 5, 3, 4}, {0, 1, 4, 0}, {3, 0, 1, 4}},
         kWaltz34, kCadence34, {}, false, 0.12, 90},
    }};
    return kStyles[static_cast<std::size_t>(((group % kGroupCount) + kGroupCount) % kGroupCount)];
}

// Opening theme: horns over strings, B flat major, broad and ceremonial.
const Style& opening_style() {
    static const Style kOpening = {
        "KESTRA Opening", 70, {0, 2, 4, 5, 7, 9, 11}, -2, false, 4, 4, 16, 4, 96,
        60, 49, 43, 52, Accomp::Sustain, BassLine::RootFifth,
        {{0, 4, 5, 3}, {0, 3, 4, 0}, {5, 3, 0, 4}},
        kMarch44, kCadence44,
        {{35, "x.......x.......", 80}},
        true, 0.2, 70};
    return kOpening;
}

}  // namespace mediagen
