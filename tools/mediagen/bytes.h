// Byte buffers and the little/big-endian appenders the file writers share.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace mediagen {

using Bytes = std::vector<std::uint8_t>;

// Appends an unsigned value as `count` little-endian bytes (BMP, WAV headers).
inline void put_le(Bytes& out, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Appends an unsigned value as `count` big-endian bytes (MIDI chunks).
inline void put_be(Bytes& out, std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Appends the raw characters of a tag such as "RIFF" or "MThd".
inline void put_tag(Bytes& out, std::string_view tag) {
    for (char c : tag) out.push_back(static_cast<std::uint8_t>(c));
}

}  // namespace mediagen
