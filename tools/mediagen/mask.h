// Supersampled shape masks: figures are built from shapes here, then painted antialiased.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "image.h"

namespace mediagen {

struct Vec {
    double x = 0, y = 0;
};

// Point at `radius` from `centre` in direction `angle` (radians, 0 = right, y grows down).
Vec polar(Vec centre, double radius, double angle);

// Whether a shape adds to the mask or cuts a hole in it.
enum class Pen { Add, Cut };

// A coverage mask over a width x height picture, sampled kSub x kSub times per pixel.
class Mask {
public:
    static constexpr int kSub = 4;

    Mask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    void circle(Vec c, double r, Pen pen = Pen::Add);
    void ellipse(Vec c, double rx, double ry, double angle = 0, Pen pen = Pen::Add);
    void ring(Vec c, double r_outer, double r_inner, Pen pen = Pen::Add);
    void capsule(Vec a, Vec b, double r, Pen pen = Pen::Add);
    void polyline(const std::vector<Vec>& points, double r, Pen pen = Pen::Add);
    void polygon(const std::vector<Vec>& points, Pen pen = Pen::Add);
    void rect(double x0, double y0, double x1, double y1, Pen pen = Pen::Add);
    // Adds the mirror image around the vertical line x = axis (bilateral symmetry).
    void mirror_x(double axis);
    // Adds every shape of `other` to this mask.
    void merge(const Mask& other);

    // Fraction (0..1) of pixel (x, y) the shapes cover.
    double coverage(int x, int y) const;
    // Coverage grown by about one pixel, for drawing outlines under the fill.
    double outline_coverage(int x, int y) const;

private:
    // Runs `inside` on every subsample in the box and sets or clears the hits.
    template <class Inside>
    void apply(double x0, double y0, double x1, double y1, Pen pen, Inside inside);

    int width_, height_;
    std::vector<std::uint8_t> bits_;
};

// Paints the mask onto the image in one colour, weighted by coverage.
void paint(Image& img, const Mask& mask, Rgb colour, double alpha = 1.0);
// Paints with a colour that depends on the pixel (gradients, shading).
void paint(Image& img, const Mask& mask, const std::function<Rgb(int, int)>& colour);
// Paints a one-pixel outline around the mask (call before painting the fill).
void paint_outline(Image& img, const Mask& mask, Rgb colour);

}  // namespace mediagen
