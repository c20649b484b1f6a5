// An RGB picture in memory and the colour arithmetic the painters share.
#pragma once

#include <cstdint>
#include <vector>

namespace mediagen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Top-down RGB raster; the file writers flip or convert as their format needs.
class Image {
public:
    Image(int width, int height, Rgb fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void set(int x, int y, Rgb c) { pixels_[static_cast<std::size_t>(y * width_ + x)] = c; }
    // Mixes `c` into the pixel with weight `alpha` (0..1); off-picture pixels are ignored.
    void blend(int x, int y, Rgb c, double alpha);

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

// Colour scaled by a brightness factor, clamped to the byte range.
Rgb shade(Rgb c, double factor);

// Colour from hue (0..1 around the wheel), saturation and value, for the prismatic frame.
Rgb hsv(double hue, double saturation, double value);

}  // namespace mediagen
