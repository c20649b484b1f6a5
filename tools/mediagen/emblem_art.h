// The game's emblem for the window icon and the desktop launcher: a night-blue disc in a gold ring,
// an eight-rayed star whose long rays point to the four winds, a white core.
#pragma once

#include "png_writer.h"

namespace mediagen {

inline constexpr int kEmblemSize = 128;

// The emblem at size × size pixels, transparent outside the ring.
RgbaImage emblem_picture(int size = kEmblemSize);

}  // namespace mediagen
