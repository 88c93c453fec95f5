// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A small painter for drawings made in a 100 × 100 design box: paths of lines and
// curves, a transform stack, a pen and a brush, painted as vector figures onto any
// canvas. Curves are flattened finely enough to stay smooth when a document is
// enlarged many times, so one drawing serves a 16-pixel icon and a printed page.
//
// The calls follow the raster painter the drawings were first written for: angles in
// degrees, y down, rotate() turning clockwise on the surface, a chain of transform
// calls applying to points from the last call to the first.

#include <vector>

#include "platform/Canvas.h"

namespace celmora::glyphs {

using platform::Colour;
using platform::PointF;

constexpr Colour rgb(int r, int g, int b)
{
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

class Path;

class Transform {
public:
    Transform() = default;
    Transform(double m11, double m12, double m21, double m22, double dx, double dy)
        : m11_(m11), m12_(m12), m21_(m21), m22_(m22), dx_(dx), dy_(dy)
    {
    }
    Transform& translate(double x, double y);
    Transform& scale(double sx, double sy);
    Transform& rotate(double degrees);
    PointF map(PointF p) const;
    Path map(const Path& path) const;
    // How much lengths grow (the transforms used here scale alike in x and y).
    double lengthScale() const;

private:
    double m11_ = 1, m12_ = 0, m21_ = 0, m22_ = 1, dx_ = 0, dy_ = 0;
};

class Path {
public:
    void moveTo(double x, double y);
    void moveTo(PointF p) { moveTo(p.x, p.y); }
    void lineTo(double x, double y);
    void lineTo(PointF p) { lineTo(p.x, p.y); }
    void quadTo(double cx, double cy, double x, double y);
    void cubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y);
    // Arcs of the ellipse inscribed in the box (x, y, w, h); angles counter-clockwise
    // from 3 o'clock as seen on the surface.
    void arcMoveTo(double x, double y, double w, double h, double angle);
    void arcTo(double x, double y, double w, double h, double startAngle, double sweep);
    void closeSubpath();
    void addEllipse(PointF centre, double rx, double ry);
    void addPath(const Path& other);
    Path translated(double dx, double dy) const;

    const std::vector<platform::Contour>& contours() const { return contours_; }
    std::vector<platform::Contour>& contours() { return contours_; }

private:
    PointF current() const;
    platform::Contour& open();

    std::vector<platform::Contour> contours_;
    bool fresh_ = true;  // the next segment starts a new contour at `start_`
    PointF start_;
};

// Ellipse around `centre`.
Path ellipse(double cx, double cy, double rx, double ry);
// Disc (cx, cy, r1) less the disc (ox, oy, r2) that overlaps its edge: a crescent.
Path discLessDisc(double cx, double cy, double r1, double ox, double oy, double r2);
// Ellipse less a notch: the triangle with `apex` inside the ellipse and both other
// corners outside it.
Path ellipseLessNotch(double cx, double cy, double rx, double ry, PointF apex, PointF a, PointF b);
// Rectangle with corners rounded by `radius`.
Path roundedRect(double x, double y, double w, double h, double radius);

class GlyphPainter {
public:
    // `toDevice` maps the design box onto the canvas's pixels.
    GlyphPainter(platform::Canvas& canvas, const Transform& toDevice);

    void save();
    void restore();
    void translate(double x, double y);
    void scale(double sx, double sy);
    void rotate(double degrees);

    // Pen widths are in design units and scale with the drawing; caps and joins round.
    void setPen(Colour colour, double width);
    void noPen();
    void setBrush(Colour colour);
    void noBrush();

    void drawPath(const Path& path);
    void drawEllipse(PointF centre, double rx, double ry);

private:
    struct State {
        Transform transform;
        bool pen = true;
        Colour penColour = platform::colours::black;
        double penWidth = 1;
        bool brush = false;
        Colour brushColour = platform::colours::black;
    };
    platform::Canvas& canvas_;
    State state_;
    std::vector<State> saved_;
};

}  // namespace celmora::glyphs
