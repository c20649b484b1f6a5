#include "png_writer.h"

#include <algorithm>
#include <array>

namespace mediagen {

namespace {

// One chunk: length, tag, data, CRC over tag and data.
void put_chunk(Bytes& out, std::string_view tag, const Bytes& data) {
    put_be(out, static_cast<std::uint32_t>(data.size()), 4);
    const std::size_t crc_from = out.size();
    put_tag(out, tag);
    out.insert(out.end(), data.begin(), data.end());
    put_be(out, png_crc32(out.data() + crc_from, out.size() - crc_from), 4);
}

// A zlib stream of stored blocks: no compression, which an icon of a few tens of kilobytes can afford.
Bytes zlib_stored(const Bytes& raw) {
    Bytes z = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        z.push_back(at + n == raw.size() ? 1 : 0);
        put_le(z, static_cast<std::uint32_t>(n), 2);
        put_le(z, static_cast<std::uint32_t>(~n & 0xFFFFu), 2);
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;  // Adler-32 of the raw bytes
    for (const std::uint8_t v : raw) {
        a = (a + v) % 65521u;
        b = (b + a) % 65521u;
    }
    put_be(z, (b << 16) | a, 4);
    return z;
}

}  // namespace

std::uint32_t png_crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

Bytes encode_png(const RgbaImage& img) {
    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    put_be(header, static_cast<std::uint32_t>(img.width), 4);
    put_be(header, static_cast<std::uint32_t>(img.height), 4);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter method, no interlace
    put_chunk(out, "IHDR", header);
    Bytes raw;
    const std::size_t row = static_cast<std::size_t>(img.width) * 4;
    for (int y = 0; y < img.height; ++y) {
        raw.push_back(0);  // filter: none
        const auto from = img.rgba.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y));
        raw.insert(raw.end(), from, from + static_cast<std::ptrdiff_t>(row));
    }
    put_chunk(out, "IDAT", zlib_stored(raw));
    put_chunk(out, "IEND", {});
    return out;
}

}  // namespace mediagen
