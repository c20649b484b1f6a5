#include "card_frame.h"

#include <array>
#include <cmath>
#include <utility>

namespace mediagen {

namespace {
// Top and bottom colours of each element's gradient.
constexpr std::array<std::array<Rgb, 2>, 5> kElementGradient = {{
    {Rgb{186, 186, 180}, Rgb{126, 126, 122}},  // none: grey
    {Rgb{255, 242, 180}, Rgb{228, 190, 90}},   // light: light gold
    {Rgb{92, 56, 128}, Rgb{34, 18, 58}},       // dark: dark violet
    {Rgb{236, 96, 54}, Rgb{150, 28, 18}},      // fire: red
    {Rgb{96, 164, 238}, Rgb{26, 66, 158}},     // water: blue
}};

// Faint texture of the element: hatching, rays, stars, embers or waves (0 = none, ±strength).
double pattern(int element, int x, int y) {
    switch (element) {
        case 0: return (x + y) % 6 == 0 ? -0.05 : 0.0;
        case 1: {
            const double a = std::atan2(y + 10.0, x - 32.0);
            return std::sin(a * 18.0) > 0.6 ? 0.06 : 0.0;
        }
        case 2: {
            const unsigned h = static_cast<unsigned>(x * 73856093u ^ y * 19349663u) % 97u;
            return h == 0 ? 0.9 : 0.0;
        }
        case 3: {
            const unsigned h = static_cast<unsigned>(x * 83492791u ^ y * 2654435761u) % 61u;
            return (h == 0 && y > 20) ? 0.5 : 0.0;
        }
        default: return std::abs(std::sin(x * 0.35) * 2.5 + 6.0 - (y % 12)) < 0.5 ? 0.09 : 0.0;
    }
}

// Paints a one-pixel ring `inset` pixels from the edge, colour chosen per side.
template <class Colour>
void ring(Image& img, int inset, Colour colour) {
    const int w = img.width(), h = img.height();
    for (int x = inset; x < w - inset; ++x) {
        img.set(x, inset, colour(x, inset, true));
        img.set(x, h - 1 - inset, colour(x, h - 1 - inset, false));
    }
    for (int y = inset; y < h - inset; ++y) {
        img.set(inset, y, colour(inset, y, true));
        img.set(w - 1 - inset, y, colour(w - 1 - inset, y, false));
    }
}

// Fraction of the way round the frame, for the prismatic hue cycle.
double perimeter_position(int x, int y, int w, int h) {
    return (std::atan2(y - h / 2.0, x - w / 2.0) + 3.14159265358979) / 6.28318530717959;
}

// A four-pointed sparkle in a frame corner.
void sparkle(Image& img, int cx, int cy, Rgb c) {
    for (int d = -2; d <= 2; ++d) {
        img.blend(cx + d, cy, c, 1.0 - std::abs(d) * 0.3);
        img.blend(cx, cy + d, c, 1.0 - std::abs(d) * 0.3);
    }
}
}  // namespace

// Classes come in four bands.
Rarity rarity_of(int card_class) {
    if (card_class >= 15) return Rarity::Prismatic;
    if (card_class >= 10) return Rarity::Gold;
    if (card_class >= 4) return Rarity::Silver;
    return Rarity::Plain;
}

// Top colour of the element gradient.
Rgb element_colour(int element) { return kElementGradient[static_cast<std::size_t>(element % 5)][0]; }

// Vertical gradient, the element's pattern, and a soft vignette toward the corners.
void draw_card_background(Image& img, int element) {
    const auto& g = kElementGradient[static_cast<std::size_t>(element % 5)];
    const double cx = img.width() / 2.0, cy = img.height() / 2.0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            Rgb c = mix(g[0], g[1], y / double(img.height() - 1));
            const double p = pattern(element, x, y);
            if (p > 0) c = mix(c, Rgb{255, 255, 255}, p);
            if (p < 0) c = shade(c, 1.0 + p);
            const double r = std::hypot(x - cx, y - cy) / std::hypot(cx, cy);
            img.set(x, y, shade(c, 1.0 - 0.22 * r * r));
        }
    }
}

// Plain: a thin dark line; silver and gold: bevelled bands; prismatic: a rainbow band with sparkles.
void draw_rarity_frame(Image& img, int card_class) {
    const int w = img.width(), h = img.height();
    switch (rarity_of(card_class)) {
        case Rarity::Plain:
            ring(img, 0, [](int, int, bool) { return Rgb{36, 34, 32}; });
            ring(img, 1, [&](int x, int y, bool) { return shade(img.at(x, y), 1.3); });
            break;
        case Rarity::Silver: {
            const Rgb bands[] = {{70, 72, 84}, {236, 238, 246}, {168, 172, 186}, {52, 54, 64}};
            for (int i = 0; i < 4; ++i)
                ring(img, i, [&](int, int, bool lit) { return shade(bands[i], lit ? 1.08 : 0.8); });
            break;
        }
        case Rarity::Gold: {
            const Rgb bands[] = {{110, 70, 8}, {255, 224, 96}, {206, 150, 30}, {86, 52, 4}};
            for (int i = 0; i < 4; ++i)
                ring(img, i, [&](int, int, bool lit) { return shade(bands[i], lit ? 1.1 : 0.78); });
            for (auto [x, y] : {std::pair{2, 2}, std::pair{w - 3, 2}, std::pair{2, h - 3}, std::pair{w - 3, h - 3}})
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) img.set(x + dx, y + dy, (dx | dy) ? Rgb{255, 246, 190} : Rgb{255, 255, 255});
            break;
        }
        case Rarity::Prismatic: {
            ring(img, 0, [](int, int, bool) { return Rgb{30, 24, 40}; });
            for (int i = 1; i <= 3; ++i)
                ring(img, i, [&](int x, int y, bool) {
                    return hsv(perimeter_position(x, y, w, h) + i * 0.04, 0.55, 1.0);
                });
            ring(img, 4, [](int, int, bool) { return Rgb{255, 255, 255}; });
            for (auto [x, y] : {std::pair{6, 6}, std::pair{w - 7, 6}, std::pair{6, h - 7}, std::pair{w - 7, h - 7}})
                sparkle(img, x, y, Rgb{255, 255, 255});
            break;
        }
    }
}

}  // namespace mediagen
