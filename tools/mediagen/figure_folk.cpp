// Figures of people and things for the cards: wanderers and saints, towers, crystals, flames.
#include <algorithm>
#include <cmath>
#include <vector>

#include "figure_kit.h"

namespace mediagen {

namespace {
// The thing a person holds at their side.
void held_item(Mask& m, Mask& accent, Rng& r, Vec hand) {
    switch (r.below(6)) {
        case 0:  // sword
            m.capsule({hand.x, hand.y + 3}, {hand.x, hand.y - 20}, 1.1);
            m.capsule({hand.x - 4, hand.y - 1}, {hand.x + 4, hand.y - 1}, 1.0);
            break;
        case 1:  // staff with an orb
            m.capsule({hand.x, hand.y + 12}, {hand.x, hand.y - 16}, 1.0);
            accent.circle({hand.x, hand.y - 19}, 3.2);
            m.ring({hand.x, hand.y - 19}, 4.2, 3.0);
            break;
        case 2:  // round shield
            m.circle({hand.x, hand.y + 1}, 6.5);
            accent.circle({hand.x, hand.y + 1}, 2.2);
            break;
        case 3:  // lantern
            m.capsule({hand.x, hand.y}, {hand.x, hand.y + 4}, 0.6);
            m.rect(hand.x - 3, hand.y + 4, hand.x + 3, hand.y + 12);
            accent.rect(hand.x - 1.8, hand.y + 5.5, hand.x + 1.8, hand.y + 10.5);
            break;
        case 4:  // spear
            m.capsule({hand.x, hand.y + 14}, {hand.x, hand.y - 18}, 0.8);
            m.polygon({{hand.x - 3, hand.y - 17}, {hand.x + 3, hand.y - 17}, {hand.x, hand.y - 25}});
            break;
        default:  // hammer
            m.capsule({hand.x, hand.y + 8}, {hand.x, hand.y - 12}, 1.0);
            m.rect(hand.x - 5, hand.y - 17, hand.x + 5, hand.y - 11);
            break;
    }
}

// A pointed teardrop standing on its round end: one tongue of flame.
void tongue(Mask& m, Vec base, double radius, double height, double sway, Pen pen = Pen::Add) {
    m.circle(base, radius, pen);
    m.polygon({{base.x - radius, base.y}, {base.x + radius, base.y},
               {base.x + radius * 0.4 + sway * 0.5, base.y - height * 0.55},
               {base.x + sway, base.y - height},
               {base.x - radius * 0.5 + sway * 0.4, base.y - height * 0.5}}, pen);
}
}  // namespace

// Person: head, robe or tunic, arms, headgear and something held in one hand.
void draw_person(FigureKit& kit) {
    Rng& r = kit.rng;
    const double head_y = r.real(17, 22), head_r = r.real(5, 6.5);
    const double shoulder = r.real(6, 9), hem = r.real(8, 16), neck = head_y + head_r + 1.5;
    Mask m = kit.blank(), accent = kit.blank();
    m.circle({32, head_y}, head_r);
    m.polygon({{32 - shoulder, neck + 1}, {32 + shoulder, neck + 1}, {32 + hem, 57}, {32 - hem, 57}});
    m.circle({32 - shoulder + 1, neck + 2}, 2.5);
    m.circle({32 + shoulder - 1, neck + 2}, 2.5);
    const Vec hand{32 + shoulder + 5, neck + r.real(8, 13)};
    m.capsule({32 + shoulder - 1, neck + 2}, hand, 2.0);
    const bool both = r.chance(0.5);
    m.capsule({32 - shoulder + 1, neck + 2}, {32 - shoulder - (both ? 5 : 2), neck + (both ? 3.0 : 14.0)}, 2.0);
    switch (r.below(7)) {
        case 0:  // pointed wizard hat
            m.polygon({{32 - head_r - 1, head_y - head_r * 0.4}, {32 + head_r + 1, head_y - head_r * 0.4},
                       {32 + r.real(-7, 7), head_y - head_r - r.real(10, 15)}});
            m.ellipse({32, head_y - head_r * 0.4}, head_r + 4, 1.8);
            break;
        case 1:  // crown
            m.polygon({{32 - 5, head_y - head_r + 2}, {32 - 6, head_y - head_r - 5}, {32 - 2, head_y - head_r - 1},
                       {32, head_y - head_r - 6}, {32 + 2, head_y - head_r - 1}, {32 + 6, head_y - head_r - 5},
                       {32 + 5, head_y - head_r + 2}});
            accent.circle({32, head_y - head_r - 2}, 1.2);
            break;
        case 2:  // helmet with a crest
            m.ellipse({32, head_y - 1}, head_r + 1.5, head_r + 0.5);
            m.capsule({32, head_y - head_r - 1}, {32 + 6, head_y - head_r - 6}, 1.6);
            m.rect(32 - head_r, head_y - 0.5, 32 + head_r, head_y + 0.8, Pen::Cut);
            break;
        case 3:  // hood
            m.circle({32, head_y - 0.5}, head_r + 2.5);
            m.polygon({{32 - 4, head_y - head_r - 1}, {32 + 4, head_y - head_r - 1}, {32 + 2, head_y - head_r - 7}});
            break;
        case 4:  // halo
            m.ring({32, head_y - head_r - 3}, 6, 4.6);
            break;
        case 5:  // wide brim hat
            m.ellipse({32, head_y - head_r * 0.5}, head_r + 6, 2.2);
            m.rect(32 - head_r * 0.8, head_y - head_r - 4, 32 + head_r * 0.8, head_y - head_r * 0.5);
            break;
        default:  // topknot
            m.circle({32, head_y - head_r - 2}, 2.6);
            break;
    }
    if (r.chance(0.6)) accent.rect(32 - shoulder * 0.9, neck + 9, 32 + shoulder * 0.9, neck + 10.5);  // belt
    held_item(m, accent, r, hand);
    m.circle({32 - head_r * 0.38, head_y + 0.5}, 0.9, Pen::Cut);
    m.circle({32 + head_r * 0.38, head_y + 0.5}, 0.9, Pen::Cut);
    kit.paint_body(m);
    kit.paint_accent(accent);
}

// Towers: one to three spires with cone, dome or battlement tops and lit windows.
void draw_tower(FigureKit& kit) {
    Rng& r = kit.rng;
    const int count = r.range(1, 3);
    Mask m = kit.blank(), lights = kit.blank();
    for (int i = 0; i < count; ++i) {
        const double cx = count == 1 ? 32 : (count == 2 ? 24 + 16 * i : 17 + 15 * i);
        const double half = count == 1 ? r.real(6, 9) : r.real(4, 6);
        const double top = (i == count / 2) ? r.real(16, 22) : r.real(24, 34);
        m.rect(cx - half, top, cx + half, 57);
        switch (r.below(3)) {
            case 0: m.polygon({{cx - half - 2, top + 0.5}, {cx + half + 2, top + 0.5}, {cx, top - r.real(8, 13)}}); break;
            case 1: m.circle({cx, top}, half); break;
            default:
                for (int b = 0; b < 3; ++b) m.rect(cx - half + b * half * 0.8, top - 3, cx - half + b * half * 0.8 + half * 0.4, top);
                break;
        }
        for (double y = top + 5; y < 50; y += r.real(7, 10)) lights.rect(cx - 1.3, y, cx + 1.3, y + 3);
    }
    if (r.chance(0.5)) m.rect(12, 52, 52, 57);  // wall
    m.polygon({{28.5, 57}, {35.5, 57}, {35.5, 51}, {32, 48}, {28.5, 51}}, Pen::Cut);  // gate
    kit.paint_body(m);
    kit.paint_accent(lights);
}

// Crystal cluster: leaning hexagonal prisms with a cut facet line each.
void draw_crystal(FigureKit& kit) {
    Rng& r = kit.rng;
    const int count = r.range(3, 5);
    Mask m = kit.blank(), glints = kit.blank();
    for (int i = 0; i < count; ++i) {
        const double offset = (i - (count - 1) / 2.0);
        const double lean = offset * r.real(0.15, 0.3), width = r.real(3.5, 6);
        const double length = (i == count / 2 ? r.real(34, 42) : r.real(16, 30));
        const Vec base{32 + offset * 6.5, 55};
        const Vec up{std::sin(lean), -std::cos(lean)}, side{std::cos(lean), std::sin(lean)};
        auto p = [&](double along, double across) {
            return Vec{base.x + up.x * along + side.x * across, base.y + up.y * along + side.y * across};
        };
        m.polygon({p(0, -width), p(length - width * 1.6, -width), p(length, 0), p(length - width * 1.6, width), p(0, width)});
        m.capsule(p(2, width * 0.3), p(length - width * 1.8, width * 0.3), 0.45, Pen::Cut);
        glints.circle(p(length - width * 2.2, -width * 0.4), 0.9);
    }
    m.ellipse({32, 56}, 18, 3.2);
    kit.paint_body(m);
    kit.paint_accent(glints);
}

// Flame: several tongues of fire with a brighter heart.
void draw_flame(FigureKit& kit) {
    Rng& r = kit.rng;
    const int count = r.range(2, 4);
    Mask m = kit.blank(), heart = kit.blank();
    for (int i = 0; i < count; ++i) {
        const double offset = i - (count - 1) / 2.0;
        const double radius = r.real(6, 9) - std::abs(offset) * 1.5;
        const double height = r.real(26, 40) - std::abs(offset) * 8;
        tongue(m, {32 + offset * 8, 48}, radius, height, r.real(-7, 7));
    }
    tongue(heart, {32, 50}, r.real(4, 5.5), r.real(16, 24), r.real(-4, 4));
    if (r.chance(0.5)) m.ellipse({32, 55}, 15, 2.5);  // embers at the foot
    kit.paint_body(m);
    kit.paint_accent(heart);
}

}  // namespace mediagen
