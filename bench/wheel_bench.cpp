// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The natal wheel: the frame and the aspect table of one chart (targets: well under
// 100 µs), and the whole wheel drawn into a PNG file as the command-line program does
// it (target: well under 50 ms), beside the same drawing into an image without the
// file, to show what encoding costs.

#include "core/ChartRecord.h"
#include "graphics/NatalWheel.h"
#include "graphics/WheelFrame.h"
#include "graphics/WorkedChart.h"
#include "platform/Messages.h"
#include "platform/qt/FileOutput.h"
#include "western/ASPDB1.h"
#include "western/AspectUnit1.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace celmora;

namespace {

// A 1000-pixel-high screen: window width 1000 − 90, image side 903.
constexpr int side = 903;

western::AspectTable shippedDefinitions()
{
    western::AspectTable t;
    t.assign({{"合", "HARD", 0, 8, "", ""},     {"衝", "HARD", 180, 8, "", ""},   {"矩", "HARD", 90, 7, "", ""},
              {"三分", "SOFT", 120, 7, "", ""}, {"一五〇", "HARD", 150, 3, "", ""}, {"六分", "SOFT", 60, 5, "", ""},
              {"半矩", "HARD", 45, 2, "", ""},  {"一三五", "HARD", 135, 2, "", ""}, {"半六分", "SOFT", 30, 2, "", ""},
              {"五分", "SOFT", 72, 2, "", ""},  {"倍五分", "SOFT", 144, 2, "", ""}});
    return t;
}

void ensureGuiApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wheel_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace

static void BM_FrameAndAspects(benchmark::State& state)
{
    const core::ChartRecord worked = testing::workedChart();
    const western::AspectTable definitions = shippedDefinitions();
    platform::RecordingMessages messages;
    for (auto _ : state) {
        core::ChartRecord chart = worked;
        graphics::WheelFrame frame;
        western::AspectMatrix matrix;
        graphics::computeWheelFrame(chart, frame, messages);
        western::buildAspectTable(chart, frame, definitions, matrix);
        benchmark::DoNotOptimize(chart.hardAspectCount);
    }
}
BENCHMARK(BM_FrameAndAspects);

static void BM_WheelToPng(benchmark::State& state)
{
    ensureGuiApplication();
    core::ChartRecord chart = testing::workedChart();
    platform::RecordingMessages messages;
    graphics::WheelFrame frame;
    graphics::NatalWheel wheel(platform::ProgramDir(CELMORA_PROGRAM_DIR, CELMORA_PROGRAM_DIR), messages);
    wheel.setSide(side);
    const std::string path = (std::filesystem::temp_directory_path() / "celmora-wheel-bench.png").string();
    for (auto _ : state) {
        wheel.Redisp(chart, frame);
        const bool ok = platform::drawToPng({side, side}, [&wheel](platform::Canvas& c) { wheel.paint(c); }, path);
        if (!ok) state.SkipWithError("PNG not written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WheelToPng)->Unit(benchmark::kMillisecond);

static void BM_WheelPaintedWithoutFile(benchmark::State& state)
{
    ensureGuiApplication();
    core::ChartRecord chart = testing::workedChart();
    platform::RecordingMessages messages;
    graphics::WheelFrame frame;
    graphics::NatalWheel wheel(platform::ProgramDir(CELMORA_PROGRAM_DIR, CELMORA_PROGRAM_DIR), messages);
    wheel.setSide(side);
    platform::DisplayList list;
    for (auto _ : state) {
        wheel.Redisp(chart, frame);
        platform::RecordingCanvas canvas({side, side});
        wheel.paint(canvas);
        const QImage image = platform::renderImage(canvas.displayList());
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WheelPaintedWithoutFile)->Unit(benchmark::kMillisecond);
