// An independent Standard MIDI File reader for the tests (running status included).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "test_support.h"

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

namespace detail {
// Reads a variable-length quantity, at most four bytes.
inline bool read_vlq(const Bytes& b, std::size_t& at, std::size_t end, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) return false;
        const std::uint8_t byte = b[at++];
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80)) return true;
    }
    return false;
}

// Data bytes that follow a channel status.
inline int data_length(std::uint8_t status) {
    const int kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// One MTrk body; the last event must be end-of-track and nothing may follow it.
inline std::string read_track(const Bytes& b, std::size_t at, std::size_t end, MidiTrackRead& track) {
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    while (at < end) {
        std::uint32_t delta = 0;
        if (!read_vlq(b, at, end, delta)) return "bad delta time";
        tick += delta;
        if (at >= end) return "event cut off";
        MidiEventRead e;
        e.tick = tick;
        std::uint8_t first = b[at];
        if (first == 0xFF) {
            if (at + 2 > end) return "meta cut off";
            e.status = 0xFF;
            e.meta_type = b[at + 1];
            at += 2;
            std::uint32_t len = 0;
            if (!read_vlq(b, at, end, len) || at + len > end) return "meta length";
            e.data.assign(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + len));
            at += len;
            running = 0;
            if (e.meta_type == 0x2F) {
                if (len != 0) return "end-of-track with data";
                if (at != end) return "bytes after end-of-track";
                track.end_tick = tick;
                return "";
            }
        } else if (first == 0xF0 || first == 0xF7) {
            return "sysex not expected";
        } else {
            if (first & 0x80) {
                running = first;
                ++at;
            } else {
                if (!running) return "data byte without running status";
                track.running_status_used = true;
            }
            e.status = running;
            const int n = data_length(running);
            if (at + static_cast<std::size_t>(n) > end) return "channel event cut off";
            for (int i = 0; i < n; ++i) {
                if (b[at] & 0x80) return "status byte where data expected";
                e.data.push_back(b[at++]);
            }
        }
        track.events.push_back(std::move(e));
    }
    return "missing end-of-track";
}
}  // namespace detail

// Parses chunk by chunk, header first, then exactly the declared number of MTrk chunks filling the
// file; any structural fault is reported in `error`.
inline MidiFileRead read_midi(const Bytes& b) {
    MidiFileRead f;
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || be32(b, 4) != 6) {
        f.error = "bad header";
        return f;
    }
    f.format = static_cast<int>(be16(b, 8));
    f.declared_tracks = static_cast<int>(be16(b, 10));
    f.division = static_cast<int>(be16(b, 12));
    std::size_t at = 14;
    while (at < b.size()) {
        if (at + 8 > b.size() ||
            std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + 4)) != "MTrk") {
            f.error = "expected MTrk at " + std::to_string(at);
            return f;
        }
        const std::size_t len = be32(b, at + 4), begin = at + 8;
        if (begin + len > b.size()) {
            f.error = "track length runs past the file";
            return f;
        }
        MidiTrackRead track;
        const std::string err = detail::read_track(b, begin, begin + len, track);
        if (!err.empty()) {
            f.error = "track " + std::to_string(f.tracks.size()) + ": " + err;
            return f;
        }
        f.tracks.push_back(std::move(track));
        at = begin + len;
    }
    if (static_cast<int>(f.tracks.size()) != f.declared_tracks) f.error = "track count mismatch";
    return f;
}

}  // namespace mediagen::testing
