// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ui/AspectScreensAttach.h"

#include <QBoxLayout>
#include <QPushButton>

#include "core/DiagnosisRun.h"
#include "platform/qt/GuardedConnect.h"
#include "western/WesternModule.h"
#include "western/ui/NatalAspectPanel.h"
#include "western/ui/Taspectsetfrm.h"

namespace celmora::western {

AspectScreens attachAspectScreens(WesternModule& western, core::DiagnosisRun& run, QWidget* detailArea,
                                  QWidget* mainWindow, QWidget* aiPage)
{
    AspectScreens screens;
    screens.settings = new Taspectsetfrm(western, mainWindow);
    screens.settings->hide();
    screens.panel = new NatalAspectPanel(western, *screens.settings, detailArea);
    if (detailArea) {
        if (auto* layout = qobject_cast<QBoxLayout*>(detailArea->layout())) layout->insertWidget(0, screens.panel);
    }
    NatalAspectPanel* panel = screens.panel;
    if (aiPage) {
        auto* button = new QPushButton(panel->AspectEnv->text(), aiPage);
        button->setObjectName("SpeedButton1");
        if (auto* layout = qobject_cast<QBoxLayout*>(aiPage->layout())) {
            layout->insertWidget(0, button, 0, Qt::AlignLeft);
        } else {
            button->move(8, 8);
        }
        platform::connectGuarded(button, &QPushButton::clicked, panel, *western.services().messages,
                                 &NatalAspectPanel::AspectEnvClick);
        screens.aiPageButton = button;
    }
    run.afterStep(core::DiagnosisStep::Aspects, [panel](core::DiagnosisContext&) { panel->refresh(); });
    run.whenSkipped(core::DiagnosisStep::Aspects, [panel](core::DiagnosisContext&) { panel->clear(); });
    return screens;
}

}  // namespace celmora::western
