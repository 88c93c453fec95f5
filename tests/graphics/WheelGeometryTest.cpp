// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "graphics/WheelGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace celmora::graphics {
namespace {

using platform::Point;

TEST(WheelGeometry, RadiiFollowTheImageSide)
{
    const WheelGeometry g = WheelGeometry::forSide(927);  // a 1024-pixel screen: 1024 - 90 - 7
    EXPECT_EQ(g.D, 924);
    EXPECT_EQ(g.R, 462);
    EXPECT_EQ(g.cx, 462);
    EXPECT_EQ(g.signInner, 400);
    EXPECT_EQ(g.bodyRadius, 382);
    EXPECT_EQ(g.patternRadius, 363);
    EXPECT_EQ(g.arabicRadius, 330);
    EXPECT_EQ(g.partnerRadius, 231);
}

TEST(WheelGeometry, SmallestWheelKeepsItsRingsApart)
{
    const WheelGeometry g = WheelGeometry::forSide(WheelGeometry::minimumSide);
    EXPECT_EQ(g.R, WheelGeometry::minimumOuterRadius);
    // Arabic marks (13 px) stay clear of the mansion labels (21 px) at the fixed radius 143,
    // which stay clear of the house numbers and the innermost circle.
    EXPECT_GE(g.arabicRadius - 7, WheelGeometry::mansionRadius + 11);
    EXPECT_GT(g.patternRadius, g.arabicRadius);
    EXPECT_GT(WheelGeometry::mansionRadius - 11, WheelGeometry::houseNumberRadius + 8);
}

TEST(WheelGeometry, PointsUseTheWheelsOwnDegreeFactor)
{
    const WheelGeometry g = WheelGeometry::forSide(803);  // R = 400
    EXPECT_EQ(g.at(180, 400), (Point{0, 400}));
    EXPECT_EQ(g.at(90, 100), (Point{400, 300}));
    // 0.01745 rather than pi/180: at 47 degrees sin × 400 is 292.499 (pi/180: 292.54),
    // so y = 400 - 292; at 80 degrees cos × 400 is 69.56 -> 70 (pi/180: 69.46 -> 69).
    EXPECT_EQ(g.at(47, 400), (Point{673, 108}));
    EXPECT_EQ(g.at(80, 400), (Point{470, 6}));
}

struct SpreadRow {
    const char* name;
    std::vector<std::pair<int, int>> angles;  // body, angle; the others far apart
    std::vector<std::pair<int, int>> expectRadius;  // body, radius on body 1's ray
};

platform::Array1<int, 1, 13> farApart()
{
    platform::Array1<int, 1, 13> a;
    for (int b = 1; b <= 13; ++b) a[b] = 100 + 20 * b;  // 20 degrees apart, 120..360
    return a;
}

TEST(WheelGeometry, SpreadingStacksCrowdedBodiesInwardsOnTheFirstBodysRay)
{
    constexpr int start = 300;
    constexpr int step = 14;
    {
        auto a = farApart();
        a[1] = 40;
        a[2] = 40;
        const auto p = spreadPoints(a, start, step);
        EXPECT_EQ(p[1], polarOffset(40, start)) << "the first body keeps its place";
        EXPECT_EQ(p[2], polarOffset(40, start - step)) << "the second goes one step in";
        EXPECT_EQ(p[3], polarOffset(a[3], start));
    }
    {
        auto a = farApart();
        a[3] = 40;
        a[7] = 40;
        a[11] = 40;
        const auto p = spreadPoints(a, start, step);
        EXPECT_EQ(p[3], polarOffset(40, start));
        EXPECT_EQ(p[7], polarOffset(40, start - step));
        EXPECT_EQ(p[11], polarOffset(40, start - 2 * step)) << "a third close body goes two steps in";
    }
    {
        // One degree apart at r = 300 is about 5 pixels: crowded. The second body moves
        // onto the first body's ray, not its own.
        auto a = farApart();
        a[1] = 40;
        a[2] = 41;
        const auto p = spreadPoints(a, start, step);
        EXPECT_EQ(p[2], polarOffset(40, start - step));
    }
    {
        // Two degrees at r = 300 near 0 degrees: dx is 0 but dy is 10 pixels, not crowded.
        auto a = farApart();
        a[1] = 0;
        a[2] = 2;
        a[13] = 300;
        const auto p = spreadPoints(a, start, step);
        ASSERT_GE(std::abs(p[1].y - p[2].y), 9);
        EXPECT_EQ(p[2], polarOffset(2, start));
    }
}

}  // namespace
}  // namespace celmora::graphics
