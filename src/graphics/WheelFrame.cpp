// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/WheelFrame.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"
#include "core/calc1Unit.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <cmath>

namespace celmora::graphics {

namespace {

constexpr int aries = 1;

int reduced(int angle)
{
    return angle >= 360 ? angle - 360 : angle;
}

int sectorOrThrow(const core::ChartRecord& chart, int sign, std::string_view what)
{
    const int j = sectorOfSign(chart, sign);
    if (j == 0) {
        throw platform::CommandError("ホロスコープ図の星座の区画が見つかりません（" + std::string(what) + "、星座番号 " +
                                     std::to_string(sign) + "）。");
    }
    return j;
}

}  // namespace

int sectorOfSign(const core::ChartRecord& chart, int sign)
{
    if (sign < 1 || sign > 12) return 0;
    for (int j = 1; j <= 12; ++j) {
        if (chart.wholeSignHouse[j] == sign) return j;
    }
    return 0;
}

void computeSectors(const core::ChartRecord& chart, WheelFrame& frame)
{
    frame.ascSignStart = 180 - platform::roundHalfEven(chart.houseDegReal[1]);
    for (int j = 1; j <= 12; ++j) frame.signStart[j] = reduced(frame.ascSignStart + 30 * (j - 1));
    for (int i = 1; i <= 12; ++i) {
        const int j = sectorOrThrow(chart, chart.houseSign[i], "第" + std::to_string(i) + "ハウス");
        frame.cuspAngle[i] = reduced(frame.signStart[j] + platform::roundHalfEven(chart.houseDegReal[i]));
    }
    for (int i = 1; i <= 12; ++i) {
        const int n = i == 12 ? 1 : i + 1;
        const int a = frame.cuspAngle[i];
        const int b = frame.cuspAngle[n];
        frame.houseMid[i] = a <= b ? (a + b) / 2 : (a + b + 360) / 2;
    }
}

bool computeMansionStarts(const core::ChartRecord& chart, WheelFrame& frame)
{
    const int j = sectorOfSign(chart, aries);
    if (j == 0) return false;
    int start = frame.signStart[j];
    if (start > 359) start -= 360;
    for (int k = 1; k <= 27; ++k) frame.mansionStart[k] = reduced(start + ((k - 1) * 360) / 27);
    return true;
}

void computeAngleBands(WheelFrame& frame)
{
    constexpr int cuspOfRun[4] = {1, 4, 7, 10};  // ASC, IC, Descendant, MC
    for (int run = 0; run < 4; ++run) {
        for (int m = 1; m <= 20; ++m) frame.angleBand[run * 20 + m] = frame.cuspAngle[cuspOfRun[run]] - 10 + (m - 1);
    }
}

void computeChartAngles(core::ChartRecord& chart, const WheelFrame& frame)
{
    for (int b = 1; b <= core::point::lastPlanet; ++b) {
        const int j = sectorOrThrow(chart, chart.pointSign[b], core::pointName(b));
        chart.chartAngle[b] = reduced(frame.signStart[j] + chart.pointDeg[b]);
        double exact = frame.signStart[j] + chart.pointDegReal[b];
        if (exact >= 360.0) exact -= 360.0;
        chart.chartAngleExact[b] = exact;
    }
    chart.chartAngle[core::point::Asc] = frame.cuspAngle[1];
    chart.chartAngle[core::point::Mc] = frame.cuspAngle[10];
    chart.chartAngleExact[core::point::Asc] = frame.cuspAngle[1];
    chart.chartAngleExact[core::point::Mc] = frame.cuspAngle[10];
}

int mansionHolding(const WheelFrame& frame, int angle)
{
    for (int k = 1; k <= 27; ++k) {
        const int s = frame.mansionStart[k];
        const int e = s + 13;
        if (e < 360) {
            if (s <= angle && angle <= e) return k;
        } else if ((s <= angle && angle <= 360) || (0 <= angle && angle <= e - 360)) {
            return k;
        }
    }
    return 0;
}

int separationOf(double a, double b)
{
    int s = platform::roundHalfEven(std::fabs(a - b)) % 360;
    if (s > 180) s = 360 - s;
    return s;
}

void computeSeparations(const core::ChartRecord& chart, WheelFrame& frame)
{
    for (int i = 1; i <= 12; ++i) {
        for (int j = i + 1; j <= 13; ++j) {
            frame.separation[i][j] = separationOf(chart.chartAngleExact[i], chart.chartAngleExact[j]);
        }
    }
}

FrameResult computeWheelFrame(core::ChartRecord& chart, WheelFrame& frame, platform::Messages& messages)
{
    FrameResult result;
    computeSectors(chart, frame);
    if (!computeMansionStarts(chart, frame)) {
        result.ariesFound = false;
        messages.information(ariesMissingMessage);
    }
    computeAngleBands(frame);
    computeChartAngles(chart, frame);
    // Without Aries the mansion starts are those of an earlier chart (or all 0), and
    // the search below runs on them as the wheel always has.
    const int mansion = mansionHolding(frame, chart.chartAngle[core::point::Moon]);
    if (mansion == 0) {
        result.moonMansionFound = false;
        messages.information(moonMansionMissingMessage);
    } else {
        chart.moonMansion = mansion;
    }
    computeSeparations(chart, frame);
    return result;
}

platform::Colour aspectColour(int degree)
{
    switch (degree) {
    case 30:
    case 60:
    case 120:
        return platform::Colour::rgb(0x008000);
    case 45:
    case 135:
        return platform::Colour::rgb(0xFF00FF);
    case 72:
    case 144:
        return platform::Colour::rgb(0xFF0000);
    case 90:
    case 180:
        return platform::Colour::rgb(0x800080);
    case 150:
        return platform::Colour::rgb(0x0000FF);
    default:
        return platform::Colour::rgb(0x00FFFF);
    }
}

SignDegree signDegreeAt(const core::ChartRecord& chart, const WheelFrame& frame, int angle)
{
    // 360 is the same place as 0: read it as 0 so that a sector starting exactly at 0
    // claims it (with 0 degrees) rather than the sector before it (with 30).
    angle %= 360;
    if (angle < 0) angle += 360;
    for (int j = 1; j <= 12; ++j) {
        const int n = j == 12 ? 1 : j + 1;
        const int s = frame.signStart[j];
        const int next = frame.signStart[n];
        int degrees = -1;
        if (s < next) {
            if (s <= angle && angle < next) degrees = angle - s;
        } else if (s <= angle) {
            degrees = angle - s;
        } else if (angle < next) {
            degrees = angle - s + 360;
        }
        if (degrees >= 0) {
            if (chart.wholeSignHouse[j] == 0) return {};
            return {j, chart.wholeSignHouse[j], degrees};
        }
    }
    return {};
}

std::string signAndDegreeOf(const core::ChartRecord& chart, const WheelFrame& frame, int angle, std::string_view mode)
{
    const SignDegree at = signDegreeAt(chart, frame, angle);
    if (at.sector == 0) return {};
    const std::string degrees = std::to_string(at.degrees);
    return mode == "hlp" ? core::signName(at.sign) + degrees : degrees;
}

}  // namespace celmora::graphics
