#include "composer.h"

#include <array>
#include <cmath>
#include <string>

#include "arrangement.h"
#include "harmony.h"
#include "melody.h"
#include "rng.h"

namespace mediagen {

namespace {
enum Channel { kLead = 0, kChords = 1, kBass = 2, kPad = 3, kDrums = 9 };

// Phrase count giving 30..90 s (aiming at 42..72 s) in whole four-bar phrases.
int phrase_count(double bar_seconds, Rng& rng) {
    const double target = rng.real(42.0, 72.0);
    int phrases = std::max(2, static_cast<int>(std::lround(target / (4 * bar_seconds))));
    while (phrases > 2 && phrases * 4 * bar_seconds > 88.0) --phrases;
    while (phrases * 4 * bar_seconds < 32.0) ++phrases;
    return phrases;
}

// The phrase's chords with its cadence written into the last two bars.
std::array<int, 4> cadence_chords(const Style& style, const std::vector<int>& progression, Cadence cadence) {
    std::array<int, 4> chords = {progression[0], progression[1], progression[2], progression[3]};
    const int dominant = dominant_degree(style);
    if (cadence == Cadence::Half) {
        chords[3] = dominant;
    } else {
        if (chords[2] == 0) chords[2] = dominant;
        chords[3] = 0;
    }
    return chords;
}

// A melodic track: name, instrument, mix controllers, then its notes.
MidiTrack instrument_track(const std::string& name, int channel, int program, int volume, int pan,
                           int reverb, const std::vector<NoteEvent>& notes) {
    MidiTrack t;
    t.name(0, name);
    if (program >= 0) t.program(0, channel, program);
    t.control(0, channel, 7, volume);
    t.control(0, channel, 10, pan);
    t.control(0, channel, 91, reverb);
    for (const NoteEvent& n : notes) t.note(n.start, n.length, channel, n.key, n.velocity);
    return t;
}
}  // namespace

// Form A A' B A'... in four-bar phrases; every other phrase closes on the tonic, the last one fully.
Composition compose(const Style& style, std::uint64_t seed) {
    Rng rng(seed);
    Composition c;
    c.bpm = std::round(style.bpm * rng.real(0.96, 1.04));
    const double bar_seconds = style.steps_per_bar / 4.0 * 60.0 / c.bpm;
    const int phrases = phrase_count(bar_seconds, rng);
    c.bars = phrases * 4;
    c.end_tick = static_cast<std::uint32_t>(c.bars * style.steps_per_bar) * kTicksPerStep;
    c.seconds = c.bars * bar_seconds;

    const int progressions = static_cast<int>(style.progressions.size());
    const int prog_a = rng.below(progressions);
    const int prog_b = (prog_a + 1 + rng.below(progressions - 1)) % progressions;
    const Motif a = make_motif(style, rng);
    const Motif answer = vary_motif(a, style, rng);
    Motif b = make_motif(style, rng);
    b.lift = 2;

    std::vector<NoteEvent> lead, chords, bass, pad, drums;
    MelodyWriter singer(style);
    for (int p = 0; p < phrases; ++p) {
        const int place = p % 4;
        const bool contrast = place == 2 && p != phrases - 1;  // always close on the main idea
        const Cadence cadence = p == phrases - 1 ? Cadence::Final : (p % 2 == 1 ? Cadence::Full : Cadence::Half);
        const std::vector<int>& progression =
            style.progressions[static_cast<std::size_t>(contrast ? prog_b : prog_a)];
        const std::array<int, 4> harmony = cadence_chords(style, progression, cadence);
        const Motif& motif = contrast ? b : (place == 0 ? a : answer);
        singer.phrase(motif, harmony, cadence, p * 4, rng, lead);
        for (int bar = 0; bar < 4; ++bar) {
            const BarPlace here{p * 4 + bar, harmony[static_cast<std::size_t>(bar)], bar == 0 && p % 2 == 0};
            accompany_bar(style, here, chords);
            bass_bar(style, here, bass);
            pad_bar(style, here, pad);
            drum_bar(style, here, drums);
        }
    }

    MidiTrack conductor;
    conductor.name(0, std::string(style.title));
    conductor.tempo(0, c.bpm);
    conductor.time_signature(0, style.beats, style.beat_unit);
    conductor.key_signature(0, style.key_sharps, style.minor);
    c.tracks.push_back(std::move(conductor));
    c.tracks.push_back(instrument_track("Lead", kLead, style.lead, 110, 64, style.reverb, lead));
    c.tracks.push_back(instrument_track("Chords", kChords, style.chords, 84, 44, style.reverb, chords));
    c.tracks.push_back(instrument_track("Bass", kBass, style.bass, 100, 64, style.reverb / 2, bass));
    if (style.pad >= 0)
        c.tracks.push_back(instrument_track("Pad", kPad, style.pad, 64, 84, style.reverb, pad));
    if (!style.drums.empty() || style.crash)
        c.tracks.push_back(instrument_track("Drums", kDrums, -1, 90, 64, style.reverb / 2, drums));
    return c;
}

// Seeded by piece and group, so every piece of a group is its own tune.
Bytes piece_midi(int piece, int group) {
    const Composition c = compose(group_style(group), 1000003ULL * static_cast<std::uint64_t>(piece + 1) +
                                                          static_cast<std::uint64_t>(group));
    return encode_midi(c.tracks, c.end_tick);
}

// The opening theme has a fixed seed of its own.
Bytes opening_midi() {
    const Composition c = compose(opening_style(), hash_name("lorpe"));
    return encode_midi(c.tracks, c.end_tick);
}

}  // namespace mediagen
