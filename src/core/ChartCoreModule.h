// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The chart core as one module: the arithmetic module, the chart records, the
// ephemeris and house-table lookups and the Diagnose run itself.
//
//   in:  platform::Services (tables, messages, clock, program folder)
//   out: the main ChartRecord filled by steps 1-8 and 10 of every Diagnose run; the
//        run, to which every other module adds its own steps
//
// Created first of the modules; the house-table lookup opens Tokyo on creation.

#include "platform/Services.h"

#include <memory>

namespace celmora::core {

struct ChartRecord;
class DiagnosisRun;
class TDatacalc1;
class Tkoyomifrm;
class Tmandata;
class Tsitukofrm;

class ChartCoreModule {
public:
    // `services` must outlive the module.
    explicit ChartCoreModule(const platform::Services& services);
    ~ChartCoreModule();
    ChartCoreModule(const ChartCoreModule&) = delete;
    ChartCoreModule& operator=(const ChartCoreModule&) = delete;

    // Sets steps 1-8 and 10 of `run` (the chart core's part of every run).
    void wire(DiagnosisRun& run);

    const platform::Services& services() const { return services_; }
    TDatacalc1& datacalc() { return *datacalc_; }
    const TDatacalc1& datacalc() const { return *datacalc_; }
    Tmandata& mandata() { return *mandata_; }
    ChartRecord& chart();
    const ChartRecord& chart() const;
    Tkoyomifrm& koyomi() { return *koyomi_; }
    Tsitukofrm& houses() { return *houses_; }
    DiagnosisRun& run() { return *run_; }

private:
    const platform::Services& services_;
    std::unique_ptr<TDatacalc1> datacalc_;
    std::unique_ptr<Tmandata> mandata_;
    std::unique_ptr<Tkoyomifrm> koyomi_;
    std::unique_ptr<Tsitukofrm> houses_;
    std::unique_ptr<DiagnosisRun> run_;
};

}  // namespace celmora::core
