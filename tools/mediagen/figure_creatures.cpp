// Creature silhouettes for the cards: beasts and birds, ghosts, fish, serpents and dragons.
#include <cmath>
#include <vector>

#include "figure_kit.h"

namespace mediagen {

namespace {
// Mirrors a point across the card's vertical centre line.
Vec flip(Vec p) { return {64.0 - p.x, p.y}; }

// Two eyes at (32 ± spread, y): holes in the body, then accent pupils.
void eyes(FigureKit& kit, Mask& body, double spread, double y, double size, bool slanted) {
    Mask pupils = kit.blank();
    for (double side : {-1.0, 1.0}) {
        const Vec at{32 + side * spread, y};
        body.ellipse(at, size, size * (slanted ? 0.6 : 1.1), slanted ? side * 0.5 : 0.0, Pen::Cut);
        pupils.circle(at, size * 0.55);
    }
    kit.paint_body(body);
    kit.paint_accent(pupils);
}
}  // namespace

// Beast or bird seen from the front: body, head, ears or horns, wings, legs and a face.
void draw_beast(FigureKit& kit) {
    Rng& r = kit.rng;
    const bool bird = kit.element == 1 && r.chance(0.7);
    const double body_rx = r.real(8, 13), body_ry = r.real(8, 12), body_y = r.real(41, 45);
    const double head_r = r.real(6.5, 9.5), head_y = body_y - body_ry - head_r * r.real(0.2, 0.6);
    Mask m = kit.blank();
    m.ellipse({32, body_y}, body_rx, body_ry);
    m.circle({32, head_y}, head_r);
    if (bird || r.chance(0.3)) {  // wings: a fan of three feathers each side
        const double span = r.real(12, 19), lift = r.real(-6, 8);
        for (int f = 0; f < 3; ++f) {
            const Vec root{32 - body_rx * 0.6, body_y - body_ry * 0.3};
            const Vec tip{32 - body_rx - span + f * 3.5, body_y - lift - 6 + f * 7};
            m.polygon({root, tip, {root.x, root.y + 9 - f}});
            m.polygon({flip(root), flip(tip), flip({root.x, root.y + 9 - f})});
        }
    }
    const int top = bird ? 4 : r.below(5);
    for (double side : {-1.0, 1.0}) {
        const Vec base{32 + side * head_r * 0.55, head_y - head_r * 0.6};
        switch (top) {
            case 0: m.polygon({{base.x - 3.5, base.y + 2}, {base.x + 3.5, base.y + 2},
                               {base.x + side * 3, base.y - r.real(7, 10)}}); break;  // pointed ears
            case 1: m.circle({base.x + side * 1.5, base.y - 1}, head_r * 0.42); break;  // round ears
            case 2: m.ellipse({base.x + side * 1, base.y - 7}, 2.4, 7.5, side * 0.2); break;  // long ears
            case 3: m.polyline({base, {base.x + side * 5, base.y - 6}, {base.x + side * 4, base.y - 12}},
                               1.6); break;  // horns
            default: m.polygon({{32 - 2, head_y - head_r + 1}, {32 + 2, head_y - head_r + 1},
                                {32 + side * 4, head_y - head_r - 6}}); break;  // crest
        }
    }
    const int legs = bird ? 2 : (r.chance(0.5) ? 2 : 4);
    for (int i = 0; i < legs; ++i) {
        const double x = legs == 2 ? (i ? 37.0 : 27.0) : 22.0 + i * 6.7;
        m.capsule({x, body_y + body_ry * 0.5}, {x, std::min(58.0, body_y + body_ry + 4)}, bird ? 1.2 : 2.4);
    }
    if (r.chance(0.4)) m.ellipse({32, body_y + 1}, body_rx * 0.45, body_ry * 0.55, 0, Pen::Cut);  // belly mark
    eyes(kit, m, head_r * 0.42, head_y - 0.5, head_r * 0.2, kit.element == 2 || kit.element == 3);
    Mask snout = kit.blank();
    if (bird)
        snout.polygon({{29.5, head_y + 2}, {34.5, head_y + 2}, {32, head_y + 7}});
    else
        snout.ellipse({32, head_y + head_r * 0.45}, head_r * 0.22, head_r * 0.16);
    kit.paint_accent(snout);
}

// Ghost: a dome with a scalloped hem, hollow eyes, waving arms, sometimes a crown or horns.
void draw_ghost(FigureKit& kit) {
    Rng& r = kit.rng;
    const double w = r.real(10, 15), top = r.real(10, 17), hem = r.real(48, 55), lean = r.real(-4, 4);
    Mask m = kit.blank();
    m.circle({32 + lean * 0.5, top + w}, w);
    m.polygon({{32 + lean * 0.5 - w, top + w}, {32 + lean * 0.5 + w, top + w}, {32 + lean + w, hem}, {32 + lean - w, hem}});
    const int scallops = r.range(3, 5);
    for (int i = 0; i < scallops; ++i) {
        const double x = 32 + lean - w + (2 * w) * (i + 0.5) / scallops;
        m.circle({x, hem + 0.8}, w / scallops * 0.95, Pen::Cut);
    }
    const double arm_y = top + w * 1.8;
    m.polyline({{32 - w + 1, arm_y}, {32 - w - 6, arm_y + r.real(-9, 4)}}, 2.2);
    m.polyline({{32 + w - 1, arm_y}, {32 + w + 6, arm_y + r.real(-9, 4)}}, 2.2);
    switch (r.below(4)) {
        case 0: m.polygon({{32 - 6, top + 2}, {32 - 5, top - 5}, {32 - 2, top}, {32, top - 6},
                           {32 + 2, top}, {32 + 5, top - 5}, {32 + 6, top + 2}}); break;  // crown
        case 1:
            m.polyline({{32 - w * 0.6, top + 3}, {32 - w * 0.8, top - 4}, {32 - w * 0.4, top - 8}}, 1.5);
            m.polyline({{32 + w * 0.6, top + 3}, {32 + w * 0.8, top - 4}, {32 + w * 0.4, top - 8}}, 1.5);
            break;  // horns
        case 2: m.capsule({32, top}, {32 + r.real(-6, 6), top - 6}, 1.6); break;  // wisp
        default: break;
    }
    Mask mouth = kit.blank();
    if (r.chance(0.5)) m.ellipse({32 + lean * 0.3, top + w * 1.45}, w * 0.22, w * 0.3, 0, Pen::Cut);
    else mouth.polyline({{32 - 4, top + w * 1.5}, {32 - 2, top + w * 1.4}, {32, top + w * 1.55},
                         {32 + 2, top + w * 1.4}, {32 + 4, top + w * 1.5}}, 0.7);
    eyes(kit, m, w * 0.38, top + w * 0.9, w * 0.16, r.chance(0.5));
    kit.paint_accent(mouth);
}

// Fish seen from the side: body, forked tail, fins, eye and stripes; faces either way.
void draw_fish(FigureKit& kit) {
    Rng& r = kit.rng;
    const bool right = r.chance(0.5);
    auto at = [right](double x, double y) { return right ? Vec{64 - x, y} : Vec{x, y}; };
    const double rx = r.real(13, 18), ry = r.real(7, 13), cx = r.real(28, 31), cy = r.real(30, 35);
    const double back = cx + rx - 2, fork = r.real(6, 11), tail = r.real(8, 13);
    Mask m = kit.blank();
    m.ellipse(at(cx, cy), rx, ry);
    m.polygon({at(back, cy), at(back + tail, cy - fork), at(back + tail * 0.7, cy), at(back + tail, cy + fork)});
    m.polygon({at(cx - rx * 0.3, cy - ry + 1), at(cx + rx * 0.1, cy - ry - r.real(5, 9)), at(cx + rx * 0.5, cy - ry + 2)});
    m.polygon({at(cx, cy + ry - 1), at(cx + 4, cy + ry + r.real(3, 6)), at(cx + 7, cy + ry - 2)});
    const int stripes = r.below(4);
    for (int i = 0; i < stripes; ++i) {
        const double x = cx - rx * 0.2 + i * 5;
        m.capsule(at(x, cy - ry * 0.8), at(x + 2, cy + ry * 0.8), 0.8, Pen::Cut);
    }
    const Vec eye = at(cx - rx * 0.62, cy - ry * 0.25);
    m.circle(eye, 2.3, Pen::Cut);
    kit.paint_body(m);
    Mask pupil = kit.blank();
    pupil.circle(eye, 1.3);
    if (r.chance(0.5)) pupil.circle(at(cx - rx - 3, cy - ry * 0.6 - 3), 1.6);  // a bubble
    kit.paint_accent(pupil);
}

// Serpent or dragon: a chain of shrinking discs along a wave, with a horned head.
void draw_serpent(FigureKit& kit) {
    Rng& r = kit.rng;
    const double amp = r.real(5, 11), freq = r.real(0.8, 1.6), phase = r.real(0, 2 * kPi);
    const double thick = r.real(4.5, 6.5), rise = r.real(-8, 8);
    auto path = [&](double t) {
        return Vec{19 + 31 * t, 34 + rise * (t - 0.5) + amp * std::sin(2 * kPi * freq * t + phase)};
    };
    Mask m = kit.blank();
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        m.circle(path(t), thick * (1.0 - 0.65 * t) + 0.8);
    }
    const Vec head = path(0.0);
    const double jaw = r.real(0.2, 0.6);
    m.ellipse({head.x - 3, head.y}, thick + 3, thick * 0.9, -jaw * 0.3);
    if (r.chance(0.7)) {  // horns swept back
        m.polyline({{head.x, head.y - thick * 0.6}, {head.x + 6, head.y - thick - 5}}, 1.3);
        m.polyline({{head.x + 2, head.y - thick * 0.4}, {head.x + 9, head.y - thick - 2}}, 1.1);
    }
    if (r.chance(0.5)) {  // spines along the back
        for (int i = 1; i < 6; ++i) {
            const double t = i / 6.0;
            const Vec p = path(t);
            const double s = thick * (1.0 - 0.65 * t);
            m.polygon({{p.x - 2, p.y - s + 1}, {p.x + 2, p.y - s + 1}, {p.x + 1, p.y - s - 4}});
        }
    }
    m.polygon({{head.x - thick - 4, head.y + 0.5}, {head.x - 1, head.y + 0.5}, {head.x - thick - 4, head.y + 2.5}}, Pen::Cut);
    const Vec eye{head.x - 2, head.y - thick * 0.35};
    m.circle(eye, 1.9, Pen::Cut);
    kit.paint_body(m);
    Mask pupil = kit.blank();
    pupil.circle(eye, 1.1);
    if (kit.element == 3 && r.chance(0.6))  // breath of fire
        pupil.polygon({{head.x - thick - 4, head.y + 1}, {head.x - thick - 12, head.y - 3}, {head.x - thick - 11, head.y + 6}});
    kit.paint_accent(pupil);
}

}  // namespace mediagen
