// Composing whole pieces: form, harmony, melody and band, written as a MIDI file.
#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"
#include "midi_writer.h"
#include "music_styles.h"

namespace mediagen {

// A composed piece before it is encoded.
struct Composition {
    std::vector<MidiTrack> tracks;  // conductor, lead, chords, bass, pad, drums
    std::uint32_t end_tick = 0;     // a whole number of bars
    int bars = 0;
    double bpm = 0;
    double seconds = 0;
};

// Composes a loopable piece in the style; the seed picks melody, chords and length.
Composition compose(const Style& style, std::uint64_t seed);

// The quiz/background piece number `piece` of music group `group`, as a .mid file.
Bytes piece_midi(int piece, int group);

// The opening theme, lorpe.mid.
Bytes opening_midi();

}  // namespace mediagen
