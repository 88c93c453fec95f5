// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/WheelGeometry.h"

#include "platform/Checked.h"

#include <cmath>
#include <cstdlib>

namespace celmora::graphics {

platform::Point polarOffset(double angle, int radius)
{
    const double a = angle * wheelDegreeToRadian;
    return {platform::roundHalfEven(std::cos(a) * radius), platform::roundHalfEven(std::sin(a) * radius)};
}

WheelGeometry WheelGeometry::forSide(int side)
{
    WheelGeometry g;
    g.side = side;
    g.D = side - 3;
    g.R = g.D / 2;
    g.cx = g.R;
    g.cy = g.R;
    g.signInner = g.R - 62;
    g.signImageRadius = g.R - 33;
    g.signSymbolRadius = g.R - 25;
    g.tickOuter = g.R - 52;
    g.starRadius = g.R - 52;
    g.bodyRadius = g.R - 80;
    g.textRadius = g.R - 90;
    g.patternRadius = g.R - 99;
    g.arabicRadius = g.R - 132;
    g.partnerRadius = g.R / 2;
    g.partnerCircle = g.R / 2 + 10;
    return g;
}

platform::Point WheelGeometry::at(double angle, int radius) const
{
    const platform::Point p = polarOffset(angle, radius);
    return {cx + p.x, cy - p.y};
}

platform::Rect WheelGeometry::circle(int radius) const
{
    return {cx - radius, cy - radius, cx + radius, cy + radius};
}

platform::Array1<platform::Point, 1, 13> spreadPoints(const platform::Array1<int, 1, 13>& angles, int startRadius,
                                                      int step)
{
    platform::Array1<int, 1, 13> radius;
    platform::Array1<platform::Point, 1, 13> p;
    for (int b = 1; b <= 13; ++b) {
        radius[b] = startRadius;
        p[b] = polarOffset(angles[b], startRadius);
    }
    for (int pass = 1; pass <= 3; ++pass) {
        for (int i = 1; i <= 12; ++i) {
            for (int j = i + 1; j <= 13; ++j) {
                if (std::abs(p[i].x - p[j].x) < 9 && std::abs(p[i].y - p[j].y) < 9) {
                    radius[i] -= step;
                    p[j] = polarOffset(angles[i], radius[i]);
                }
            }
        }
    }
    return p;
}

}  // namespace celmora::graphics
