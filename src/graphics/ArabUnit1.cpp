// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/ArabUnit1.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"
#include "core/calc1Unit.h"
#include "graphics/WheelFrame.h"

namespace celmora::graphics {

namespace {

struct PartName {
    const char* mark;
    const char* meaning;
};

constexpr PartName partNames[5] = {
    {"財", "財産の増加"}, {"婚", "結婚の予感"}, {"死", "死の予感"}, {"幸", "幸運の予感"}, {"愛", "愛の予感"},
};

}  // namespace

int normaliseArabicAngle(int angle)
{
    if (angle < 0) return angle + 360;
    if (angle > 360) return angle - 360;
    return angle;
}

bool belowHorizon(int asc, int angle)
{
    int e = asc + 180;
    if (e <= 360) return asc <= angle && angle <= e;
    e -= 360;
    return (asc <= angle && angle <= 360) || (0 <= angle && angle <= e);
}

platform::Array1<TArabicObj, 1, 5> computeArabicParts(const core::ChartRecord& chart, const WheelFrame& frame)
{
    namespace pt = core::point;
    const int a = chart.chartAngle[pt::Asc];
    const int sun = chart.chartAngle[pt::Sun];
    const int moon = chart.chartAngle[pt::Moon];
    const int venus = chart.chartAngle[pt::Venus];
    const int jupiter = chart.chartAngle[pt::Jupiter];
    const int angles[5] = {
        a + jupiter - sun,
        a + frame.cuspAngle[7] - venus,
        a + frame.cuspAngle[8] - moon,
        belowHorizon(a, sun) ? a + sun - moon : a + moon - sun,
        a + venus - sun,
    };

    platform::Array1<TArabicObj, 1, 5> parts;
    for (int k = 1; k <= 5; ++k) {
        TArabicObj& part = parts[k];
        part.mark = partNames[k - 1].mark;
        part.meaning = partNames[k - 1].meaning;
        part.angle = normaliseArabicAngle(angles[k - 1]);
        const SignDegree at = signDegreeAt(chart, frame, part.angle);
        if (at.sector != 0) {
            part.signName = core::signName(at.sign);
            part.degreeText = std::to_string(at.degrees);
        }
        part.fullText = part.signName + part.degreeText + "(" + part.meaning + ")";
    }
    return parts;
}

}  // namespace celmora::graphics
