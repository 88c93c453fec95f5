// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The natal wheel's raster layer as drawing operations on any canvas: the window's
// picture, an image or PDF file, a printer page. Each function draws at the scale of
// the geometry it is given and only adds to what is there.

#include "platform/Canvas.h"

#include <span>

namespace celmora::core {
struct ChartRecord;
}

namespace celmora::graphics {

struct BodyPair;
struct WheelFrame;
struct WheelGeometry;

// The whole image white, then the outer circle and the sign ring's inner edge (width
// 2) and the innermost circle (width 4), black, unfilled.
void drawWheelBackground(platform::Canvas& canvas, const WheelGeometry& g);
// Sign boundaries across the sign ring (width 2) and the 2-degree ticks (width 1).
void drawSignRing(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame);
// The twelve cusp lines from the sign ring to the innermost circle.
void drawHouseCusps(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame);
// Ten dotted green lines at −9, −7, …, +9 degrees around each of the four angles.
void drawAngleBands(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame);
// The 13 points as short texts ("陽14", "A"), spread so that none overlap.
void drawBodyTexts(platform::Canvas& canvas, const WheelGeometry& g, const core::ChartRecord& chart);
// One line per pair between the pair's points at patternRadius, in the colour of the
// pair's aspect (aspectColour of aspectAngle, smaller body number first).
void drawAspectLines(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame,
                     const core::ChartRecord& chart, std::span<const BodyPair> pairs);
// The closed figure through `bodies` in the order given (b1–b2, …, bn–b1), each side
// in the colour of that pair's aspect: the aspect patterns' triangles and quadrilaterals.
void drawPatternSides(platform::Canvas& canvas, const WheelGeometry& g, const WheelFrame& frame,
                      const core::ChartRecord& chart, std::span<const int> bodies);

// Text-display label of point 1..13: "陽", "月", …, "DH", "A", "M".
std::string_view bodyTextLabel(int point);
// Picture file stem of point 1..13: "Sun", …, "DragonH", "ASC", "MC".
std::string_view bodyPictureStem(int point);

}  // namespace celmora::graphics
