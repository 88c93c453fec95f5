// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The interpolation worksheet: a position (h.m.s, or degrees.minutes.seconds) moving
// linearly from a start date to an end date within one month, one row per day.

#include <optional>
#include <string>
#include <vector>

namespace celmora::core {

class TDatacalc1;

struct WorksheetInput {
    std::string startday;  // YYYY/MM/DD
    std::string endday;    // YYYY/MM/DD; only its day of the month is used
    std::string startfai;  // h.m.s
    std::string endfai;    // h.m.s
};

struct WorksheetRow {
    std::string date;   // start year/start month/day, no leading zeros
    std::string angle;  // h.m.s, no leading zeros
    bool operator==(const WorksheetRow&) const = default;
};

struct WorksheetResult {
    std::string difference;  // for Rsabun
    // Rows 1..n+1 of the grid; none when the end day lies before the start day
    // (the grid then keeps what it showed).
    std::optional<std::vector<WorksheetRow>> rows;
};

// calcbtnClick. n = end day - start day; the step per day is the difference between
// the two angles divided by n. A day difference of 0 throws DivisionError, a
// difference above 65535 seconds RangeError, a malformed date ConversionError.
WorksheetResult calcWorksheet(const TDatacalc1& calc, const WorksheetInput& input);

}  // namespace celmora::core
