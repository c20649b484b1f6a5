#include "mask.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

// Point on a circle around `centre`.
Vec polar(Vec centre, double radius, double angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

// An empty mask.
Mask::Mask(int width, int height)
    : width_(width), height_(height),
      bits_(static_cast<std::size_t>(width * kSub * height * kSub), 0) {}

// Visits the subsamples inside the (clipped) box; the test gets picture coordinates.
template <class Inside>
void Mask::apply(double x0, double y0, double x1, double y1, Pen pen, Inside inside) {
    const int sw = width_ * kSub, sh = height_ * kSub;
    const int i0 = std::max(0, static_cast<int>(std::floor(x0 * kSub)));
    const int j0 = std::max(0, static_cast<int>(std::floor(y0 * kSub)));
    const int i1 = std::min(sw - 1, static_cast<int>(std::ceil(x1 * kSub)));
    const int j1 = std::min(sh - 1, static_cast<int>(std::ceil(y1 * kSub)));
    const std::uint8_t value = pen == Pen::Add ? 1 : 0;
    for (int j = j0; j <= j1; ++j) {
        const double y = (j + 0.5) / kSub;
        for (int i = i0; i <= i1; ++i) {
            const double x = (i + 0.5) / kSub;
            if (inside(x, y)) bits_[static_cast<std::size_t>(j * sw + i)] = value;
        }
    }
}

// Filled disc.
void Mask::circle(Vec c, double r, Pen pen) {
    apply(c.x - r, c.y - r, c.x + r, c.y + r, pen, [&](double x, double y) {
        return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) <= r * r;
    });
}

// Filled ellipse, optionally turned by `angle` radians.
void Mask::ellipse(Vec c, double rx, double ry, double angle, Pen pen) {
    const double reach = std::max(rx, ry), ca = std::cos(angle), sa = std::sin(angle);
    apply(c.x - reach, c.y - reach, c.x + reach, c.y + reach, pen, [&](double x, double y) {
        const double dx = x - c.x, dy = y - c.y;
        const double u = (dx * ca + dy * sa) / rx, v = (-dx * sa + dy * ca) / ry;
        return u * u + v * v <= 1.0;
    });
}

// Annulus between two radii.
void Mask::ring(Vec c, double r_outer, double r_inner, Pen pen) {
    apply(c.x - r_outer, c.y - r_outer, c.x + r_outer, c.y + r_outer, pen,
          [&](double x, double y) {
              const double d2 = (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y);
              return d2 <= r_outer * r_outer && d2 >= r_inner * r_inner;
          });
}

// Thick stroke with round ends: every point within r of segment ab.
void Mask::capsule(Vec a, Vec b, double r, Pen pen) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    apply(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
          std::max(a.y, b.y) + r, pen, [&](double x, double y) {
              double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
              t = std::clamp(t, 0.0, 1.0);
              const double px = a.x + t * dx - x, py = a.y + t * dy - y;
              return px * px + py * py <= r * r;
          });
}

// Joined strokes through a list of points.
void Mask::polyline(const std::vector<Vec>& points, double r, Pen pen) {
    for (std::size_t i = 1; i < points.size(); ++i) capsule(points[i - 1], points[i], r, pen);
}

// Filled polygon by the even-odd crossing rule.
void Mask::polygon(const std::vector<Vec>& points, Pen pen) {
    if (points.size() < 3) return;
    double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Vec& p : points) {
        x0 = std::min(x0, p.x); x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y); y1 = std::max(y1, p.y);
    }
    apply(x0, y0, x1, y1, pen, [&](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Vec& a = points[i];
            const Vec& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    });
}

// Axis-aligned filled box.
void Mask::rect(double x0, double y0, double x1, double y1, Pen pen) {
    apply(x0, y0, x1, y1, pen,
          [&](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; });
}

// Reflects the mask around x = axis and keeps both halves.
void Mask::mirror_x(double axis) {
    const int sw = width_ * kSub, sh = height_ * kSub;
    std::vector<std::uint8_t> copy = bits_;
    for (int j = 0; j < sh; ++j) {
        for (int i = 0; i < sw; ++i) {
            const double x = (i + 0.5) / kSub;
            const int mi = static_cast<int>(std::floor((2 * axis - x) * kSub));
            if (mi >= 0 && mi < sw && copy[static_cast<std::size_t>(j * sw + mi)])
                bits_[static_cast<std::size_t>(j * sw + i)] = 1;
        }
    }
}

// Union with another mask of the same size.
void Mask::merge(const Mask& other) {
    for (std::size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i) bits_[i] |= other.bits_[i];
}

// Share of the pixel's subsamples that are set.
double Mask::coverage(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0;
    const int sw = width_ * kSub;
    int hits = 0;
    for (int j = 0; j < kSub; ++j)
        for (int i = 0; i < kSub; ++i)
            hits += bits_[static_cast<std::size_t>((y * kSub + j) * sw + x * kSub + i)];
    return hits / double(kSub * kSub);
}

// Strongest coverage among the pixel and its neighbours; diagonals count a little less.
double Mask::outline_coverage(int x, int y) const {
    double best = 0.0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const double weight = (dx != 0 && dy != 0) ? 0.7 : 1.0;
            best = std::max(best, weight * coverage(x + dx, y + dy));
        }
    return std::min(1.0, best * 1.4);
}

// One-colour antialiased fill.
void paint(Image& img, const Mask& mask, Rgb colour, double alpha) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.blend(x, y, colour, alpha * mask.coverage(x, y));
}

// Position-dependent antialiased fill.
void paint(Image& img, const Mask& mask, const std::function<Rgb(int, int)>& colour) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double a = mask.coverage(x, y);
            if (a > 0) img.blend(x, y, colour(x, y), a);
        }
}

// Dark rim drawn under a fill so figures stand off the background.
void paint_outline(Image& img, const Mask& mask, Rgb colour) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.blend(x, y, colour, mask.outline_coverage(x, y));
}

}  // namespace mediagen
