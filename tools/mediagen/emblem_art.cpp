#include "emblem_art.h"

#include <algorithm>
#include <cmath>

#include "image.h"

namespace mediagen {

namespace {

constexpr Rgb kNight{24, 30, 72};
constexpr Rgb kDusk{70, 52, 120};
constexpr Rgb kGold{232, 184, 72};
constexpr Rgb kPale{255, 246, 214};

// Radius of the star's outline at this angle: long rays on the four winds, short ones between.
double star_radius(double angle, double r) {
    const double pi = 3.14159265358979323846;
    const double a = std::fmod(std::fabs(angle), pi / 4.0);   // 0 at a ray, pi/8 between two rays
    const double between = std::min(a, pi / 4.0 - a) / (pi / 8.0);  // 0 at a ray, 1 midway
    const bool long_ray = std::lround(std::fabs(angle) / (pi / 4.0)) % 2 == 0;
    const double tip = long_ray ? 0.78 * r : 0.5 * r;
    return tip - (tip - 0.16 * r) * std::pow(between, 0.55);
}

// Colour and coverage of one point of the emblem, centre-relative, in units of the outer radius.
std::pair<Rgb, double> emblem_point(double x, double y, double r) {
    const double d = std::hypot(x, y);
    if (d > r) return {kNight, 0.0};
    if (d > 0.88 * r) return {mix(kGold, shade(kGold, 0.7), (d - 0.88 * r) / (0.12 * r)), 1.0};
    if (d < 0.12 * r) return {kPale, 1.0};
    const double angle = std::atan2(y, x);
    if (d < star_radius(angle, r)) return {mix(kPale, kGold, d / (0.8 * r)), 1.0};
    return {mix(kDusk, kNight, d / (0.88 * r)), 1.0};
}

}  // namespace

RgbaImage emblem_picture(int size) {
    RgbaImage img{size, size, Bytes(static_cast<std::size_t>(size * size * 4), 0)};
    const double r = size / 2.0 - 1.0;
    constexpr int kSamples = 4;  // 4 × 4 samples a pixel smooth the edges
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double red = 0, green = 0, blue = 0, cover = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples - size / 2.0;
                    const double py = y + (sy + 0.5) / kSamples - size / 2.0;
                    const auto [c, a] = emblem_point(px, py, r);
                    red += c.r * a, green += c.g * a, blue += c.b * a, cover += a;
                }
            }
            std::uint8_t* p = &img.rgba[static_cast<std::size_t>((y * size + x) * 4)];
            const double n = kSamples * kSamples;
            p[0] = static_cast<std::uint8_t>(cover > 0 ? red / cover : 0);
            p[1] = static_cast<std::uint8_t>(cover > 0 ? green / cover : 0);
            p[2] = static_cast<std::uint8_t>(cover > 0 ? blue / cover : 0);
            p[3] = static_cast<std::uint8_t>(std::lround(255.0 * cover / n));
        }
    }
    return img;
}

}  // namespace mediagen
