// MIDI writer and the composed pieces: chunk structure, running status, loopable whole bars.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "composer.h"
#include "midi_reader.h"
#include "midi_writer.h"
#include "music_styles.h"
#include "test_support.h"

namespace mediagen {
namespace {
using testing::MidiFileRead;
using testing::read_midi;

TEST(Vlq, EncodesSevenBitsPerByteMostSignificantFirst) {
    for (const auto& [value, bytes] :
         std::initializer_list<std::pair<std::uint32_t, Bytes>>{{0x7F, {0x7F}},
                                                                {0x80, {0x81, 0x00}},
                                                                {0x3FFF, {0xFF, 0x7F}},
                                                                {0x4000, {0x81, 0x80, 0x00}},
                                                                {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}}) {
        Bytes out;
        put_vlq(out, value);
        EXPECT_EQ(out, bytes) << value;
    }
}

// A format-1 file of one track at 480 ticks per quarter around the track chunk `track`.
Bytes one_track_file(const Bytes& track) {
    Bytes file;
    file.reserve(14 + track.size());
    static constexpr std::uint8_t kHeader[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0x01, 0xE0};
    for (const std::uint8_t b : kHeader) file.push_back(b);
    for (const std::uint8_t b : track) file.push_back(b);
    return file;
}

TEST(MidiWriter, RepeatsNoStatusByteButMetaEventsResetIt) {
    MidiTrack t;
    t.note(0, 100, 0, 60, 90);
    t.note(100, 100, 0, 62, 90);
    t.tempo(200, 120);
    t.note(200, 100, 0, 64, 90);
    const Bytes chunk = t.encode(300);
    // on(60) off(60) on(62) off(62) share 0x90; the tempo cancels it, so the next note repeats 0x90.
    int statuses = 0;
    for (std::size_t i = 8; i < chunk.size(); ++i) statuses += chunk[i] == 0x90;
    EXPECT_EQ(statuses, 2);
    const MidiFileRead f = read_midi(one_track_file(chunk));
    ASSERT_EQ(f.error, "");
    EXPECT_TRUE(f.tracks[0].running_status_used);
    EXPECT_EQ(f.tracks[0].end_tick, 300u);
    ASSERT_EQ(f.tracks[0].events.size(), 7u);
    EXPECT_EQ(f.tracks[0].events[3].meta_type, 0x51);  // metas sort first within a tick
    EXPECT_EQ(f.tracks[0].events[1].data, (std::vector<std::uint8_t>{60, 0}));  // off before the next on
}

// Facts a test needs about one composed file.
struct PieceFacts {
    double seconds = 0;
    std::uint32_t bar_ticks = 0, end_tick = 0;
    int lead_program = -1, last_lead_key = -1;
    std::uint32_t last_lead_end = 0;
    double bpm = 0;
    std::vector<int> lead_keys;
    int open_notes = 0;
};

// Reads tempo, metre, the lead line and the note balance out of a parsed file.
PieceFacts facts_of(const MidiFileRead& f) {
    PieceFacts p;
    std::uint32_t us_per_quarter = 500000;
    int num = 4, den = 4;
    for (const auto& e : f.tracks[0].events) {
        if (e.meta_type == 0x51) us_per_quarter = (e.data[0] << 16) | (e.data[1] << 8) | e.data[2];
        if (e.meta_type == 0x58) {
            num = e.data[0];
            den = 1 << e.data[1];
        }
    }
    p.bpm = 60000000.0 / us_per_quarter;
    p.bar_ticks = static_cast<std::uint32_t>(f.division * 4 * num / den);
    p.end_tick = f.tracks[0].end_tick;
    p.seconds = p.end_tick / double(f.division) * us_per_quarter / 1e6;
    for (const auto& track : f.tracks) {
        std::map<std::pair<int, int>, std::uint32_t> sounding;
        for (const auto& e : track.events) {
            const int kind = e.status & 0xF0, ch = e.status & 0x0F;
            if (kind == 0xC0 && ch == 0) p.lead_program = e.data[0];
            if (kind != 0x90 && kind != 0x80) continue;
            const bool on = kind == 0x90 && e.data[1] > 0;
            if (on) {
                ++p.open_notes;
                sounding[{ch, e.data[0]}] = e.tick;
                if (ch == 0) p.lead_keys.push_back(e.data[0]);
                if (ch == 0) p.last_lead_key = e.data[0];
            } else {
                --p.open_notes;
                if (ch == 0 && e.data[0] == p.last_lead_key) p.last_lead_end = e.tick;
            }
        }
    }
    return p;
}

class EveryPiece : public ::testing::TestWithParam<int> {};

// Piece -1 stands for the opening theme.
Bytes piece_bytes(int piece) { return piece < 0 ? opening_midi() : piece_midi(piece, piece % kGroupCount); }
const Style& piece_style(int piece) { return piece < 0 ? opening_style() : group_style(piece % kGroupCount); }

TEST_P(EveryPiece, IsWellFormedLoopableAndTheRightLength) {
    const MidiFileRead f = read_midi(piece_bytes(GetParam()));
    ASSERT_EQ(f.error, "");
    EXPECT_EQ(std::pair(f.format, f.division), std::pair(1, kTicksPerQuarter));
    EXPECT_GE(f.tracks.size(), 4u);
    const PieceFacts p = facts_of(f);
    EXPECT_GE(p.seconds, 30.0);
    EXPECT_LE(p.seconds, 90.0);
    EXPECT_EQ(p.end_tick % p.bar_ticks, 0u) << "ends mid-bar";
    for (const auto& t : f.tracks) EXPECT_EQ(t.end_tick, p.end_tick) << "tracks end together";
    EXPECT_EQ(p.open_notes, 0) << "every note is released";
    const int tonic_class = piece_style(GetParam()).tonic % 12;
    EXPECT_EQ(p.last_lead_key % 12, tonic_class) << "melody ends on the tonic";
    EXPECT_EQ(p.last_lead_end, p.end_tick) << "final note held to the loop point";
    EXPECT_EQ(p.lead_program, piece_style(GetParam()).lead);
    EXPECT_TRUE(f.tracks[1].running_status_used);
}

INSTANTIATE_TEST_SUITE_P(Pieces, EveryPiece, ::testing::Range(-1, 46));

// Every bar rhythm, cadence and drum lane fills one bar exactly: a composed piece would still end on
// its bar line with a bar too short or too long (a gap or an overlap in the tune).
TEST(Groups, EachWorkHasItsOwnLeadInstrumentAndCharacter) {
    std::set<int> leads;
    std::set<std::tuple<int, int, int, int>> characters;
    for (int g = 0; g < kGroupCount; ++g) {
        const Style& s = group_style(g);
        leads.insert(s.lead);
        characters.insert({s.tonic % 12, static_cast<int>(s.bpm), s.beats,
                           static_cast<int>(s.scale.size()) * 100 + s.scale[2]});
        for (const DrumLane& lane : s.drums)
            EXPECT_EQ(static_cast<int>(lane.hits.size()), s.steps_per_bar) << s.title;
        for (const auto& r : s.rhythms) {
            int sum = 0;
            for (int d : r) sum += std::abs(d);
            EXPECT_EQ(sum, s.steps_per_bar) << s.title;
        }
        for (const auto& r : s.cadences) {
            int sum = 0;
            for (int d : r) sum += std::abs(d);
            EXPECT_EQ(sum, s.steps_per_bar) << s.title;
            EXPECT_GT(r.back(), 0) << "cadence ends on a note";
        }
    }
    EXPECT_EQ(leads.size(), static_cast<std::size_t>(kGroupCount));
    EXPECT_EQ(characters.size(), static_cast<std::size_t>(kGroupCount));
}

// Pieces of one group share the band but not the tune.
TEST(Groups, PiecesOfOneGroupShareTheBandButNotTheTune) {
    for (int g = 0; g < kGroupCount; ++g) {
        const PieceFacts a = facts_of(read_midi(piece_midi(g, g)));
        const PieceFacts b = facts_of(read_midi(piece_midi(g + 9, g)));
        EXPECT_EQ(a.lead_program, b.lead_program);
        EXPECT_NE(a.lead_keys, b.lead_keys) << "group " << g;
    }
    EXPECT_NE(piece_midi(3, 3), piece_midi(3, 4));  // the piece number, not the group, picks the tune
}

}  // namespace
}  // namespace mediagen
