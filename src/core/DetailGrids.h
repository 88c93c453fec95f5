// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Rows of the chart-detail page's house grid (seizagrid) and planet grid (stargrid).

#include <array>
#include <string>
#include <vector>

namespace celmora::core {

struct ChartRecord;

using GridRow = std::array<std::string, 3>;

// Houses 1..12: "第" + n + "ハウス", houseSignName[n], houseDegText[n].
std::vector<GridRow> houseGridRows(const ChartRecord& chart);
// Points 1..11: point name, pointSignName[p], pointDegText[p].
std::vector<GridRow> starGridRows(const ChartRecord& chart);

}  // namespace celmora::core
