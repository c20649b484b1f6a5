// Melody writing: motifs (rhythm and contour) sung over a phrase's chords.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "music_styles.h"
#include "rng.h"

namespace mediagen {

constexpr std::uint32_t kTicksPerStep = 120;  // one sixteenth at 480 ticks per quarter

// A note ready for a MIDI track.
struct NoteEvent {
    std::uint32_t start, length;
    int key, velocity;
};

// How a four-bar phrase ends: on the dominant, on the tonic, or on a whole-bar tonic.
enum class Cadence { Half, Full, Final };

// A four-bar melodic idea: which rhythm each bar uses and how the line moves.
struct Motif {
    std::array<int, 3> rhythm{};                   // rhythm of bars 1..3 (index into the style)
    int cadence = 0;                               // rhythm of bar 4 (index into cadences)
    std::array<std::vector<int>, 4> steps;         // per bar: offset of the first note, then steps
    int lift = 0;                                  // register shift of the whole phrase
};

// A fresh motif drawn from the style's habits.
Motif make_motif(const Style& style, Rng& rng);

// The same motif with its second half re-drawn (the answer to a question phrase).
Motif vary_motif(const Motif& motif, const Style& style, Rng& rng);

// Sings motifs over chords, remembering where the previous phrase left the voice.
class MelodyWriter {
public:
    explicit MelodyWriter(const Style& style);

    // Appends the notes of one phrase starting at `first_bar`.
    void phrase(const Motif& motif, const std::array<int, 4>& chords, Cadence cadence,
                int first_bar, Rng& rng, std::vector<NoteEvent>& out);

private:
    // Keeps the line inside the instrument's comfortable range.
    int fold_into_range(int index) const;
    // The scale index the last note of a phrase is pulled to.
    int cadence_target(int index, Cadence cadence, int root) const;

    const Style& style_;
    int low_, high_, current_;
};

}  // namespace mediagen
