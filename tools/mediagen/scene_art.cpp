// The four hand-designed bitmaps: the grave of a dead card, the two fusion beings and the car.
#include <cmath>

#include "card_art.h"
#include "card_frame.h"
#include "mask.h"

namespace mediagen {

namespace {
constexpr double kPi = 3.14159265358979323846;

// Vertical two-colour gradient over the whole picture.
void sky(Image& img, Rgb top, Rgb bottom) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.set(x, y, mix(top, bottom, y / double(img.height() - 1)));
}

// Outline then fill, the way the card figures are painted.
void solid(Image& img, const Mask& m, Rgb fill, Rgb rim) {
    paint_outline(img, m, rim);
    paint(img, m, fill);
}
}  // namespace

// Rounded headstone with a carved cross, on a grass mound under a dusk sky.
Image grave_picture() {
    Image img(kCardSize, kCardSize);
    sky(img, {72, 78, 96}, {128, 120, 120});
    Mask mound(kCardSize, kCardSize);
    mound.ellipse({32, 62}, 34, 12);
    solid(img, mound, {58, 92, 52}, {28, 44, 24});
    Mask stone(kCardSize, kCardSize);
    stone.circle({32, 24}, 13);
    stone.rect(19, 24, 45, 54);
    stone.rect(27.5, 15, 36.5, 18.5, Pen::Cut);
    stone.rect(30.2, 10, 33.8, 33, Pen::Cut);
    stone.rect(25, 37, 39, 38.5, Pen::Cut);
    stone.rect(23, 42, 41, 43.5, Pen::Cut);
    paint_outline(img, stone, {30, 30, 36});
    paint(img, stone, [](int x, int) { return shade(Rgb{170, 170, 176}, 1.15 - 0.012 * (x - 19)); });
    Mask flowers(kCardSize, kCardSize);
    flowers.circle({14, 53}, 2.2);
    flowers.circle({50, 55}, 2.0);
    flowers.circle({46, 52}, 1.6);
    paint(img, flowers, Rgb{236, 226, 120});
    draw_rarity_frame(img, 0);
    return img;
}

// A winged figure with a halo and sunburst on light gold, in the prismatic frame.
Image god_picture() {
    Image img(kCardSize, kCardSize);
    draw_card_background(img, 1);
    Mask rays(kCardSize, kCardSize);
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        rays.polygon({polar({32, 26}, 6, a - 0.08), polar({32, 26}, 40, a), polar({32, 26}, 6, a + 0.08)});
    }
    paint(img, rays, Rgb{255, 255, 230}, 0.55);
    Mask being(kCardSize, kCardSize);
    for (int f = 0; f < 4; ++f) {
        being.polygon({{27, 30}, {6 + f * 2.0, 16 + f * 7.0}, {27, 38}});
        being.polygon({{37, 30}, {58 - f * 2.0, 16 + f * 7.0}, {37, 38}});
    }
    being.circle({32, 20}, 5.5);
    being.polygon({{26, 28}, {38, 28}, {44, 58}, {20, 58}});
    being.ring({32, 11}, 6.5, 5);
    solid(img, being, {255, 252, 240}, {150, 100, 20});
    Mask jewel(kCardSize, kCardSize);
    jewel.polygon({{32, 34}, {35, 38}, {32, 42}, {29, 38}});
    paint(img, jewel, Rgb{70, 130, 230});
    draw_rarity_frame(img, 19);
    return img;
}

// A horned, cloaked figure with burning eyes against dark violet and embers.
Image hades_picture() {
    Image img(kCardSize, kCardSize);
    draw_card_background(img, 2);
    Mask glow(kCardSize, kCardSize);
    glow.circle({32, 30}, 24);
    paint(img, glow, Rgb{170, 40, 40}, 0.35);
    Mask being(kCardSize, kCardSize);
    being.circle({32, 22}, 7);
    being.polyline({{27, 17}, {20, 10}, {22, 3}}, 2.0);
    being.polyline({{37, 17}, {44, 10}, {42, 3}}, 2.0);
    being.polygon({{24, 28}, {40, 28}, {54, 58}, {44, 52}, {38, 58}, {32, 52}, {26, 58}, {20, 52}, {10, 58}});
    being.capsule({42, 32}, {50, 44}, 2);
    being.capsule({50, 44}, {50, 8}, 1.2);
    being.polygon({{46, 8}, {54, 8}, {50, 2}});
    solid(img, being, {28, 16, 34}, {200, 60, 50});
    Mask eyes(kCardSize, kCardSize);
    eyes.ellipse({29.5, 22}, 1.8, 1.0, 0.4);
    eyes.ellipse({34.5, 22}, 1.8, 1.0, -0.4);
    paint(img, eyes, Rgb{255, 120, 40});
    draw_rarity_frame(img, 19);
    return img;
}

// A small red car in profile on a grey road, under a blue sky.
Image car_picture() {
    Image img(kCardSize, kCardSize);
    sky(img, {130, 190, 240}, {220, 236, 250});
    Mask road(kCardSize, kCardSize);
    road.rect(0, 46, 64, 64);
    paint(img, road, Rgb{96, 96, 100});
    Mask lines(kCardSize, kCardSize);
    for (int x = 2; x < 64; x += 14) lines.rect(x, 55, x + 7, 56.5);
    paint(img, lines, Rgb{240, 236, 200});
    Mask body(kCardSize, kCardSize);
    body.polygon({{6, 44}, {6, 35}, {16, 33}, {23, 24}, {42, 24}, {50, 33}, {58, 35}, {58, 44}});
    body.polygon({{25, 32}, {27, 27}, {31, 27}, {31, 32}}, Pen::Cut);
    body.polygon({{34, 32}, {34, 27}, {40, 27}, {45, 32}}, Pen::Cut);
    solid(img, body, {214, 40, 36}, {60, 10, 10});
    Mask glass(kCardSize, kCardSize);
    glass.polygon({{25, 32}, {27, 27}, {31, 27}, {31, 32}});
    glass.polygon({{34, 32}, {34, 27}, {40, 27}, {45, 32}});
    paint(img, glass, Rgb{190, 226, 246});
    Mask wheels(kCardSize, kCardSize);
    for (double x : {17.0, 47.0}) wheels.circle({x, 45}, 6.5);
    solid(img, wheels, {30, 30, 34}, {10, 10, 10});
    Mask hubs(kCardSize, kCardSize);
    for (double x : {17.0, 47.0}) hubs.circle({x, 45}, 2.6);
    hubs.rect(55, 37, 58, 40);
    paint(img, hubs, Rgb{220, 220, 210});
    draw_rarity_frame(img, 0);
    return img;
}

}  // namespace mediagen
