// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A hand-made chart whose wheel is worked out on paper below, for the wheel and
// aspect tests. The degree texts go through the arithmetic module as the Diagnose run
// does, so the test values follow from the texts alone.
//
// Ascendant 獅子 29.36 (29.6 degrees, rounds to 30): ascSignStart = 150.
// Sectors: 1 獅子 150, 2 乙女 180, 3 天秤 210, 4 さそり 240, 5 射手 270, 6 山羊 300,
//          7 水瓶 330, 8 うお 0, 9 牡羊 30, 10 牡牛 60, 11 双子 90, 12 かに 120.
// Cusps:   1 180, 2 204, 3 233, 4 266, 5 299, 6 332, 7 0, 8 24, 9 53, 10 86, 11 119, 12 152.

#include "core/ChartRecord.h"
#include "core/DataUnit1.h"
#include "core/calc1Unit.h"
#include "platform/Messages.h"

#include <string>
#include <utility>

namespace celmora::testing {

struct PointText {
    const char* sign;
    const char* degrees;
};

inline void setHouse(core::ChartRecord& c, const core::TDatacalc1& calc, int i, PointText p)
{
    c.houseSignName[i] = p.sign;
    c.houseSign[i] = core::seiza2id(p.sign);
    c.houseDegText[i] = p.degrees;
    c.houseDegReal[i] = calc.Kakudo2Real(p.degrees);
}

inline void setPoint(core::ChartRecord& c, const core::TDatacalc1& calc, int b, PointText p)
{
    c.pointSignName[b] = p.sign;
    c.pointSign[b] = core::seiza2id(p.sign);
    c.pointDegText[b] = p.degrees;
    c.pointDeg[b] = calc.DDHHStr2Int(p.degrees);
    c.pointDegReal[b] = calc.Kakudo2Real(p.degrees);
}

// Houses as the house-table step writes them, ASC and MC copied into points 12 and 13.
inline void setHouses(core::ChartRecord& c, const core::TDatacalc1& calc, const PointText (&cusps)[12])
{
    for (int i = 1; i <= 12; ++i) setHouse(c, calc, i, cusps[i - 1]);
    for (int k = 1; k <= 12; ++k) {
        const int s = c.houseSign[1] + k - 1;
        c.wholeSignHouse[k] = core::SignIndex(s > 12 ? s - 12 : s);
    }
    for (auto [b, h] : {std::pair{12, 1}, std::pair{13, 10}}) {
        c.pointSignName[b] = c.houseSignName[h];
        c.pointSign[b] = c.houseSign[h];
        c.pointDegText[b] = c.houseDegText[h];
        c.pointDeg[b] = platform::roundHalfEven(c.houseDegReal[h]);
        c.pointDegReal[b] = c.houseDegReal[h];
    }
}

inline constexpr PointText workedCusps[12] = {
    {"獅子", "29.36"}, {"乙女", "24.10"}, {"天秤", "23.05"}, {"さそり", "25.40"}, {"射手", "29.12"}, {"水瓶", "1.30"},
    {"水瓶", "29.36"}, {"うお", "24.10"}, {"牡羊", "23.05"}, {"牡牛", "25.40"}, {"双子", "29.12"}, {"獅子", "1.30"}};

// Bodies 1..11. The Sun at 牡牛 14.31: chartAngle 60 + 15 = 75, chartAngleExact 74.5.
inline constexpr PointText workedBodies[11] = {
    {"牡牛", "14.31"}, {"うお", "28.50"}, {"牡羊", "29.10"}, {"双子", "3.20"}, {"山羊", "17.45"}, {"乙女", "14.40"},
    {"さそり", "15.00"}, {"射手", "2.05"}, {"山羊", "10.55"}, {"天秤", "8.20"}, {"かに", "21.00"}};

inline core::ChartRecord workedChart()
{
    platform::RecordingMessages quiet;
    const core::TDatacalc1 calc;
    core::ChartRecord c;
    c.name = "試験 花子";
    c.birthDateText = "1975/05/05";
    c.birthTimeLabel = "09時 05分";
    c.timeDiffText = "+19";
    setHouses(c, calc, workedCusps);
    for (int b = 1; b <= 11; ++b) setPoint(c, calc, b, workedBodies[b - 1]);
    return c;
}

}  // namespace celmora::testing
