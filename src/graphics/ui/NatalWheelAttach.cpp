// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/ui/NatalWheelAttach.h"

#include <QPushButton>

#include "core/ChartRecord.h"
#include "core/DiagnosisRun.h"
#include "graphics/GraphicsModule.h"
#include "graphics/ui/CirUnit.h"
#include "platform/Messages.h"
#include "platform/qt/GuardedConnect.h"

namespace celmora::graphics {

Tcirfrm* attachNatalWheel(GraphicsModule& graphics, core::DiagnosisRun& run, core::ChartRecord& chart,
                          const western::WesternModule& western, QPushButton* horoscopeButton, QWidget* mainWindow)
{
    auto* wheel = new Tcirfrm(graphics, chart, western, mainWindow);
    wheel->hide();
    run.afterStep(core::DiagnosisStep::NatalWheel, [wheel](core::DiagnosisContext&) {
        wheel->hide();
        wheel->redrawFromFrame();
    });
    // The picture of a run that ended before the wheel would be the previous person's.
    run.whenSkipped(core::DiagnosisStep::NatalWheel, [wheel](core::DiagnosisContext&) { wheel->hide(); });
    if (horoscopeButton) {
        platform::Messages& messages = *graphics.services().messages;
        platform::connectGuarded(horoscopeButton, &QPushButton::clicked, wheel, messages,
                                 [wheel, &messages, &chart, &run] {
                                     if (chart.name.empty()) {
                                         messages.information(noChartForWheelMessage);
                                         return;
                                     }
                                     if (run.endedAt() && *run.endedAt() <= core::DiagnosisStep::NatalWheel) {
                                         messages.information(incompleteChartForWheelMessage);
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
