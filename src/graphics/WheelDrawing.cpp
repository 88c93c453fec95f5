// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/WheelDrawing.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"
#include "graphics/WheelFrame.h"
#include "graphics/WheelGeometry.h"
#include "platform/Checked.h"

#include <algorithm>
#include <array>

namespace celmora::graphics {

namespace {

using platform::Brush;
using platform::BrushStyle;
using platform::Pen;
using platform::PenStyle;

constexpr std::array<std::string_view, 13> textLabels{"陽", "月", "水", "金", "火", "木", "土",
                                                      "天", "海", "冥", "DH", "A",  "M"};
constexpr std::array<std::string_view, 13> pictureStems{"Sun",    "Moon",   "Mercury", "Venus",   "Mars",
                                                        "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto",
                                                        "DragonH", "ASC",    "MC"};

void radialLine(platform::Canvas& canvas, const WheelGeometry& g, double angle, int from, int to)
{
    canvas.line(g.at(angle, from), g.at(angle, to));
}

void pairLine(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame,
              const core::ChartRecord& chart, int a, int b)
{
    const int lo = std::min(a, b);
    const int hi = std::max(a, b);
    canvas.setPen(Pen{aspectColour(frame.aspectAngle[lo][hi]), 1, PenStyle::Solid});
    canvas.line(g.at(chart.chartAngle[a], g.patternRadius), g.at(chart.chartAngle[b], g.patternRadius));
}

}  // namespace

std::string_view bodyTextLabel(int point)
{
    return textLabels[static_cast<std::size_t>(platform::checkedRange(point, 1, 13, "天体番号") - 1)];
}

std::string_view bodyPictureStem(int point)
{
    return pictureStems[static_cast<std::size_t>(platform::checkedRange(point, 1, 13, "天体番号") - 1)];
}

void drawWheelBackground(platform::Canvas& canvas, const WheelGeometry& g)
{
    canvas.setPen(Pen{platform::colours::white, 1, PenStyle::Solid});
    canvas.setBrush(Brush{platform::colours::white, BrushStyle::Solid});
    canvas.rectangle({0, 0, g.side, g.side});
    canvas.setBrush(Brush{platform::colours::white, BrushStyle::None});
    canvas.setPen(Pen{platform::colours::black, 2, PenStyle::Solid});
    canvas.ellipse({0, 0, g.D, g.D});
    canvas.ellipse(g.circle(g.signInner));
    canvas.setPen(Pen{platform::colours::black, 4, PenStyle::Solid});
    canvas.ellipse(g.circle(WheelGeometry::innerRadius));
}

void drawSignRing(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame)
{
    canvas.setPen(Pen{platform::colours::black, 2, PenStyle::Solid});
    for (int j = 1; j <= 12; ++j) radialLine(canvas, g, frame.signStart[j], g.R, g.signInner);
    canvas.setPen(Pen{platform::colours::black, 1, PenStyle::Solid});
    for (int k = 1; k <= 180; ++k) radialLine(canvas, g, frame.ascSignStart + 2 * (k - 1), g.tickOuter, g.signInner);
}

void drawHouseCusps(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame)
{
    canvas.setPen(Pen{platform::colours::black, 1, PenStyle::Solid});
    for (int i = 1; i <= 12; ++i) radialLine(canvas, g, frame.cuspAngle[i], g.signInner, WheelGeometry::innerRadius);
}

void drawAngleBands(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame)
{
    canvas.setPen(Pen{platform::colours::lime, 1, PenStyle::Dot});
    for (int m = 1; m <= 40; ++m) {
        radialLine(canvas, g, frame.angleBand[2 * m], g.signInner, WheelGeometry::innerRadius);
    }
    canvas.setPen(Pen{platform::colours::lime, 1, PenStyle::Solid});
}

void drawBodyTexts(platform::Canvas& canvas, const WheelGeometry& g, const core::ChartRecord& chart)
{
    const auto at = spreadPoints(chart.chartAngle, g.textRadius, 23);
    canvas.setPen(Pen{platform::colours::black, 1, PenStyle::Solid});
    canvas.setBrush(Brush{platform::colours::white, BrushStyle::None});
    platform::Font font;
    font.family = "ＭＳ ゴシック";
    font.size = 8;
    font.colour = platform::colours::blue;
    canvas.setFont(font);
    for (int b = 1; b <= 13; ++b) {
        std::string text(bodyTextLabel(b));
        if (b <= core::point::lastPlanet) text += std::to_string(chart.pointDeg[b]);
        canvas.text({g.cx + at[b].x - 4, g.cy - at[b].y - 6}, text);
    }
}

void drawAspectLines(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame,
                     const core::ChartRecord& chart, std::span<const BodyPair> pairs)
{
    for (const BodyPair& p : pairs) pairLine(canvas, g, frame, chart, p.first, p.second);
}

void drawPatternSides(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame,
                      const core::ChartRecord& chart, std::span<const int> bodies)
{
    if (bodies.size() < 2) return;
    for (std::size_t k = 0; k < bodies.size(); ++k) {
        pairLine(canvas, g, frame, chart, bodies[k], bodies[(k + 1) % bodies.size()]);
    }
}

}  // namespace celmora::graphics
