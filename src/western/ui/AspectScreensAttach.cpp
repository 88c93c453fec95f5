// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ui/AspectScreensAttach.h"

#include "app/Workstation.h"
#include "core/DiagnosisRun.h"
#include "western/ui/NatalAspectPanel.h"
#include "western/ui/Taspectsetfrm.h"

#include <QBoxLayout>

namespace celmora::western {

AspectScreens attachAspectScreens(app::Workstation& workstation, QWidget* detailArea, QWidget* mainWindow)
{
    AspectScreens screens;
    screens.settings = new Taspectsetfrm(workstation, mainWindow);
    screens.settings->hide();
    screens.panel = new NatalAspectPanel(workstation, *screens.settings, detailArea);
    if (detailArea) {
        if (auto* layout = qobject_cast<QBoxLayout*>(detailArea->layout())) layout->insertWidget(0, screens.panel);
    }
    NatalAspectPanel* panel = screens.panel;
    workstation.run().afterStep(core::DiagnosisStep::Aspects, [panel](core::DiagnosisContext&) { panel->refresh(); });
    return screens;
}

}  // namespace celmora::western
