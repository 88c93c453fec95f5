// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// One person's chart in memory: the birth data and everything the Diagnose run
// computes from it, in the order the run fills it. Plain data with 1-based arrays;
// the main record, the progressed, transit, partner and monthly transit records all
// share this layout (see Tmandata).
//
// Before the first Diagnose run every text is empty and every number 0: an empty
// `name` is how screens know that no chart exists yet. Indexes: house 1..12, point
// 1..13 (ChartPoints.h), harmonic 1..9, divisor body 1..10. All bounds are inclusive.
// Positions are a sign index 1..12 plus degrees within the sign; absolute longitude =
// (sign - 1) * 30 + degrees.

#include "core/BoundedInt.h"
#include "core/SevenGovernorsArea.h"
#include "core/SignIndex.h"
#include "platform/Checked.h"

#include <string>

namespace celmora::core {

template <typename T, int N>
using Array = platform::Array1<T, 1, N>;
template <typename T, int N1, int N2>
using Array2D = platform::Array2<T, 1, N1, 1, N2>;

// signRanking entry.
struct SignCount {
    int sign = 0;
    int count = 0;
    bool operator==(const SignCount&) const = default;
};

// aspectRanking entry.
struct PointCount {
    int count = 0;
    int point = 0;
    bool operator==(const PointCount&) const = default;
};

// strongPlanets entry: the point and its aspect count written as decimal text.
struct StrongPlanet {
    int point = 0;
    std::string countText;
    std::string name;
    bool operator==(const StrongPlanet&) const = default;
};

// aspectAngleFrequency entry: an aspect angle in whole degrees and how often it occurs.
struct AngleCount {
    int angle = 0;
    int count = 0;
    bool operator==(const AngleCount&) const = default;
};

struct ChartRecord {
    // Birth data and derived times (Diagnose run, birth-data reading).
    std::string name;            // as typed; empty until the first run
    std::string birthDateText;   // YYYY/MM/DD, the key into the ephemeris year table
    std::string birthPlace;      // one of the 50 place names, trimmed, or empty
    std::string sex;             // "男" or "女"
    int yearDiff = 0;            // current calendar year - birth year
    int age = 0;                 // completed years on today's date
    int year = 0;                // birth year
    BoundedInt<0, 12> month;
    BoundedInt<0, 31> day;
    BoundedInt<0, 23> hour;      // clock time
    BoundedInt<0, 59> minute;    // clock time
    int localHour = 0;           // after the time difference (Seven-Governors calendar)
    int localMinute = 0;
    std::string birthTimeLabel;  // "09時 05分"
    std::string birthTimeText;   // "09.05.00"
    int timeDiffMinutes = 0;     // birthplace time difference, minutes of time
    std::string timeDiffText;    // as typed ("+19", "-29"), "0" when empty
    std::string localSiderealTime;  // HH.MM.SS
    int moonMansion = 0;         // 1..27, set by the natal wheel

    // Natal house cusps, houses 1..12.
    Array<std::string, 12> houseSignName;
    Array<SignIndex, 12> houseSign;
    Array<std::string, 12> houseDegText;  // degree text
    Array<double, 12> houseDegReal;       // Kakudo2Real of houseDegText
    Array<SignIndex, 12> wholeSignHouse;  // sign of house k, one sign per house from the Ascendant's

    // Current-residence angles: only houses 1 (ASC) and 10 (MC) are ever filled; all
    // twelve are cleared by every Diagnose run.
    Array<std::string, 12> nowHouseSignName;
    Array<SignIndex, 12> nowHouseSign;
    Array<std::string, 12> nowHouseDegText;
    Array<double, 12> nowHouseDegReal;

    // Natal points 1..13 (ASC and MC copied from houses 1 and 10).
    Array<std::string, 13> pointSignName;
    Array<SignIndex, 13> pointSign;
    Array<std::string, 13> pointDegText;  // d.mm
    Array<int, 13> pointDeg;              // 0..30, degrees rounded by the minutes
    Array<double, 13> pointDegReal;       // Kakudo2Real of pointDegText
    Array<SignCount, 12> signRanking;     // bodies 1..10 per sign, sorted by count

    // Harmonic tables, harmonic 1..9 (1 is the natal chart) or divisor body 1..10, point 1..13.
    Array2D<double, 9, 13> harmonicLongitude;  // degrees from 0° of the first sign
    Array2D<double, 9, 13> harmonicDegree;     // Kakudo2Real of harmonicDegreeText
    Array2D<int, 9, 13> harmonicWholeDegree;   // DDHHStr2Int of harmonicDegreeText
    Array2D<std::string, 9, 13> harmonicDegreeText;
    Array2D<SignIndex, 9, 13> harmonicSign;
    // Per harmonic 0..9, bodies 1..10 per quality (cardinal, fixed, mutable, other);
    // row 0 is the sum of rows 2..9.
    platform::Array2<int, 0, 9, 1, 4> harmonicQuality;
    Array2D<int, 9, 14> harmonicSignCount;     // per sign 1..12, odd signs 13, even signs 14
    Array<double, 10> divisionConstant;        // harmonicLongitude[1][k] / 360 + 1
    Array2D<double, 10, 13> dividedLongitude;  // 0 <= value < 360
    Array2D<SignIndex, 10, 13> dividedSign;
    Array2D<int, 10, 13> dividedWholeDegree;   // 0..29
    Array2D<std::string, 10, 13> dividedDegreeText;
    Array2D<int, 10, 14> dividedSignCount;

    // Wheel angles: whole degrees counter-clockwise from 3 o'clock, Ascendant at 180.
    Array<int, 13> chartAngle;          // 0..359; person table "R1".."R13"
    Array<double, 13> chartAngleExact;  // with the fractional degrees of the point

    // Reading summaries.
    int sunHouse = 0;                         // 0..12, 0 when none was found
    Array<PointCount, 13> aspectRanking;      // most aspects first
    std::string strongestPlanetName;
    Array<StrongPlanet, 4> strongPlanets;     // bodies 1..10 with the most aspects
    Array<std::string, 4> weakPlanetNames;    // fewest aspects first
    Array<AngleCount, 11> aspectAngleFrequency;
    Array<std::string, 3> risingBodies;       // "上昇星1".."上昇星3"
    Array<std::string, 3> culminatingBodies;  // "南中星1".."南中星3"
    int patternRightTriangle = 0;
    int patternGrandTrine = 0;
    int patternIsosceles = 0;
    int patternSquare = 0;
    int patternRectangle = 0;
    int hardAspectCount = 0;
    int softAspectCount = 0;
    int workCount = 0;
    int homeCount = 0;
    int beliefCount = 0;
    int senseCount = 0;
    int earlyCount = 0;
    int lateCount = 0;

    SevenGovernorsArea sevenGov;
};

}  // namespace celmora::core
