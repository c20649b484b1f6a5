#include "card_figure.h"

#include <algorithm>
#include <array>
#include <vector>

#include "figure_kit.h"

namespace mediagen {

namespace {

// How likely each family is per element, so the pictures fit the element's world
// (folk and tools, saints and birds, ghosts and curses, dragons and flames, fish and sailors).
constexpr std::array<std::array<int, 10>, 5> kFamilyWeights = {{
    //  sigil rune beast ghost fish serpent person tower crystal flame
    {{10, 15, 20, 0, 0, 0, 30, 25, 0, 0}},
    {{25, 5, 25, 0, 0, 0, 25, 5, 15, 0}},
    {{20, 20, 10, 30, 0, 5, 10, 5, 0, 0}},
    {{10, 5, 20, 0, 0, 25, 15, 0, 5, 20}},
    {{10, 5, 5, 0, 35, 15, 15, 0, 15, 0}},
}};

// Body colours per element, each readable on that element's background.
constexpr std::array<std::array<Rgb, 4>, 5> kBodies = {{
    {{{64, 56, 50}, {52, 66, 90}, {244, 240, 230}, {128, 86, 50}}},
    {{{255, 252, 240}, {206, 120, 28}, {150, 88, 26}, {236, 108, 88}}},
    {{{210, 190, 248}, {150, 238, 200}, {238, 238, 248}, {248, 130, 208}}},
    {{{255, 226, 96}, {255, 246, 222}, {255, 156, 40}, {46, 20, 14}}},
    {{{226, 250, 255}, {120, 238, 222}, {255, 236, 160}, {14, 28, 70}}},
}};
constexpr std::array<Rgb, 5> kAccents = {{{214, 52, 36}, {52, 112, 220}, {255, 214, 64}, {255, 250, 200}, {255, 104, 78}}};

// Perceived brightness 0..255.
double luminance(Rgb c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; }

// Picks a family by the element's weights.
FigureFamily pick_family(int element, Rng& rng) {
    const auto& weights = kFamilyWeights[static_cast<std::size_t>(element)];
    int total = 0;
    for (int w : weights) total += w;
    int roll = rng.below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (roll < weights[i]) return kFigureFamilies[i];
        roll -= weights[i];
    }
    return kFigureFamilies[0];
}
}  // namespace

// The rim goes dark around light bodies and light around dark ones.
void FigureKit::paint_body(const Mask& m) const {
    paint_outline(img, m, outline);
    paint(img, m, [this](int, int y) { return shade(body, 1.16 - 0.34 * y / double(img.height())); });
}

// Flat accent colour.
void FigureKit::paint_accent(const Mask& m) const { paint(img, m, accent); }

// Seeds the dice with the card number, picks colours and a family, and lets it draw.
void draw_card_figure(Image& img, int card) {
    const int element = card % 5;
    Rng rng(static_cast<std::uint64_t>(card) * 7919ULL + 17ULL);
    const Rgb body = kBodies[static_cast<std::size_t>(element)][static_cast<std::size_t>(rng.below(4))];
    const Rgb outline = luminance(body) > 110 ? Rgb{24, 16, 20} : Rgb{236, 232, 216};
    FigureKit kit{img, rng, element, body, outline, kAccents[static_cast<std::size_t>(element)]};
    pick_family(element, rng)(kit);
}

