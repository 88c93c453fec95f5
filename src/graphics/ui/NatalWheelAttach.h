// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Puts the natal wheel window into the workstation: created once at start-up and
// hidden, redrawn (still hidden) by every Diagnose run right after the frame step,
// shown by the main window's "ホロスコープ図(&Z)" button once a chart exists.

class QPushButton;
class QWidget;

namespace celmora::core {
struct ChartRecord;
class DiagnosisRun;
}  // namespace celmora::core
namespace celmora::western {
class WesternModule;
}

namespace celmora::graphics {

class GraphicsModule;
class Tcirfrm;

inline constexpr const char* noChartForWheelMessage = "診断ボタンがまだ押されていません";
// The last Diagnose run ended before the wheel was drawn.
inline constexpr const char* incompleteChartForWheelMessage =
    "前回の診断が途中で終わったため、ホロスコープ図はありません。入力を直してもう一度診断してください。";

// `mainWindow` owns the wheel window; `horoscopeButton` is enabled and connected.
// After step 13 of every run of `run` the wheel is hidden and redrawn from the frame.
Tcirfrm* attachNatalWheel(GraphicsModule& graphics, core::DiagnosisRun& run, core::ChartRecord& chart,
                          const western::WesternModule& western, QPushButton* horoscopeButton, QWidget* mainWindow);

}  // namespace celmora::graphics
