// Windows bitmap encoding: 24-bit, uncompressed, bottom-up, BITMAPINFOHEADER.
#pragma once

#include "bytes.h"
#include "image.h"

namespace mediagen {

// Bytes of one image row in a 24-bit bitmap, padded to a multiple of four.
int bmp_row_stride(int width);

// Encodes the picture as a complete .bmp file.
Bytes encode_bmp(const Image& img);

}  // namespace mediagen
