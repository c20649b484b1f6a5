#include "title_art.h"

#include <cmath>

#include "glyphs.h"
#include "mask.h"

namespace mediagen {

namespace {
constexpr double kTau = 6.28318530717959;
constexpr Vec kSeal{294, 60};
constexpr double kSealRadius = 37;

// Night sky turning to dawn near the bottom, with stars that twinkle by phase.
void draw_sky(Image& img, int phase) {
    for (int y = 0; y < img.height(); ++y) {
        const double t = y / double(img.height() - 1);
        const Rgb c = t < 0.6 ? mix({14, 18, 54}, {64, 38, 98}, t / 0.6) : mix({64, 38, 98}, {206, 112, 82}, (t - 0.6) / 0.4);
        for (int x = 0; x < img.width(); ++x) img.set(x, y, c);
    }
    for (int i = 0; i < 60; ++i) {
        const unsigned h = (static_cast<unsigned>(i) * 2654435761u) ^ 0x5bd1e995u;
        const int x = static_cast<int>(h % 344u), y = static_cast<int>((h >> 9) % 80u);
        const double twinkle = 0.55 + 0.45 * std::sin(i * 1.7 + phase * kTau / kTitleFrames);
        img.blend(x, y, {255, 250, 230}, twinkle);
        if (i % 7 == 0) {
            for (int d : {-1, 1}) {
                img.blend(x + d, y, {255, 250, 230}, twinkle * 0.5);
                img.blend(x, y + d, {255, 250, 230}, twinkle * 0.5);
            }
        }
    }
    Mask clouds(img.width(), img.height());
    for (int i = 0; i < 7; ++i) clouds.ellipse({20.0 + i * 52 + phase * 1.5, 112.0 - (i % 3) * 4}, 34, 9);
    paint(img, clouds, Rgb{46, 28, 70}, 0.8);
}

// A soft halo behind the seal that breathes with the phase.
void draw_halo(Image& img, int phase) {
    const double strength = 0.35 + 0.12 * std::sin(phase * kTau / kTitleFrames);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 200; x < img.width(); ++x) {
            const double d = std::hypot(x - kSeal.x, y - kSeal.y) / (kSealRadius * 1.5);
            if (d < 1) img.blend(x, y, {255, 190, 120}, strength * (1 - d) * (1 - d));
        }
}

// The word KESTRA in gold, with shadow, dark rim and a glint band moving by phase.
void draw_word(Image& img, int phase) {
    const Vec origin{14, 38};
    const double scale = 7.5, radius = 3.3, spacing = 10;
    Mask shadow(img.width(), img.height()), rim(img.width(), img.height()), face(img.width(), img.height());
    stroke_text(shadow, U"KESTRA", {origin.x + 3, origin.y + 4}, scale, radius + 1.5, spacing);
    stroke_text(rim, U"KESTRA", origin, scale, radius + 1.8, spacing);
    stroke_text(face, U"KESTRA", origin, scale, radius, spacing);
    paint(img, shadow, Rgb{8, 6, 20}, 0.6);
    paint(img, rim, Rgb{52, 26, 10});
    const double glint = 40 + phase * 80;
    paint(img, face, [&](int x, int y) {
        Rgb c = mix({255, 240, 160}, {212, 136, 28}, (y - origin.y) / (6 * scale));
        const double band = std::abs(x + 0.6 * y - glint - 30);
        if (band < 12) c = mix(c, {255, 255, 245}, 0.6 * (1 - band / 12));
        return c;
    });
    Mask rule(img.width(), img.height());
    rule.capsule({18, 96}, {236, 96}, 0.9);
    rule.polygon({{127, 91}, {132, 96}, {127, 101}, {122, 96}});
    paint(img, rule, Rgb{236, 190, 90});
}

// 天 carved in cream on a vermilion seal with a gold ring.
void draw_seal(Image& img) {
    Mask disc(img.width(), img.height()), ring(img.width(), img.height()), mark(img.width(), img.height());
    disc.circle(kSeal, kSealRadius);
    ring.ring(kSeal, kSealRadius, kSealRadius - 3);
    ring.ring(kSeal, kSealRadius - 5, kSealRadius - 6);
    const double scale = 8.2;
    stroke_text(mark, U"天", {kSeal.x - 3 * scale, kSeal.y - 3 * scale}, scale, 3.0, 0);
    paint_outline(img, disc, {40, 8, 6});
    paint(img, disc, [](int, int y) { return mix({226, 60, 40}, {150, 20, 18}, (y - 23) / 74.0); });
    paint(img, ring, Rgb{250, 206, 96});
    paint_outline(img, mark, {110, 14, 10});
    paint(img, mark, Rgb{255, 246, 222});
}
}  // namespace

// Layers: sky, halo, word, seal. Only stars, clouds, halo and glint change between phases.
Image title_frame(int phase) {
    Image img(kTitleWidth, kTitleHeight);
    draw_sky(img, phase);
    draw_halo(img, phase);
    draw_word(img, phase);
    draw_seal(img);
    return img;
}

}  // namespace mediagen
