#include "wave_writer.h"

namespace mediagen {

// RIFF header, a 16-byte fmt chunk (PCM, mono, 16 bit) and the data chunk.
Bytes encode_wav(const std::vector<std::int16_t>& samples, int sample_rate) {
    constexpr std::uint32_t kChannels = 1, kBits = 16, kBlockAlign = kChannels * kBits / 8;
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size()) * kBlockAlign;
    Bytes out;
    out.reserve(44 + data_bytes + 1);
    put_tag(out, "RIFF");
    put_le(out, 36 + data_bytes + (data_bytes & 1), 4);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put_le(out, 16, 4);
    put_le(out, 1, 2);  // PCM
    put_le(out, kChannels, 2);
    put_le(out, static_cast<std::uint32_t>(sample_rate), 4);
    put_le(out, static_cast<std::uint32_t>(sample_rate) * kBlockAlign, 4);  // byte rate
    put_le(out, kBlockAlign, 2);
    put_le(out, kBits, 2);
    put_tag(out, "data");
    put_le(out, data_bytes, 4);
    for (std::int16_t s : samples) put_le(out, static_cast<std::uint16_t>(s), 2);
    if (data_bytes & 1) out.push_back(0);  // chunks are word aligned (never true for 16-bit mono)
    return out;
}

}  // namespace mediagen
