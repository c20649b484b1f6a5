#include "harmony.h"

#include <algorithm>

namespace mediagen {

// Rounds toward minus infinity.
int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Octave from the index, then the scale step inside it.
int scale_key(const Style& style, int index) {
    const int n = static_cast<int>(style.scale.size());
    const int octave = floor_div(index, n);
    return style.tonic + 12 * octave + style.scale[static_cast<std::size_t>(index - octave * n)];
}

// Triads are stacked thirds of the scale: degrees root, root+2, root+4.
bool in_chord(const Style& style, int index, int root) {
    const int n = static_cast<int>(style.scale.size());
    const int d = ((index - root) % n + n) % n;
    return d == 0 || d == 2 || d == 4;
}

// Searches outward from the index, upward first.
int nearest_chord_tone(const Style& style, int index, int root) {
    for (int d = 0; d < 4; ++d) {
        if (in_chord(style, index + d, root)) return index + d;
        if (in_chord(style, index - d, root)) return index - d;
    }
    return index;
}

// Walks one scale step at a time in the given direction until a chord tone is met.
int next_chord_tone(const Style& style, int index, int root, int direction) {
    for (int d = 1; d <= 4; ++d)
        if (in_chord(style, index + d * direction, root)) return index + d * direction;
    return index + direction;
}

// V in seven-note modes; in five-note scales the fourth note plays that role.
int dominant_degree(const Style& style) { return style.scale.size() >= 7 ? 4 : 3; }

// Close-position voicing inside one octave above `floor_key`, sorted low to high.
std::vector<int> chord_keys(const Style& style, int root, int floor_key) {
    std::vector<int> keys;
    for (int k : {0, 2, 4}) {
        int key = scale_key(style, root + k);
        while (key < floor_key) key += 12;
        while (key >= floor_key + 12) key -= 12;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

}  // namespace mediagen
