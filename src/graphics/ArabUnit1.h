// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The five Arabic parts of the natal wheel: sensitive points found by adding the
// distance between two points to the Ascendant, each read as a sign and degrees.
//
//   in:  the chart's chartAngle (Ascendant, Sun, Moon, Venus, Jupiter), cusps 7 and 8
//   out: five TArabicObj with angle, sign, degrees and the hint text

#include "platform/Checked.h"

#include <string>

namespace celmora::core {
struct ChartRecord;
}

namespace celmora::graphics {

struct WheelFrame;

struct TArabicObj {
    std::string mark;        // one character on the wheel: "財", "婚", "死", "幸", "愛"
    std::string meaning;     // "財産の増加", ...
    std::string fullText;    // sign short name + degrees + "(" + meaning + ")": 牡羊12(財産の増加)
    std::string signName;    // short name of the sign holding the part
    std::string degreeText;  // whole degrees into that sign, decimal
    int angle = 0;           // chart angle 0..360 (360 is kept as it was computed)
};

// Brings A + x − y back into the circle once: below 0 gains 360, above 360 loses 360;
// exactly 360 stays.
int normaliseArabicAngle(int angle);

// True when `angle` lies on the arc from the Ascendant `asc` counter-clockwise to
// asc + 180, both ends included: the half of the wheel below the horizon.
bool belowHorizon(int asc, int angle);

// The five parts: 1 財 A + Jupiter − Sun, 2 婚 A + cusp 7 − Venus, 3 死 A + cusp 8 − Moon,
// 4 幸 A + Sun − Moon when the Sun is below the horizon, else A + Moon − Sun,
// 5 愛 A + Venus − Sun. The sign and degrees come from the half-open sectors of the
// frame: a part exactly on a sector boundary is 0 degrees of the later sign.
platform::Array1<TArabicObj, 1, 5> computeArabicParts(const core::ChartRecord& chart, const WheelFrame& frame);

}  // namespace celmora::graphics
