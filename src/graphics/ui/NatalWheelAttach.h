// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Puts the natal wheel window into the workstation: created once at start-up and
// hidden, redrawn (still hidden) by every Diagnose run right after the frame step,
// shown by the main window's "ホロスコープ図(&Z)" button once a chart exists.

class QPushButton;
class QWidget;

namespace celmora::app {
class Workstation;
}

namespace celmora::graphics {

class Tcirfrm;

inline constexpr const char* noChartForWheelMessage = "診断ボタンがまだ押されていません";

// `mainWindow` owns the wheel window; `horoscopeButton` is enabled and connected.
Tcirfrm* attachNatalWheel(app::Workstation& workstation, QPushButton* horoscopeButton, QWidget* mainWindow);

}  // namespace celmora::graphics
