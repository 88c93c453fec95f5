// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A ChartRecord as JSON: every field under its own name, in declared order. A 1-based
// array is a JSON array whose first element is index 1 (harmonicQuality starts at
// row 0); two-dimensional arrays are nested arrays.

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::graphics {
struct WheelFrame;
}
namespace celmora::western {
struct AspectMatrix;
}

namespace celmora::cli {

class JsonWriter;

void writeChart(JsonWriter& writer, const core::ChartRecord& chart);

// The natal wheel's frame (sector and cusp angles, mansions, angle bands) and, for each
// of the 78 point pairs in visiting order, its separation and aspect.
void writeWheel(JsonWriter& writer, const graphics::WheelFrame& frame, const western::AspectMatrix& aspects);

}  // namespace celmora::cli
