// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/DetailGrids.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"

namespace celmora::core {

std::vector<GridRow> houseGridRows(const ChartRecord& chart)
{
    std::vector<GridRow> rows;
    for (int n = 1; n <= 12; ++n) {
        rows.push_back({"第" + std::to_string(n) + "ハウス", chart.houseSignName[n], chart.houseDegText[n]});
    }
    return rows;
}

std::vector<GridRow> starGridRows(const ChartRecord& chart)
{
    std::vector<GridRow> rows;
    for (int p = 1; p <= point::lastPlanet; ++p) {
        rows.push_back({std::string(pointName(p)), chart.pointSignName[p], chart.pointDegText[p]});
    }
    return rows;
}

}  // namespace celmora::core
