// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Pixel geometry of the natal wheel, derived from the side W of its square image.
//
// Angles are degrees counter-clockwise from 3 o'clock (the Ascendant at 180, so
// longitude grows counter-clockwise); a point at angle a and radius r lies at
// x = cx + round(cos(a × 0.01745) × r), y = cy − round(sin(a × 0.01745) × r), with
// rounding half to even. The factor 0.01745 (not π/180) is part of the wheel's
// look: every mark of every wheel and of the printed sheet is placed with it, so
// they line up with one another to the pixel.

#include "core/ChartRecord.h"
#include "platform/Canvas.h"

namespace celmora::graphics {

inline constexpr double wheelDegreeToRadian = 0.01745;

// Offset from the centre, y pointing up (the spreading rule works in these).
platform::Point polarOffset(double angle, int radius);

struct WheelGeometry {
    // Radii that do not follow the image size, in pixels.
    static constexpr int innerRadius = 80;         // innermost circle; cusp lines end here
    static constexpr int houseNumberRadius = 95;
    static constexpr int mansionRadius = 143;      // lunar-mansion labels
    // The smallest outer radius at which the rings still come out in order: below it
    // the Arabic-part ring (R − 132) runs into the lunar-mansion labels at 143 and,
    // further down, inside the innermost circle.
    static constexpr int minimumOuterRadius = 300;
    // The image side that gives minimumOuterRadius (D = W − 3, R = D div 2).
    static constexpr int minimumSide = 2 * minimumOuterRadius + 3;

    int side = 0;  // W
    int D = 0;     // outer circle's diameter, W − 3
    int cx = 0, cy = 0, R = 0;
    int signInner = 0;         // R − 62, inner edge of the sign ring
    int signImageRadius = 0;   // R − 33, sign pictures (picture style)
    int signSymbolRadius = 0;  // R − 25, sign symbols (symbol style)
    int tickOuter = 0;         // R − 52, outer end of the 2-degree ticks
    int starRadius = 0;        // R − 52
    int bodyRadius = 0;        // R − 80
    int textRadius = 0;        // R − 90
    int patternRadius = 0;     // R − 99, ends of aspect and pattern lines
    int arabicRadius = 0;      // R − 132
    int partnerRadius = 0;     // R div 2
    int partnerCircle = 0;     // R div 2 + 10

    static WheelGeometry forSide(int side);

    // Canvas point at `angle` degrees and `radius` pixels from the centre.
    platform::Point at(double angle, int radius) const;
    // Bounding box of the circle of `radius` around the centre.
    platform::Rect circle(int radius) const;
};

// Where each of the 13 points is drawn when several would overlap: offsets from the
// centre (y up) for points at whole-degree `angles`, starting at `startRadius` and
// stacking crowded points inwards by `step` pixels.
//
// Three passes over the pairs i < j: when the two points lie less than 9 pixels apart
// in both x and y, point i's radius shrinks by `step` and point j moves onto point i's
// ray at that radius. Point i itself never moves, so the first point of a cluster keeps
// its place and the others line up inwards along its ray.
platform::Array1<platform::Point, 1, 13> spreadPoints(const platform::Array1<int, 1, 13>& angles, int startRadius,
                                                      int step);

}  // namespace celmora::graphics
