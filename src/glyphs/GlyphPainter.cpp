// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "glyphs/GlyphPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace celmora::glyphs {

namespace {

constexpr double pi = std::numbers::pi;
// Segments per curve: a design-box curve spans at most the whole box, so a printed
// emblem several centimetres wide still shows no corners.
constexpr int curveSegments = 32;
constexpr int ellipseSegments = 96;
constexpr double degreesPerArcSegment = 4.0;

double radians(double degrees)
{
    return degrees * pi / 180.0;
}

// Parametric angle `t` (radians, y down) on the ellipse around (cx, cy).
PointF onEllipse(double cx, double cy, double rx, double ry, double t)
{
    return {cx + rx * std::cos(t), cy + ry * std::sin(t)};
}

void appendArc(platform::Contour& c, double cx, double cy, double rx, double ry, double from, double sweep)
{
    const int n = std::max(8, static_cast<int>(std::ceil(std::abs(sweep) * 180.0 / pi / degreesPerArcSegment)));
    for (int i = 0; i <= n; ++i) c.points.push_back(onEllipse(cx, cy, rx, ry, from + sweep * i / n));
}

bool insideTriangle(PointF p, PointF a, PointF b, PointF c)
{
    const auto side = [](PointF p, PointF q, PointF r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    const double d1 = side(a, b, p), d2 = side(b, c, p), d3 = side(c, a, p);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

// Parametric angle where the segment from `inside` to `outside` leaves the ellipse.
double exitAngle(double cx, double cy, double rx, double ry, PointF inside, PointF outside)
{
    const double ax = (inside.x - cx) / rx, ay = (inside.y - cy) / ry;
    const double dx = (outside.x - inside.x) / rx, dy = (outside.y - inside.y) / ry;
    const double a = dx * dx + dy * dy, b = 2 * (ax * dx + ay * dy), c = ax * ax + ay * ay - 1;
    const double t = (-b + std::sqrt(std::max(0.0, b * b - 4 * a * c))) / (2 * a);
    return std::atan2(ay + t * dy, ax + t * dx);
}

double normalised(double a)
{
    while (a <= -pi) a += 2 * pi;
    while (a > pi) a -= 2 * pi;
    return a;
}

}  // namespace

Transform& Transform::translate(double x, double y)
{
    dx_ += m11_ * x + m21_ * y;
    dy_ += m12_ * x + m22_ * y;
    return *this;
}

Transform& Transform::scale(double sx, double sy)
{
    m11_ *= sx;
    m12_ *= sx;
    m21_ *= sy;
    m22_ *= sy;
    return *this;
}

Transform& Transform::rotate(double degrees)
{
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    const double n11 = c * m11_ + s * m21_, n12 = c * m12_ + s * m22_;
    const double n21 = -s * m11_ + c * m21_, n22 = -s * m12_ + c * m22_;
    m11_ = n11;
    m12_ = n12;
    m21_ = n21;
    m22_ = n22;
    return *this;
}

PointF Transform::map(PointF p) const
{
    return {m11_ * p.x + m21_ * p.y + dx_, m12_ * p.x + m22_ * p.y + dy_};
}

Path Transform::map(const Path& path) const
{
    Path out = path;
    for (platform::Contour& c : out.contours()) {
        for (PointF& p : c.points) p = map(p);
    }
    return out;
}

double Transform::lengthScale() const
{
    return std::sqrt(std::abs(m11_ * m22_ - m12_ * m21_));
}

PointF Path::current() const
{
    if (fresh_ || contours_.empty() || contours_.back().points.empty()) return start_;
    return contours_.back().points.back();
}

platform::Contour& Path::open()
{
    if (fresh_) {
        contours_.push_back({{start_}, false});
        fresh_ = false;
    }
    return contours_.back();
}

void Path::moveTo(double x, double y)
{
    start_ = {x, y};
    fresh_ = true;
}

void Path::lineTo(double x, double y)
{
    open().points.push_back({x, y});
}

void Path::quadTo(double cx, double cy, double x, double y)
{
    const PointF p0 = current();
    platform::Contour& c = open();
    for (int i = 1; i <= curveSegments; ++i) {
        const double t = static_cast<double>(i) / curveSegments, u = 1 - t;
        c.points.push_back({u * u * p0.x + 2 * u * t * cx + t * t * x, u * u * p0.y + 2 * u * t * cy + t * t * y});
    }
}

void Path::cubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y)
{
    const PointF p0 = current();
    platform::Contour& c = open();
    for (int i = 1; i <= curveSegments; ++i) {
        const double t = static_cast<double>(i) / curveSegments, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
        c.points.push_back({a * p0.x + b * c1x + d * c2x + e * x, a * p0.y + b * c1y + d * c2y + e * y});
    }
}

void Path::arcMoveTo(double x, double y, double w, double h, double angle)
{
    // Counter-clockwise on the surface is a negative parametric angle with y down.
    moveTo(onEllipse(x + w / 2, y + h / 2, w / 2, h / 2, -radians(angle)));
}

void Path::arcTo(double x, double y, double w, double h, double startAngle, double sweep)
{
    platform::Contour& c = open();
    appendArc(c, x + w / 2, y + h / 2, w / 2, h / 2, -radians(startAngle), -radians(sweep));
}

void Path::closeSubpath()
{
    if (fresh_ || contours_.empty()) return;
    contours_.back().closed = true;
    start_ = contours_.back().points.front();
    fresh_ = true;
}

void Path::addEllipse(PointF centre, double rx, double ry)
{
    platform::Contour c;
    for (int i = 0; i < ellipseSegments; ++i) {
        c.points.push_back(onEllipse(centre.x, centre.y, rx, ry, 2 * pi * i / ellipseSegments));
    }
    c.closed = true;
    start_ = c.points.front();
    contours_.push_back(std::move(c));
    fresh_ = true;
}

void Path::addPath(const Path& other)
{
    for (const platform::Contour& c : other.contours_) {
        if (!c.points.empty()) contours_.push_back(c);
    }
    if (!contours_.empty()) start_ = contours_.back().points.back();
    fresh_ = true;
}

Path Path::translated(double dx, double dy) const
{
    return Transform(1, 0, 0, 1, dx, dy).map(*this);
}

Path ellipse(double cx, double cy, double rx, double ry)
{
    Path p;
    p.addEllipse({cx, cy}, rx, ry);
    return p;
}

Path discLessDisc(double cx, double cy, double r1, double ox, double oy, double r2)
{
    const double d = std::hypot(ox - cx, oy - cy);
    const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);  // centre to the common chord
    const double alpha = std::acos(std::clamp(a / r1, -1.0, 1.0));
    const double phi = std::atan2(oy - cy, ox - cx);
    platform::Contour c;
    c.closed = true;
    appendArc(c, cx, cy, r1, r1, phi + alpha, 2 * pi - 2 * alpha);
    const PointF from = c.points.back(), to = c.points.front();
    const double u2 = std::atan2(from.y - oy, from.x - ox), u1 = std::atan2(to.y - oy, to.x - ox);
    const double psi = std::atan2(cy - oy, cx - ox);
    double sweep = normalised(u1 - u2);
    // The cut runs along the part of the other disc that lies inside this one.
    if (std::abs(normalised(u2 + sweep / 2 - psi)) > pi / 2) sweep -= std::copysign(2 * pi, sweep);
    platform::Contour inner;
    appendArc(inner, ox, oy, r2, r2, u2, sweep);
    c.points.insert(c.points.end(), inner.points.begin() + 1, inner.points.end() - 1);
    Path p;
    p.contours().push_back(std::move(c));
    return p;
}

