// The nine imagined works behind the music groups, plus the opening theme.
#pragma once

#include <string_view>
#include <vector>

namespace mediagen {

constexpr int kGroupCount = 9;

// How the chord instrument plays each bar.
enum class Accomp { Sustain, Stabs, Arpeggio, Alberti, Waltz, Offbeat, Power, Ostinato };
// How the bass instrument plays each bar.
enum class BassLine { Held, RootFifth, Pedal8, Oompah, Bossa };

// One percussion sound over one bar: a character per sixteenth, 'X' accent, 'x' hit, '.' rest.
struct DrumLane {
    int key;
    std::string_view hits;
    int velocity;
};

// Everything that makes a work recognisable: key, mode, metre, tempo, band and habits.
struct Style {
    std::string_view title;
    int tonic;               // MIDI note of the tonic in the melody register
    std::vector<int> scale;  // semitones above the tonic (5 or 7 notes)
    int key_sharps;          // for the key signature event
    bool minor;
    int beats, beat_unit;    // time signature
    int steps_per_bar;       // sixteenth notes per bar
    int beat_steps;          // sixteenths per felt beat
    double bpm;              // quarter notes per minute
    int lead, chords, bass, pad;  // General MIDI programs, pad -1 when absent
    Accomp accomp;
    BassLine bass_line;
    std::vector<std::vector<int>> progressions;  // four chord roots (scale degrees) per phrase
    std::vector<std::vector<int>> rhythms;       // melody bar rhythms in sixteenths, < 0 rest
    std::vector<std::vector<int>> cadences;      // phrase-ending bar rhythms, last note long
    std::vector<DrumLane> drums;
    bool crash;              // cymbal at each section start
    double leap;             // chance that a melody step is a leap
    int reverb;              // controller 91 depth
};

// Style of music group 0..8.
const Style& group_style(int group);

// Style of the opening theme (lorpe.mid).
const Style& opening_style();

}  // namespace mediagen
