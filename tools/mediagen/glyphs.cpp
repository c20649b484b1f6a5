#include "glyphs.h"

#include <cmath>
#include <map>

namespace mediagen {

namespace {
// Points along an elliptical arc from a0 to a1 degrees (0 = right, 90 = down).
std::vector<Vec> arc(Vec c, double rx, double ry, double a0, double a1, int segments = 10) {
    std::vector<Vec> pts;
    for (int i = 0; i <= segments; ++i) {
        const double a = (a0 + (a1 - a0) * i / segments) * 3.14159265358979 / 180.0;
        pts.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a)});
    }
    return pts;
}

// Joins point lists into one stroke.
std::vector<Vec> join(std::initializer_list<std::vector<Vec>> parts) {
    std::vector<Vec> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The font, drawn once.
const std::map<char32_t, Glyph>& font() {
    static const std::map<char32_t, Glyph> kFont = {
        {U'K', {4, {{{0, 0}, {0, 6}}, {{4, 0}, {0.4, 3.3}}, {{1.4, 2.4}, {4, 6}}}}},
        {U'E', {4, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3.2, 3}}}}},
        {U'S', {4, {join({arc({2, 1.5}, 1.9, 1.5, 330, 90), arc({2, 4.5}, 1.9, 1.5, 270, 510)})}}},
        {U'T', {4, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}}},
        {U'R', {4, {join({{{0, 6}, {0, 0}, {2.4, 0}}, arc({2.4, 1.5}, 1.5, 1.5, 270, 450, 8), {{0, 3}}}),
                    {{2, 3}, {4, 6}}}}},
        {U'A', {4, {{{0, 6}, {2, 0}, {4, 6}}, {{0.8, 3.9}, {3.2, 3.9}}}}},
        {U'天', {6, {{{1, 0.6}, {5, 0.6}},
                     {{0, 2.6}, {6, 2.6}},
                     {{3, 0.6}, {3, 2.6}, {2.7, 3.8}, {1.8, 5.0}, {0.3, 6}},
                     {{3.2, 3.0}, {4.2, 4.6}, {6, 6}}}}},
        {U' ', {2, {}}},
    };
    return kFont;
}
}  // namespace

// Map lookup; unknown characters have no glyph.
const Glyph* find_glyph(char32_t c) {
    const auto& f = font();
    const auto it = f.find(c);
    return it == f.end() ? nullptr : &it->second;
}

// Each stroke becomes a round-capped polyline of the given radius.
double stroke_text(Mask& mask, std::u32string_view text, Vec origin, double scale, double radius,
                   double spacing) {
    double x = origin.x;
    for (char32_t c : text) {
        const Glyph* g = find_glyph(c);
        if (!g) continue;
        for (const auto& stroke : g->strokes) {
            std::vector<Vec> pts;
            for (const Vec& p : stroke) pts.push_back({x + p.x * scale, origin.y + p.y * scale});
            if (pts.size() == 1) pts.push_back(pts[0]);
            mask.polyline(pts, radius);
        }
        x += g->width * scale + spacing;
    }
    return x - spacing;
}

}  // namespace mediagen