// Sigil: k-fold radial emblem of rings, stars, petals, spokes and orbiting dots.
void draw_sigil(FigureKit& kit) {
    Rng& r = kit.rng;
    const Vec c{32, 33};
    const int k = r.range(3, 8);
    const double turn = r.chance(0.5) ? -kPi / 2 : r.real(0, 2 * kPi / k);
    const double big = r.real(17, 23);
    Mask m = kit.blank();
    const bool ringed = r.chance(0.55);
    if (ringed) m.ring(c, big, big - r.real(2.0, 3.5));
    const double core = big * (ringed ? r.real(0.55, 0.85) : r.real(0.85, 1.0));
    switch (r.below(4)) {
        case 0: {  // star polygon
            std::vector<Vec> pts;
            const double inner = core * r.real(0.35, 0.6);
            for (int i = 0; i < 2 * k; ++i) pts.push_back(polar(c, i % 2 ? inner : core, turn + i * kPi / k));
            m.polygon(pts);
            break;
        }
        case 1:  // petals
            for (int i = 0; i < k; ++i)
                m.ellipse(polar(c, core * 0.55, turn + i * 2 * kPi / k), core * 0.5, core * r.real(0.16, 0.3),
                          turn + i * 2 * kPi / k);
            break;
        case 2: {  // spokes with knobs
            const double width = r.real(1.4, 2.6);
            for (int i = 0; i < k; ++i) {
                const Vec tip = polar(c, core, turn + i * 2 * kPi / k);
                m.capsule(polar(c, core * 0.2, turn + i * 2 * kPi / k), tip, width);
                m.circle(tip, width * 1.6);
            }
            break;
        }
        default: {  // regular polygon
            std::vector<Vec> pts;
            for (int i = 0; i < k; ++i) pts.push_back(polar(c, core, turn + i * 2 * kPi / k));
            m.polygon(pts);
            break;
        }
    }
    if (r.chance(0.6)) {  // satellites between the arms
        const double orbit = big * r.real(0.75, 0.95), size = r.real(1.5, 3.0);
        for (int i = 0; i < k; ++i) m.circle(polar(c, orbit, turn + (i + 0.5) * 2 * kPi / k), size);
    }
    if (!ringed) {  // an inner star or polygon carved out, turned half a step
        std::vector<Vec> pts;
        const double outer = core * r.real(0.45, 0.6), inner = outer * (r.chance(0.5) ? 0.5 : 1.0);
        for (int i = 0; i < 2 * k; ++i) pts.push_back(polar(c, i % 2 ? inner : outer, turn + kPi / k + i * kPi / k));
        m.polygon(pts, Pen::Cut);
        m.ring(c, outer * 0.45, outer * 0.3);
    }
    const double hole = core * r.real(0.2, 0.4);
    m.circle(c, hole, Pen::Cut);
    if (r.chance(0.7)) m.circle(c, hole * 0.55);
    kit.paint_body(m);
    Mask eye = kit.blank();
    eye.circle(c, hole * r.real(0.3, 0.5));
    kit.paint_accent(eye);
}

// Rune: thick strokes walked over a lattice and mirrored, sometimes inside a ring or diamond.
void draw_rune(FigureKit& kit) {
    Rng& r = kit.rng;
    const double xs[] = {17, 24.5, 32}, ys[] = {13, 21, 29, 37, 45, 53};
    int col = r.below(3), row = r.below(6);
    const double width = r.real(1.8, 2.8);
    Mask m = kit.blank();
    const int strokes = r.range(5, 9);
    for (int s = 0; s < strokes; ++s) {
        int nc = col, nr = row;
        while (nc == col && nr == row) {
            nc = std::clamp(col + r.range(-1, 1), 0, 2);
            nr = std::clamp(row + r.range(-2, 2), 0, 5);
        }
        m.capsule({xs[col], ys[row]}, {xs[nc], ys[nr]}, width);
        if (r.chance(0.2)) {  // lift the pen and start elsewhere
            nc = r.below(3);
            nr = r.below(6);
        }
        col = nc;
        row = nr;
    }
    if (r.chance(0.5)) m.circle({xs[r.below(2)], ys[r.below(6)]}, width * 1.4);
    m.mirror_x(32);
    switch (r.below(3)) {
        case 0: m.ring({32, 33}, 27, 25.6); break;
        case 1: m.polyline({{32, 7}, {57, 33}, {32, 59}, {7, 33}, {32, 7}}, 0.8); break;
        default: break;
    }
    kit.paint_body(m);
}

}  // namespace mediagen
