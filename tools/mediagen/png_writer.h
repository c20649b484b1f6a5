// PNG encoding for the launcher icon: 8-bit RGBA, stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>

#include "bytes.h"

namespace mediagen {

// An RGBA raster, top-down, four bytes a pixel.
struct RgbaImage {
    int width = 0, height = 0;
    Bytes rgba;
};

// The CRC-32 of PNG chunks (the zip polynomial).
std::uint32_t png_crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

// Encodes the picture as a complete .png file.
Bytes encode_png(const RgbaImage& img);

}  // namespace mediagen
