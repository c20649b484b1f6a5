// An independent Standard MIDI File reader for the tests (running status included).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bytes.h"

namespace mediagen::testing {

struct MidiEventRead {
    std::uint32_t tick = 0;
    std::uint8_t status = 0;     // 0xFF for meta events
    std::uint8_t meta_type = 0;  // meta events only
    std::vector<std::uint8_t> data;
};

struct MidiTrackRead {
    std::vector<MidiEventRead> events;  // end-of-track not included
    std::uint32_t end_tick = 0;         // tick of the end-of-track event
    bool running_status_used = false;
};

struct MidiFileRead {
    int format = -1, division = 0;
    int declared_tracks = 0;
    std::vector<MidiTrackRead> tracks;
    std::string error;  // empty when the file is well formed
};

// Parses chunk by chunk; any structural fault is reported in `error`.
MidiFileRead read_midi(const Bytes& bytes);

}  // namespace mediagen::testing
