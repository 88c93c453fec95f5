// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ui/AppWiring.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Workstation.h"
#include "core/ChartRecord.h"
#include "core/ui/TCre_datafrm.h"
#include "core/ui/Tjisafrm.h"
#include "graphics/ui/NatalWheelAttach.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"
#include "records/PersonTable.h"
#include "records/RecordsModule.h"
#include "records/ui/PersonRecordsScreens.h"
#include "ui/DbCustomUnit.h"
#include "ui/InpUnit.h"
#include "western/ui/AspectScreensAttach.h"

namespace celmora::ui {

namespace {

// Birthplace screen, interpolation worksheet and the customisation screen that opens it.
void attachChartCoreScreens(Tinpfrm& window, core::ChartCoreModule& chartCore, records::RecordsModule& records)
{
    using platform::connectGuarded;
    const platform::Services& services = chartCore.services();
    platform::Messages& messages = *services.messages;
    auto* jisa = new core::Tjisafrm(chartCore.chart(), messages, &window);
    platform::keepOnScreenWhenShown(jisa);
    jisa->setPersonRow(&records.persons());
    connectGuarded(jisa, &core::Tjisafrm::birthplaceChosen, &window, messages,
                   [&window](const QString& diff, const QString& place) {
                       window.birthBoxes().jisalbl->setText(diff);
                       window.birthBoxes().arealbl->setText(place);
                   });
    connectGuarded(window.birthplaceButton(), &QPushButton::clicked, jisa, messages,
                   [jisa, &records] { jisa->openForPlace(records.persons().area1()); });
    window.birthplaceButton()->setEnabled(true);

    auto* worksheet = new core::TCre_datafrm(chartCore.datacalc(), messages, &window);
    worksheet->setWindowFlag(Qt::Window);
    platform::fitToScreen(worksheet, QSize(560, 760));
    auto* custom = new TDBCustomfrm(*services.settings, messages, worksheet, &window);
    platform::keepOnScreenWhenShown(custom);
    QPushButton* dbcustom = window.topButton(TopButton::DbCustom);
    connectGuarded(dbcustom, &QPushButton::clicked, custom, messages, [custom] {
        custom->show();
        custom->raise();
    });
    dbcustom->setEnabled(true);
}

}  // namespace

void attachScreens(Tinpfrm& window, app::Workstation& workstation)
{
    // Start-up order: the chart core's screens, then the person list, then the chart screens.
    attachChartCoreScreens(window, workstation.chartCore(), workstation.records());
    records::RecordsModule& records = workstation.records();
    records::attachPersonRecords(records, workstation.chart(),
                                 {&window, window.birthBoxes(), window.personListArea(), window.listSwitchHost(),
                                  window.topButton(TopButton::Detail), window.topButton(TopButton::Sidrel)});
    window.setArea1Source([&records] { return records.persons().area1(); });
    // The natal wheel comes first of the chart screens; the aspect screens read its frame.
    graphics::attachNatalWheel(workstation.graphics(), workstation.run(), workstation.chart(), workstation.western(),
                               window.topButton(TopButton::Horoscope), &window);
    western::attachAspectScreens(workstation.western(), workstation.run(), window.chartDetailExtras(), &window,
                                 window.page(Page::AiReading));
    // The attached screens add to the main window's contents: fit it again.
    platform::fitToScreen(&window, window.size());
}

}  // namespace celmora::ui
