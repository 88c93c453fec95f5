// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// Start-up: from nothing to the main window shown, on the real program folder
// (tables, settings, pictures), offscreen. Target: well under one second.

#include "app/Workstation.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "platform/Table.h"
#include "ui/AppWiring.h"
#include "ui/InpUnit.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace celmora;

static void BM_MainWindowShown(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "startup_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);

    const auto dirs = platform::ProgramDir(CELMORA_PROGRAM_DIR, CELMORA_PROGRAM_DIR);
    for (auto _ : state) {
        auto tables = platform::makeSqliteTableEngine();
        platform::MemorySettings settings;
        platform::RecordingMessages messages;
        auto clock = platform::makeSystemClock();
        platform::RecordingSound sound;
        platform::RecordingProgramStart programs;
        platform::Services services{dirs, tables.get(), &settings, &messages, clock.get(), &sound, &programs, nullptr};
        app::Workstation ws(services);
        ui::Tinpfrm window(ws.chartCore());
        ui::attachScreens(window, ws);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
