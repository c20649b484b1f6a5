#pragma once
// The three opening pictures of the title animation, decoded from cg/ with libjpeg.
#include <array>
#include <filesystem>

#include <QImage>

#include "player/game_folder.h"

namespace kestra {

// A JPEG file as an RGB picture; a null picture when the file is missing or not a JPEG.
QImage DecodeJpeg(const std::filesystem::path& path);

// The animation frames in frame order: frame mod 3 = 0 shows t10, 1 shows t1, 2 shows t2.
struct TitlePictures {
    std::array<QImage, 3> frames;

    // The picture for an animation frame counter.
    const QImage& ForFrame(int32_t frame) const { return frames[static_cast<size_t>(frame % 3)]; }
};

// Start-up step 9: t10.jpg, t1.jpg and t2.jpg from the game's cg/ folder.
TitlePictures LoadTitlePictures(const GameFolder& folder);

}  // namespace kestra
