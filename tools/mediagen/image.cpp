#include "image.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

namespace {
// Rounds and clamps a channel value into a byte.
std::uint8_t to_byte(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
}  // namespace

// Allocates the raster filled with one colour.
Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

// Alpha-mixes a colour into one pixel; painters call it with antialiased coverage.
void Image::blend(int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0) return;
    set(x, y, mix(at(x, y), c, std::min(alpha, 1.0)));
}

// Per-channel linear interpolation between two colours.
Rgb mix(Rgb a, Rgb b, double t) {
    return {to_byte(a.r + (b.r - a.r) * t), to_byte(a.g + (b.g - a.g) * t),
            to_byte(a.b + (b.b - a.b) * t)};
}

// Brightens (factor > 1) or darkens (factor < 1) a colour.
Rgb shade(Rgb c, double factor) {
    return {to_byte(c.r * factor), to_byte(c.g * factor), to_byte(c.b * factor)};
}

// Standard HSV to RGB conversion.
Rgb hsv(double hue, double saturation, double value) {
    hue = hue - std::floor(hue);
    const double h = hue * 6.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = value * (1 - saturation), q = value * (1 - saturation * f),
                 t = value * (1 - saturation * (1 - f));
    double r = 0, g = 0, b = 0;
    switch (sector) {
        case 0: r = value; g = t; b = p; break;
        case 1: r = q; g = value; b = p; break;
        case 2: r = p; g = value; b = t; break;
        case 3: r = p; g = q; b = value; break;
        case 4: r = t; g = p; b = value; break;
        default: r = value; g = p; b = q; break;
    }
    return {to_byte(r * 255), to_byte(g * 255), to_byte(b * 255)};
}

}  // namespace mediagen
