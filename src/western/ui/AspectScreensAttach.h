// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Puts the aspect screens into the workstation: the settings window (created hidden at
// start-up) and the aspect table of "出生図詳細", refreshed after step 14 of every
// Diagnose run, and the same settings button on the "AI(人工知能)診断" page.

class QPushButton;
class QWidget;

namespace celmora::core {
class DiagnosisRun;
}

namespace celmora::western {

class NatalAspectPanel;
class WesternModule;
class Taspectsetfrm;

struct AspectScreens {
    Taspectsetfrm* settings = nullptr;
    NatalAspectPanel* panel = nullptr;
    QPushButton* aiPageButton = nullptr;  // "SpeedButton1", when an AI page was given
};

// `detailArea` is the chart-detail page's area for subsystem panels (a QVBoxLayout);
// `mainWindow` owns the settings window. On `aiPage` the button "アスペクトオーブ設定"
// ("SpeedButton1") opens the same window: first in the page's box layout when it has
// one, otherwise at the page's top left for the page's own layout to take up.
AspectScreens attachAspectScreens(WesternModule& western, core::DiagnosisRun& run, QWidget* detailArea, QWidget* mainWindow,
                                  QWidget* aiPage = nullptr);

}  // namespace celmora::western
