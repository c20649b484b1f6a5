// The band behind the melody: chords, bass, pad and drums, one bar at a time.
#pragma once

#include <vector>

#include "melody.h"
#include "music_styles.h"

namespace mediagen {

// Where a bar sits in the form, for cymbals at section starts.
struct BarPlace {
    int index;           // bar number from 0
    int root;            // chord root (scale degree)
    bool section_start;  // first bar of an eight-bar section
};

// Chord instrument notes for one bar in the style's accompaniment pattern.
void accompany_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out);

// Bass notes for one bar.
void bass_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out);

// Sustained pad chord for one bar (styles with a pad only).
void pad_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out);

// Percussion hits for one bar (General MIDI drum keys, channel 10).
void drum_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out);

// Lowest key of the chord instrument's octave for this style's tonic.
int accompaniment_floor(const Style& style);

}  // namespace mediagen
