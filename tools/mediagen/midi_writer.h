// Standard MIDI File (format 1) writing: tracks of timed events, running status.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bytes.h"

namespace mediagen {

constexpr int kTicksPerQuarter = 480;

// One track: events are collected in any order and sorted when encoded.
class MidiTrack {
public:
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    void program(std::uint32_t tick, int channel, int program);
    void control(std::uint32_t tick, int channel, int controller, int value);
    void tempo(std::uint32_t tick, double quarter_bpm);
    void time_signature(std::uint32_t tick, int numerator, int denominator);
    void key_signature(std::uint32_t tick, int sharps, bool minor);
    void name(std::uint32_t tick, const std::string& text);

    // The MTrk chunk: delta times, running status, end-of-track at `end_tick`.
    Bytes encode(std::uint32_t end_tick) const;
    std::size_t event_count() const { return events_.size(); }

private:
    struct Event {
        std::uint32_t tick;
        int order;  // at equal ticks: meta, setup, note-off, note-on
        std::uint32_t sequence;
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);

    std::vector<Event> events_;
};

// Appends a variable-length quantity (7 bits a byte, high bit = more follows).
void put_vlq(Bytes& out, std::uint32_t value);

// MThd (format 1) followed by every track, all ending at `end_tick`.
Bytes encode_midi(const std::vector<MidiTrack>& tracks, std::uint32_t end_tick);

}  // namespace mediagen
