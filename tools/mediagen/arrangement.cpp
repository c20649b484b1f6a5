#include "arrangement.h"

#include <algorithm>

#include "harmony.h"

namespace mediagen {

namespace {
constexpr int kBassFloor = 36;

// Absolute tick of a sixteenth step inside a bar.
std::uint32_t tick_at(const Style& style, const BarPlace& bar, int step) {
    return static_cast<std::uint32_t>(bar.index * style.steps_per_bar + step) * kTicksPerStep;
}

// Adds one note given in steps.
void put(std::vector<NoteEvent>& out, const Style& style, const BarPlace& bar, int step, int steps,
         int key, int velocity) {
    out.push_back({tick_at(style, bar, step), static_cast<std::uint32_t>(steps) * kTicksPerStep, key,
                   velocity});
}

// Root of the bar's chord in the bass octave.
int bass_root(const Style& style, int root) {
    int key = scale_key(style, root);
    while (key >= kBassFloor + 12) key -= 12;
    while (key < kBassFloor) key += 12;
    return key;
}

// Chord tones cycled in a pattern of indices, one note every `every` steps.
void broken_chord(const Style& style, const BarPlace& bar, const std::vector<int>& keys,
                  const std::vector<int>& pattern, int every, int ring, std::vector<NoteEvent>& out) {
    int i = 0;
    for (int step = 0; step < style.steps_per_bar; step += every, ++i) {
        const int key = keys[static_cast<std::size_t>(pattern[static_cast<std::size_t>(i) % pattern.size()])];
        const int velocity = step % style.beat_steps == 0 ? 66 : 56;
        put(out, style, bar, step, std::min(ring, style.steps_per_bar - step), key, velocity);
    }
}
}  // namespace

// Brings the chord octave into the tenor range whatever the melody's register.
int accompaniment_floor(const Style& style) {
    int floor_key = style.tonic - 14;
    while (floor_key > 60) floor_key -= 12;
    while (floor_key < 48) floor_key += 12;
    return floor_key;
}

// One pattern per accompaniment kind; chords are close triads plus the octave.
void accompany_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out) {
    std::vector<int> keys = chord_keys(style, bar.root, accompaniment_floor(style));
    keys.push_back(keys[0] + 12);
    const int s = style.steps_per_bar, beat = style.beat_steps;
    switch (style.accomp) {
        case Accomp::Sustain:
            for (int i = 0; i < 3; ++i) put(out, style, bar, 0, s, keys[static_cast<std::size_t>(i)], 54);
            break;
        case Accomp::Stabs:
            for (int step = 0; step < s; step += beat)
                for (int i = 0; i < 3; ++i) put(out, style, bar, step, beat / 2, keys[static_cast<std::size_t>(i)], 60);
            break;
        case Accomp::Arpeggio: broken_chord(style, bar, keys, {0, 1, 2, 3, 2, 1}, 2, 3, out); break;
        case Accomp::Alberti: broken_chord(style, bar, keys, {0, 2, 1, 2}, 2, 2, out); break;
        case Accomp::Ostinato: broken_chord(style, bar, keys, {0, 1, 2, 1}, 1, 1, out); break;
        case Accomp::Waltz:
            for (int step = beat; step < s; step += beat)
                for (int i = 0; i < 3; ++i) put(out, style, bar, step, beat - 1, keys[static_cast<std::size_t>(i)], 58);
            break;
        case Accomp::Offbeat:
            for (int step = beat / 2; step < s; step += beat)
                for (int i = 0; i < 3; ++i) put(out, style, bar, step, beat / 2, keys[static_cast<std::size_t>(i)], 60);
            break;
        case Accomp::Power: {
            const int root = bass_root(style, bar.root) + 12;
            for (int step = 0; step < s; step += 2)
                for (int add : {0, 7, 12})
                    put(out, style, bar, step, 2, root + add, step % beat == 0 ? 84 : 68);
            break;
        }
    }
}

// Bass patterns: held roots, root and fifth, driving eighths, oom-pah, bossa.
void bass_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out) {
    const int root = bass_root(style, bar.root), s = style.steps_per_bar, beat = style.beat_steps;
    switch (style.bass_line) {
        case BassLine::Held: put(out, style, bar, 0, s, root, 80); break;
        case BassLine::RootFifth:
            put(out, style, bar, 0, s / 2, root, 84);
            put(out, style, bar, s / 2, s / 2, root + 7, 76);
            break;
        case BassLine::Pedal8:
            for (int step = 0; step < s; step += 2)
                put(out, style, bar, step, 2, step == s - 2 ? root + 12 : root, step % beat == 0 ? 96 : 80);
            break;
        case BassLine::Oompah:
            for (int step = 0, i = 0; step < s; step += beat, ++i)
                put(out, style, bar, step, beat - 1, i % 2 == 0 ? root : root - 5, 88);
            break;
        case BassLine::Bossa:
            put(out, style, bar, 0, 6, root, 84);
            put(out, style, bar, 6, 2, root + 7, 70);
            put(out, style, bar, 8, 6, root + 7, 78);
            put(out, style, bar, 14, 2, root, 70);
            break;
    }
}

// A soft chord above the accompaniment, held through the bar.
void pad_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out) {
    if (style.pad < 0) return;
    for (int key : chord_keys(style, bar.root, accompaniment_floor(style) + 12))
        put(out, style, bar, 0, style.steps_per_bar, key, 44);
}

// Each lane's characters map to hits; sections open with a crash where the style has one.
void drum_bar(const Style& style, const BarPlace& bar, std::vector<NoteEvent>& out) {
    for (const DrumLane& lane : style.drums)
        for (int step = 0; step < style.steps_per_bar && step < static_cast<int>(lane.hits.size()); ++step) {
            const char c = lane.hits[static_cast<std::size_t>(step)];
            if (c == 'x' || c == 'X')
                put(out, style, bar, step, 1, lane.key, std::min(127, lane.velocity + (c == 'X' ? 20 : 0)));
        }
    if (style.crash && bar.section_start) put(out, style, bar, 0, 4, 49, 96);
}

}  // namespace mediagen
