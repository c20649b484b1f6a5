// Scale and chord arithmetic in "scale index" space: index 0 is the tonic, +1 the next scale note.
#pragma once

#include "music_styles.h"

namespace mediagen {

// Floor division that also works for negative indices.
int floor_div(int a, int b);

// MIDI key of scale index `index` counted from the style's tonic.
int scale_key(const Style& style, int index);

// Whether `index` belongs to the triad built on scale degree `root` (root, third, fifth).
bool in_chord(const Style& style, int index, int root);

// The chord tone closest to `index` (ties go upward).
int nearest_chord_tone(const Style& style, int index, int root);

// The first chord tone strictly above (direction 1) or below (direction -1) `index`.
int next_chord_tone(const Style& style, int index, int root, int direction);

// The degree that leads home: the fifth degree, or the fourth note of a pentatonic scale.
int dominant_degree(const Style& style);

// MIDI keys of the triad on `root`, each placed in the octave starting at `floor_key`.
std::vector<int> chord_keys(const Style& style, int root, int floor_key);

}  // namespace mediagen
