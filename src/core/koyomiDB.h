// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Planet positions from the ephemeris year tables (the logic of the ephemeris screen).
//
//   in:  a chart record's year, birthDateText, hour, minute;
//        the main record's house cusps 1 and 10 (ASC, MC);
//        table "<program>/db/<year>" (EphemerisYearTable), one row per day
//   out: the record's point fields 1..13, then the harmonic step on the same record
//
// Positions are tabulated, not computed: the Sun and the Moon are moved from the
// day's 0 h (Moon also 12 h) row by a coarse per-hour correction, every other body
// is taken as tabulated for the whole day.

#include <functional>
#include <memory>
#include <string>

namespace celmora::platform {
struct Services;
class Messages;
class Table;
class TableEngine;
}  // namespace celmora::platform

namespace celmora::core {

struct ChartRecord;
class TDatacalc1;

// Field names of an ephemeris year table, in table order; the primary key is "YYMMDD".
namespace ephemeris {
inline constexpr const char* dateField = "YYMMDD";
inline constexpr const char* sunSign = "WIN太陽";
inline constexpr const char* sunDeg = "RAD太陽";
inline constexpr const char* moon0Sign = "WIN月0";
inline constexpr const char* moon0Deg = "RAD月0";
inline constexpr const char* moon12Sign = "WIN月1";
inline constexpr const char* moon12Deg = "RAD月1";
inline constexpr const char* nodeSign = "WINドラ";
inline constexpr const char* nodeDeg = "RADドラ";
// Mercury .. Pluto, points 3..10: "WIN" + name and "RAD" + name.
inline constexpr const char* planetFieldNames[] = {"水星", "金星",   "火星",   "木星",
                                                   "土星", "天王星", "海王星", "冥王星"};
}  // namespace ephemeris

// The Sun's hour correction in minutes of arc: hour * 2.5 rounded half to even
// (the birth minute is not used).
int sunHourCorrection(int hour);
// The Moon's correction in minutes of arc from its 0 h (hour < 12) or 12 h row:
// 30' per hour since that row plus 5' per whole ten minutes.
int moonHourCorrection(int hour, int minute);

class Tkoyomifrm {
public:
    // `mainChart` supplies ASC and MC for every record filled.
    Tkoyomifrm(const platform::Services& services, const TDatacalc1& datacalc, const ChartRecord& mainChart);
    ~Tkoyomifrm();
    Tkoyomifrm(const Tkoyomifrm&) = delete;
    Tkoyomifrm& operator=(const Tkoyomifrm&) = delete;

    // Fills the point fields 1..13 of `record` from its year table, then runs the
    // harmonic step on it. Returns false after telling the user when the year table
    // is missing or unreadable or the day is not in it (" not found at
    // Tkoyomifrm.get_planet."); the record's fields are then unchanged.
    bool get_planet(ChartRecord& record);

    // The harmonic tables of a record just filled (computed by the harmonic-chart
    // subsystem; until it is set, nothing).
    void setComputeHarmonics(std::function<void(ChartRecord&)> step);

    // The year table stays open between calls and is reused while the year is the
    // same (a lookup reads the same rows as after reopening). With `reopen` set every
    // call closes and reopens it, as the ephemeris screen originally did.
    void setReopenEveryCall(bool reopen) { reopenEveryCall_ = reopen; }
    // Closes the year table; the ephemeris maintenance screens call this after they
    // have changed or replaced a year table.
    // @warning A table changed on disk behind an open component is not seen until then.
    void closeTable();

    const std::string& folder() const { return folder_; }

private:
    bool openYearTable(int year);

    platform::TableEngine& engine_;
    platform::Messages& messages_;
    const TDatacalc1& datacalc_;
    const ChartRecord& mainChart_;
    std::string folder_;
    // Installed data (the program folder's tables) is opened read-only: never written.
    bool installed_;
    std::unique_ptr<platform::Table> table_;
    int openYear_ = 0;
    bool reopenEveryCall_ = false;
    std::function<void(ChartRecord&)> computeHarmonics_;
};

}  // namespace celmora::core
