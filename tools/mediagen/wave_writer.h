// RIFF/WAVE encoding of 16-bit PCM mono sound effects.
#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"

namespace mediagen {

constexpr int kSampleRate = 22050;

// Encodes samples as a canonical 44-byte-header PCM wave file.
Bytes encode_wav(const std::vector<std::int16_t>& samples, int sample_rate = kSampleRate);

}  // namespace mediagen
