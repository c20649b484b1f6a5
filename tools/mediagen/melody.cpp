#include "melody.h"

#include <algorithm>
#include <cstdlib>

#include "harmony.h"

namespace mediagen {

namespace {
// Number of sounding notes in a bar rhythm (rests are negative).
int note_count(const std::vector<int>& rhythm) {
    return static_cast<int>(std::count_if(rhythm.begin(), rhythm.end(), [](int d) { return d > 0; }));
}

// One bar of contour: an opening offset, then mostly steps in a chosen direction.
std::vector<int> draw_steps(int notes, const Style& style, Rng& rng) {
    std::vector<int> steps;
    steps.push_back(rng.range(-2, 2));
    const int direction = rng.chance(0.5) ? 1 : -1;
    static const int kSizes[] = {1, 1, 1, 2, 0, 1, 2};
    for (int i = 1; i < notes; ++i) {
        int step = kSizes[rng.below(7)] * (rng.chance(0.25) ? -direction : direction);
        if (rng.chance(style.leap)) step = (rng.chance(0.5) ? 1 : -1) * rng.range(3, 4);
        steps.push_back(step);
    }
    return steps;
}
}  // namespace

// Bars 1 and 3 share their rhythm and contour, so the idea is heard twice.
Motif make_motif(const Style& style, Rng& rng) {
    Motif m;
    const int rhythms = static_cast<int>(style.rhythms.size());
    m.rhythm = {rng.below(rhythms), rng.below(rhythms), 0};
    m.rhythm[2] = m.rhythm[0];
    m.cadence = rng.below(static_cast<int>(style.cadences.size()));
    for (int b = 0; b < 2; ++b)
        m.steps[static_cast<std::size_t>(b)] =
            draw_steps(note_count(style.rhythms[static_cast<std::size_t>(m.rhythm[static_cast<std::size_t>(b)])]), style, rng);
    m.steps[2] = m.steps[0];
    m.steps[2][0] += rng.chance(0.5) ? 1 : -1;  // the repeat is sequenced a step away
    m.steps[3] = draw_steps(note_count(style.cadences[static_cast<std::size_t>(m.cadence)]), style, rng);
    return m;
}

// Keeps bars 1-2 and re-draws bars 3-4 so the phrase answers the original.
Motif vary_motif(const Motif& motif, const Style& style, Rng& rng) {
    Motif m = motif;
    m.rhythm[2] = rng.below(static_cast<int>(style.rhythms.size()));
    m.cadence = rng.below(static_cast<int>(style.cadences.size()));
    m.steps[2] = draw_steps(note_count(style.rhythms[static_cast<std::size_t>(m.rhythm[2])]), style, rng);
    m.steps[3] = draw_steps(note_count(style.cadences[static_cast<std::size_t>(m.cadence)]), style, rng);
    return m;
}

// Range from a fourth or so below the tonic to about an octave and a half above.
MelodyWriter::MelodyWriter(const Style& style)
    : style_(style),
      low_(-static_cast<int>(style.scale.size()) / 2),
      high_(static_cast<int>(style.scale.size()) * 3 / 2),
      current_(2) {}

// Reflects wandering lines back toward the middle.
int MelodyWriter::fold_into_range(int index) const {
    while (index > high_) index -= 2;
    while (index < low_) index += 2;
    return index;
}

// Full and final cadences land on the nearest tonic; half cadences on the dominant chord.
int MelodyWriter::cadence_target(int index, Cadence cadence, int root) const {
    if (cadence == Cadence::Half) return nearest_chord_tone(style_, index, root);
    const int n = static_cast<int>(style_.scale.size());
    int best = 0;
    for (int tonic = -n; tonic <= 2 * n; tonic += n)
        if (tonic >= low_ && tonic <= high_ && std::abs(tonic - index) < std::abs(best - index)) best = tonic;
    return best;
}

// Each bar: first note on a chord tone, then the contour, strong beats snapped to the chord;
// notes are slightly detached except the final tonic, held up to the loop point.
void MelodyWriter::phrase(const Motif& motif, const std::array<int, 4>& chords, Cadence cadence,
                          int first_bar, Rng& rng, std::vector<NoteEvent>& out) {
    const std::vector<int> whole_bar = {style_.steps_per_bar};
    for (int b = 0; b < 4; ++b) {
        const auto bar = static_cast<std::size_t>(b);
        const int root = chords[bar];
        const bool last_bar = b == 3;
        const std::vector<int>& rhythm =
            last_bar ? (cadence == Cadence::Final ? whole_bar
                                                  : style_.cadences[static_cast<std::size_t>(motif.cadence)])
                     : style_.rhythms[static_cast<std::size_t>(motif.rhythm[bar])];
        const std::vector<int>& steps = motif.steps[bar];
        const int notes = note_count(rhythm);
        int pos = 0, note = 0;
        for (int dur : rhythm) {
            if (dur < 0) {
                pos -= dur;
                continue;
            }
            const int step = note < static_cast<int>(steps.size()) ? steps[static_cast<std::size_t>(note)] : 0;
            const int before = current_;
            if (note == 0)
                current_ = nearest_chord_tone(style_, current_ + step + (b == 0 ? motif.lift : 0), root);
            else
                current_ += step;
            current_ = fold_into_range(current_);
            if (pos % style_.beat_steps == 0) {
                current_ = nearest_chord_tone(style_, current_, root);
                // Snapping must not undo the step and leave the voice standing still.
                if (note > 0 && step != 0 && current_ == before)
                    current_ = fold_into_range(next_chord_tone(style_, before, root, step > 0 ? 1 : -1));
            }
            if (last_bar && note == notes - 1) current_ = cadence_target(current_, cadence, root);
            const std::uint32_t start =
                static_cast<std::uint32_t>((first_bar + b) * style_.steps_per_bar + pos) * kTicksPerStep;
            const int accent = pos == 0 ? 92 : (pos % style_.beat_steps == 0 ? 84 : 76);
            const bool loop_point = last_bar && cadence == Cadence::Final && note == notes - 1;
            const std::uint32_t length = static_cast<std::uint32_t>(dur) * kTicksPerStep;
            out.push_back({start, loop_point ? length : length * 15 / 16, scale_key(style_, current_),
                           accent + rng.range(-4, 4)});
            pos += dur;
            ++note;
        }
    }
}

}  // namespace mediagen
