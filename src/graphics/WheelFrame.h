// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The natal wheel's frame: where every sign, house and point of the diagnosed chart
// stands on the wheel, in whole degrees counter-clockwise from 3 o'clock with the
// Ascendant at 180. The rest of the Western analysis works in this frame: aspects
// read `separation` and write `aspectAngle`, classification reads `cuspAngle`, the
// partner and the midpoint marks are placed with `signStart`.
//
//   in:  the ChartRecord's houses and points (house cusps, then planet positions)
//   out: the frame below, and the record's chartAngle, chartAngleExact, moonMansion
//
// Pure computation: no picture, no canvas. The Diagnose run computes it headless;
// the wheel window draws from it.

#include "platform/Canvas.h"
#include "platform/Checked.h"

#include <string>
#include <string_view>

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::platform {
class Messages;
}

namespace celmora::graphics {

// Two body numbers marked as a midpoint axis (written by the midpoint window, read by printing).
struct BodyPair {
    int first = 0;
    int second = 0;
    bool operator==(const BodyPair&) const = default;
};

struct WheelFrame {
    // 180 − round(Ascendant's degrees within its sign): where the Ascendant's sign begins.
    int ascSignStart = 0;
    // Start of sector j (1..12), 0..359; sector 1 holds the Ascendant's sign and the
    // others follow in zodiac order (sector j holds the chart's wholeSignHouse[j]).
    platform::Array1<int, 1, 12> signStart;
    // Cusp of house i, 0..359; cuspAngle[1] is 180.
    platform::Array1<int, 1, 12> cuspAngle;
    // Middle of house i (the arc from cusp i to cusp i + 1); may reach up to 539.
    platform::Array1<int, 1, 12> houseMid;
    // Start of lunar mansion k (1..27); mansion 1 starts at 0° Aries.
    platform::Array1<int, 1, 27> mansionStart;
    // Four runs of 20 angles, −10..+9 around ASC, IC, Descendant and MC (not reduced).
    platform::Array1<int, 1, 80> angleBand;
    // Whole-degree distance 0..180 of points i < j (1..13).
    platform::Array2<int, 1, 13, 1, 13> separation;
    // Exact degree of the aspect found for points i < j, −1 for none; written by the
    // aspect step. The ASC–MC pair is never written and keeps its initial 0.
    platform::Array2<int, 1, 13, 1, 13> aspectAngle;
    BodyPair halfSumPair;
};

// Sector 1..12 that holds `sign`, or 0 when none does (no chart yet).
int sectorOfSign(const core::ChartRecord& chart, int sign);

// ascSignStart, signStart, cuspAngle and houseMid.
// @warning A cusp whose sign lies in no sector throws CommandError.
void computeSectors(const core::ChartRecord& chart, WheelFrame& frame);
// mansionStart from the sector holding Aries; false (frame untouched) when no sector does.
bool computeMansionStarts(const core::ChartRecord& chart, WheelFrame& frame);
void computeAngleBands(WheelFrame& frame);
// chartAngle and chartAngleExact of the 13 points: bodies 1..11 at their sector start
// plus their degrees, ASC and MC at cusps 1 and 10.
// @warning A point whose sign lies in no sector throws CommandError.
void computeChartAngles(core::ChartRecord& chart, const WheelFrame& frame);
// The first mansion 1..27 whose 14 whole degrees s..s + 13 hold the Moon's
// chartAngle, or 0 when none does.
int mansionHolding(const WheelFrame& frame, int angle);
// Whole-degree separation 0..180 of two wheel positions: the distance rounded half to
// even, taken modulo 360 and folded (359.6 -> 0, 181.5 -> 178).
int separationOf(double a, double b);
// separation for every pair i < j of the 13 points, from chartAngleExact.
void computeSeparations(const core::ChartRecord& chart, WheelFrame& frame);

// What the frame computation found besides the frame itself.
struct FrameResult {
    bool ariesFound = true;   // false: no lunar mansions (message shown)
    bool moonMansionFound = true;
};

inline constexpr const char* ariesMissingMessage = "牡羊座が見つかりません。宿曜計算エラー！";
inline constexpr const char* moonMansionMissingMessage = "２７宿が見つかりません。";

// The whole frame in the order the wheel's redisplay computes it: sectors and cusps,
// mansions, angle bands, the points' chart angles, the Moon's mansion, separations.
// A missing Aries sector or Moon mansion is told through `messages` and the rest goes
// on; moonMansion then keeps its previous value.
FrameResult computeWheelFrame(core::ChartRecord& chart, WheelFrame& frame, platform::Messages& messages);

// Line colour of an aspect of `degree` degrees, shared by every wheel and printed sheet:
// 30, 60, 120 green; 45, 135 fuchsia; 72, 144 red; 90, 180 purple; 150 blue; anything
// else (0 and −1 included) aqua.
platform::Colour aspectColour(int degree);

// A chart angle read back as a sign and the whole degrees into it.
struct SignDegree {
    int sector = 0;  // 0 when the frame holds no sector for the angle (no chart yet)
    int sign = 0;
    int degrees = 0;
};

// The sector holding `angle` (brought into 0..359 first). Sectors are half-open: an
// angle exactly on a sector's start belongs to that sector with 0 degrees.
SignDegree signDegreeAt(const core::ChartRecord& chart, const WheelFrame& frame, int angle);

// Sign short name + degrees when `mode` is "hlp", the degrees alone otherwise
// (decimal, no padding); "" when no sector holds the angle.
std::string signAndDegreeOf(const core::ChartRecord& chart, const WheelFrame& frame, int angle, std::string_view mode);

}  // namespace celmora::graphics
