#include "midi_writer.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

namespace {
enum Order { kMeta = 0, kSetup = 1, kNoteOff = 2, kNoteOn = 3 };

// Clamps to a 7-bit data byte.
std::uint8_t data7(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 127)); }

// Status byte of a channel message.
std::uint8_t status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}
}  // namespace

// Most significant group first, continuation bit on all but the last.
void put_vlq(Bytes& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 1) out.push_back(static_cast<std::uint8_t>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

// Keeps insertion order as the last tie-breaker so encoding is deterministic.
void MidiTrack::add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
    events_.push_back({tick, order, static_cast<std::uint32_t>(events_.size()), std::move(bytes)});
}

// A note as note-on plus note-on with velocity 0 (the off that running status likes).
void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    if (length == 0) return;
    add(tick, kNoteOn, {status(0x90, channel), data7(key), data7(std::max(1, velocity))});
    add(tick + length, kNoteOff, {status(0x90, channel), data7(key), 0});
}

// Instrument choice (General MIDI program 0..127).
void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    add(tick, kSetup, {status(0xC0, channel), data7(program)});
}

// Controller change (volume, pan, reverb...).
void MidiTrack::control(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, kSetup, {status(0xB0, channel), data7(controller), data7(value)});
}

// Set Tempo meta event in microseconds per quarter note.
void MidiTrack::tempo(std::uint32_t tick, double quarter_bpm) {
    const auto us = static_cast<std::uint32_t>(std::lround(60000000.0 / quarter_bpm));
    add(tick, kMeta, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16),
                      static_cast<std::uint8_t>(us >> 8), static_cast<std::uint8_t>(us)});
}

// Time Signature meta event; the denominator is written as a power of two.
void MidiTrack::time_signature(std::uint32_t tick, int numerator, int denominator) {
    std::uint8_t power = 0;
    while ((1 << power) < denominator) ++power;
    const std::uint8_t clocks = denominator == 8 ? 36 : 24;  // metronome on the felt beat
    add(tick, kMeta, {0xFF, 0x58, 0x04, data7(numerator), power, clocks, 8});
}

// Key Signature meta event: sharps (negative for flats) and major/minor.
void MidiTrack::key_signature(std::uint32_t tick, int sharps, bool minor) {
    add(tick, kMeta, {0xFF, 0x59, 0x02, static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
                      static_cast<std::uint8_t>(minor ? 1 : 0)});
}

// Track Name meta event.
void MidiTrack::name(std::uint32_t tick, const std::string& text) {
    std::vector<std::uint8_t> bytes = {0xFF, 0x03};
    Bytes len;
    put_vlq(len, static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), len.begin(), len.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    add(tick, kMeta, std::move(bytes));
}

// Sorts by time, writes deltas, drops repeated channel status bytes (running status).
Bytes MidiTrack::encode(std::uint32_t end_tick) const {
    std::vector<const Event*> order;
    order.reserve(events_.size());
    for (const Event& e : events_) order.push_back(&e);
    std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->order != b->order) return a->order < b->order;
        return a->sequence < b->sequence;
    });
    Bytes body;
    std::uint32_t now = 0;
    std::uint8_t running = 0;
    for (const Event* e : order) {
        const std::uint32_t tick = std::min(e->tick, end_tick);
        put_vlq(body, tick - now);
        now = tick;
        const std::uint8_t first = e->bytes.front();
        if (first >= 0xF0) {
            running = 0;  // meta and system events cancel running status
            body.insert(body.end(), e->bytes.begin(), e->bytes.end());
        } else {
            const bool same = first == running;
            running = first;
            body.insert(body.end(), e->bytes.begin() + (same ? 1 : 0), e->bytes.end());
        }
    }
    put_vlq(body, end_tick - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    Bytes chunk;
    put_tag(chunk, "MTrk");
    put_be(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

// Header chunk (format 1, n tracks, ticks per quarter) and the track chunks.
Bytes encode_midi(const std::vector<MidiTrack>& tracks, std::uint32_t end_tick) {
    Bytes out;
    put_tag(out, "MThd");
    put_be(out, 6, 4);
    put_be(out, 1, 2);
    put_be(out, static_cast<std::uint32_t>(tracks.size()), 2);
    put_be(out, kTicksPerQuarter, 2);
    for (const MidiTrack& t : tracks) {
        const Bytes chunk = t.encode(end_tick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace mediagen
