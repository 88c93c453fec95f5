// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// One headless Diagnose run with the chart-core steps only (reset, birth data,
// birthplace table, labels, sidereal time, houses, planet positions) on the installed
// data of the build: warm, with the year and house tables kept open between runs,
// against reopening the year table on every call (and also the house table with its
// index). The other subsystems' steps are left out, so no person table is touched.

#include "core/BirthInput.h"
#include "core/ChartCoreModule.h"
#include "core/DiagnosisRun.h"
#include "core/ManData1.h"
#include "core/koyomiDB.h"
#include "core/situkohyodb.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "support/TestServices.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace celmora;

bool haveData()
{
    const std::filesystem::path dir(CELMORA_PROGRAM_DIR);
    return std::filesystem::exists(dir / "db" / "1980.db") && std::filesystem::exists(dir / "precidus" / "Tokyo.db");
}

void runDiagnose(benchmark::State& state, bool reopenYear, bool reopenHouses)
{
    if (!haveData()) {
        state.SkipWithError("no installed ephemeris and house tables in the program folder");
        return;
    }
    testing::TestServices bench(platform::ProgramDir(CELMORA_PROGRAM_DIR, CELMORA_PROGRAM_DIR),
                                platform::makeSqliteTableEngine(), platform::Date{2024, 6, 15});
    // The chart core alone: the steps of the run that read the tables.
    core::ChartCoreModule chartCore(bench.services);
    core::DiagnosisRun& run = chartCore.run();
    chartCore.wire(run);
    chartCore.koyomi().setReopenEveryCall(reopenYear);
    chartCore.houses().setReopenEveryCall(reopenHouses);
    const core::BirthInput input{"試験", "1980", "01", "01", "09", "05", "男", "+19", "東京"};
    if (!run.run(input)) {
        state.SkipWithError("the Diagnose run did not complete");
        return;
    }
    for (auto _ : state) {
        bench.messages.list.clear();
        benchmark::DoNotOptimize(run.run(input));
    }
}

void BM_DiagnoseWarm(benchmark::State& state)
{
    runDiagnose(state, false, false);
}
void BM_DiagnoseReopenYearTable(benchmark::State& state)
{
    runDiagnose(state, true, false);
}
void BM_DiagnoseReopenYearAndHouseTables(benchmark::State& state)
{
    runDiagnose(state, true, true);
}

BENCHMARK(BM_DiagnoseWarm)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DiagnoseReopenYearTable)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DiagnoseReopenYearAndHouseTables)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
