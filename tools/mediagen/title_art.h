// The title picture: three frames of the slowly shimmering "KESTRA 天" logo.
#pragma once

#include "image.h"

namespace mediagen {

constexpr int kTitleWidth = 344;
constexpr int kTitleHeight = 120;
constexpr int kTitleFrames = 3;

// Frame `phase` (0..2) of the title animation; the game shows t10, t1, t2 as phases 0, 1, 2.
Image title_frame(int phase);

}  // namespace mediagen
