// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/ui/NatalWheelAttach.h"

#include "app/Workstation.h"
#include "core/ChartRecord.h"
#include "core/DiagnosisRun.h"
#include "graphics/ui/CirUnit.h"
#include "platform/Messages.h"

#include <QPushButton>

namespace celmora::graphics {

Tcirfrm* attachNatalWheel(app::Workstation& workstation, QPushButton* horoscopeButton, QWidget* mainWindow)
{
    auto* wheel = new Tcirfrm(workstation, mainWindow);
    wheel->hide();
    workstation.run().afterStep(core::DiagnosisStep::NatalWheel, [wheel](core::DiagnosisContext&) {
        wheel->hide();
        wheel->redrawFromFrame();
    });
    if (horoscopeButton) {
        QObject::connect(horoscopeButton, &QPushButton::clicked, wheel, [wheel, &workstation] {
            if (workstation.chart().name.empty()) {
                workstation.services().messages->information(noChartForWheelMessage);
                return;
            }
            wheel->show();
            wheel->raise();
            wheel->activateWindow();
        });
        horoscopeButton->setEnabled(true);
    }
    return wheel;
}

}  // namespace celmora::graphics
