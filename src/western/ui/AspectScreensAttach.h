// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Puts the aspect screens into the workstation: the settings window (created hidden at
// start-up) and the aspect table of "出生図詳細", refreshed after step 14 of every
// Diagnose run.

class QWidget;

namespace celmora::app {
class Workstation;
}

namespace celmora::western {

class NatalAspectPanel;
class Taspectsetfrm;

struct AspectScreens {
    Taspectsetfrm* settings = nullptr;
    NatalAspectPanel* panel = nullptr;
};

// `detailArea` is the chart-detail page's area for subsystem panels (a QVBoxLayout);
// `mainWindow` owns the settings window.
AspectScreens attachAspectScreens(app::Workstation& workstation, QWidget* detailArea, QWidget* mainWindow);

}  // namespace celmora::western
