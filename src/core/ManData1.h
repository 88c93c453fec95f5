// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The chart data module: the main ChartRecord of the diagnosed person, the two
// redisplay keys of the lazily built reading pages, and the further records of the
// same layout that other subsystems fill (progressed charts per age, transit charts,
// the partner chart, the Indian transit chart, the monthly transit charts).
//
// The main record is allocated with the module. Each further record is allocated on
// its first use and then lives until exit, so that a run that never opens the future,
// compatibility or Seven-Governors pages (celmora-cli diagnose) does not build 238
// records: one not yet used reads exactly as a record created at start-up (every text
// empty, every number 0). References handed out stay valid for the life of the module.

#include <memory>

#include "core/ChartRecord.h"
#include "core/TRedispFlg.h"

namespace celmora::core {

class Tmandata {
public:
    static constexpr int progressedCount = 100;  // one per year of age 1..100
    static constexpr int transitCount = 4;       // 1 year, 2 month, 3 day-time, 4 night
    static constexpr int monthlyYearSlots = 11;
    static constexpr int monthsPerYear = 12;

    Tmandata();
    ~Tmandata();
    Tmandata(const Tmandata&) = delete;
    Tmandata& operator=(const Tmandata&) = delete;

    ChartRecord& chart() { return *main_; }
    const ChartRecord& chart() const { return *main_; }

    // The reading-page guards: compare the main record's name, birthDateText and
    // birthTimeText with those of the page's last computation (see TRedispFlg).
    bool ChangedSinceAiPage();
    bool ChangedSinceBusinessPage();

    ChartRecord& ProgressedChart(int age);  // 1..100
    ChartRecord& TransitChart(int kind);    // 1..4
    ChartRecord& PartnerChart();
    ChartRecord& IndianTransitChart();
    ChartRecord& MonthlyTransitCharts(int yearSlot, int month);  // 1..11, 1..12

    // The record once it has been used, null before: what clears a field of every
    // record need not allocate the ones that still hold their start-up state.
    ChartRecord* ProgressedChartIfUsed(int age);  // 1..100
    ChartRecord* TransitChartIfUsed(int kind);    // 1..4

private:
    struct FurtherRecords;

    std::unique_ptr<ChartRecord> main_;
    TRedispFlg aiPageKey_;
    TRedispFlg businessPageKey_;
    std::unique_ptr<FurtherRecords> further_;
};

}  // namespace celmora::core
