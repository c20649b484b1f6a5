// JPEG encoding through libjpeg, for the title frames.
#pragma once

#include "bytes.h"
#include "image.h"

namespace mediagen {

// Encodes the picture as a baseline JFIF file at the given quality (1..100).
Bytes encode_jpeg(const Image& img, int quality = 90);

}  // namespace mediagen
