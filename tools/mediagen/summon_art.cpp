#include "summon_art.h"

#include <cmath>
#include <vector>

#include "card_art.h"
#include "figure_kit.h"

namespace mediagen {

namespace {

// The light of each glow; "black" glows a cold pale grey so its circle still shows at night.
constexpr std::array<Rgb, 10> kGlowLight = {{{255, 86, 64},
                                             {255, 226, 84},
                                             {96, 146, 255},
                                             {96, 238, 236},
                                             {156, 250, 96},
                                             {196, 98, 232},
                                             {156, 150, 178},
                                             {84, 204, 114},
                                             {240, 240, 255},
                                             {255, 104, 222}}};

// The night behind the circle: deep indigo, lit a little by the glow at the middle.
void night(Image& img, Rgb glow) {
    const Rgb dark{14, 10, 34}, lit = mix(Rgb{40, 30, 86}, glow, 0.3);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double d = std::hypot(x - 31.5, y - 40.0) / 44.0;
            img.set(x, y, mix(lit, dark, std::min(1.0, d)));
        }
}

// The summoning circle, seen slanted on the ground: two rings and a six-pointed star.
void circle(Image& img, Rgb glow, Rng& rng) {
    const Vec c{32, 50};
    Mask m(img.width(), img.height());
    const double tilt = 0.34;
    for (const double r : {29.0, 23.0}) {
        std::vector<Vec> ring;
        for (int i = 0; i <= 48; ++i) {
            const double a = i * 2 * kPi / 48;
            ring.push_back({c.x + r * std::cos(a), c.y + r * tilt * std::sin(a)});
        }
        m.polyline(ring, 0.7);
    }
    const double turn = rng.real(0, kPi / 3);
    for (int t = 0; t < 2; ++t) {
        std::vector<Vec> tri;
        for (int i = 0; i <= 3; ++i) {
            const double a = turn + t * kPi / 3 + i * 2 * kPi / 3;
            tri.push_back({c.x + 23 * std::cos(a), c.y + 23 * tilt * std::sin(a)});
        }
        m.polyline(tri, 0.55);
    }
    paint(img, m, glow, 0.9);
}

// Sparks rising from the circle.
void sparks(Image& img, Rgb glow, Rng& rng) {
    for (int i = 0; i < 14; ++i) {
        const int x = rng.range(3, 60), y = rng.range(4, 56);
        img.blend(x, y, mix(glow, Rgb{255, 255, 255}, 0.5), rng.real(0.5, 0.9));
    }
}

// A one-pixel rim in the glow, so a being never passes for a card.
void rim(Image& img, Rgb glow) {
    const int w = img.width(), h = img.height();
    for (int i = 0; i < w; ++i) {
        img.set(i, 0, glow);
        img.set(i, h - 1, glow);
        img.set(0, i, glow);
        img.set(w - 1, i, glow);
    }
}
}  // namespace

int summon_index(const std::array<std::string_view, 10>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

// Night, circle, the being standing in it in colours of its glow, sparks, rim.
Image summon_picture(std::string_view name, int figure, int glow) {
    Image img(kCardSize, kCardSize);
    const Rgb light = kGlowLight[static_cast<std::size_t>(glow % 10)];
    Rng rng(hash_name(name));
    night(img, light);
    circle(img, light, rng);
    const Rgb body = mix(light, Rgb{255, 255, 255}, 0.45);
    FigureKit kit{img, rng, static_cast<int>(hash_name(name) % 5), body, Rgb{20, 12, 34}, light};
    kFigureFamilies[static_cast<std::size_t>(figure % 10)](kit);
    sparks(img, light, rng);
    rim(img, light);
    return img;
}

// The being, then a gold frame one pixel in from its rim.
Image reshape_picture(std::string_view name, int figure, int glow) {
    Image img = summon_picture(name, figure, glow);
    const Rgb gold{236, 196, 72};
    const int w = img.width(), h = img.height();
    for (int i = 1; i < w - 1; ++i) {
        img.set(i, 1, gold);
        img.set(i, h - 2, gold);
        img.set(1, i, gold);
        img.set(w - 2, i, gold);
    }
    return img;
}

}  // namespace mediagen