Path ellipseLessNotch(double cx, double cy, double rx, double ry, PointF apex, PointF a, PointF b)
{
    const double ta = exitAngle(cx, cy, rx, ry, apex, a), tb = exitAngle(cx, cy, rx, ry, apex, b);
    double sweep = normalised(tb - ta);
    if (insideTriangle(onEllipse(cx, cy, rx, ry, ta + sweep / 2), apex, a, b)) sweep -= std::copysign(2 * pi, sweep);
    platform::Contour c;
    c.closed = true;
    appendArc(c, cx, cy, rx, ry, ta, sweep);
    c.points.push_back(apex);
    Path p;
    p.contours().push_back(std::move(c));
    return p;
}

Path roundedRect(double x, double y, double w, double h, double radius)
{
    platform::Contour c;
    c.closed = true;
    const double r = std::min({radius, w / 2, h / 2});
    appendArc(c, x + w - r, y + r, r, r, -pi / 2, pi / 2);
    appendArc(c, x + w - r, y + h - r, r, r, 0, pi / 2);
    appendArc(c, x + r, y + h - r, r, r, pi / 2, pi / 2);
    appendArc(c, x + r, y + r, r, r, pi, pi / 2);
    Path p;
    p.contours().push_back(std::move(c));
    return p;
}

GlyphPainter::GlyphPainter(platform::Canvas& canvas, const Transform& toDevice) : canvas_(canvas)
{
    state_.transform = toDevice;
}

void GlyphPainter::save()
{
    saved_.push_back(state_);
}

void GlyphPainter::restore()
{
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
}

void GlyphPainter::translate(double x, double y)
{
    state_.transform.translate(x, y);
}
void GlyphPainter::scale(double sx, double sy)
{
    state_.transform.scale(sx, sy);
}
void GlyphPainter::rotate(double degrees)
{
    state_.transform.rotate(degrees);
}

void GlyphPainter::setPen(Colour colour, double width)
{
    state_.pen = true;
    state_.penColour = colour;
    state_.penWidth = width;
}

void GlyphPainter::noPen()
{
    state_.pen = false;
}

void GlyphPainter::setBrush(Colour colour)
{
    state_.brush = true;
    state_.brushColour = colour;
}

void GlyphPainter::noBrush()
{
    state_.brush = false;
}

void GlyphPainter::drawPath(const Path& path)
{
    if ((!state_.pen && !state_.brush) || path.contours().empty()) return;
    platform::Shape shape;
    shape.contours = state_.transform.map(path).contours();
    shape.filled = state_.brush;
    shape.fill = state_.brushColour;
    shape.stroked = state_.pen;
    shape.stroke = state_.penColour;
    shape.strokeWidth = state_.penWidth * state_.transform.lengthScale();
    canvas_.shape(shape);
}

void GlyphPainter::drawEllipse(PointF centre, double rx, double ry)
{
    drawPath(ellipse(centre.x, centre.y, rx, ry));
}

}  // namespace celmora::glyphs
