// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ui/AppWiring.h"

#include "graphics/ui/NatalWheelAttach.h"
#include "records/ui/PersonRecordsScreens.h"
#include "ui/InpUnit.h"

#include "app/Workstation.h"
#include "core/ChartRecord.h"
#include "core/ui/TCre_datafrm.h"
#include "core/ui/Tjisafrm.h"
#include "records/PersonTable.h"
#include "ui/DbCustomUnit.h"

#include <QLineEdit>
#include <QPushButton>
#include "western/ui/AspectScreensAttach.h"

namespace celmora::ui {

namespace {

// Birthplace screen, interpolation worksheet and the customisation screen that opens it.
void attachChartCoreScreens(Tinpfrm& window)
{
    auto& ws = window.workstation();
    auto* jisa = new core::Tjisafrm(ws.chart(), *ws.services().messages, &window);
    jisa->setPersonRow(&ws.persons());
    QObject::connect(jisa, &core::Tjisafrm::birthplaceChosen, &window,
                     [&window](const QString& diff) { window.birthBoxes().jisalbl->setText(diff); });
    QObject::connect(window.birthplaceButton(), &QPushButton::clicked, jisa, [jisa] {
        jisa->show();
        jisa->raise();
    });
    window.birthplaceButton()->setEnabled(true);

    auto* worksheet = new core::TCre_datafrm(ws.datacalc(), *ws.services().messages, &window);
    worksheet->setWindowFlag(Qt::Window);
    worksheet->resize(560, 760);
    auto* custom = new TDBCustomfrm(*ws.services().settings, worksheet, &window);
    QPushButton* dbcustom = window.topButton("dbcustom");
    QObject::connect(dbcustom, &QPushButton::clicked, custom, [custom] {
        custom->show();
        custom->raise();
    });
    dbcustom->setEnabled(true);
}

}  // namespace

void attachScreens(Tinpfrm& window)
{
    // Start-up order: the chart core's screens, then the person list, then the chart screens.
    attachChartCoreScreens(window);
    records::attachPersonRecords(window);
    // The natal wheel comes first of the chart screens; the aspect screens read its frame.
    graphics::attachNatalWheel(window.workstation(), window.topButton("horoscope"), &window);
    western::attachAspectScreens(window.workstation(), window.page(Page::ChartDetail)->findChild<QWidget*>("SyosaiExtras"),
                                 &window, window.page(Page::AiReading));
}

}  // namespace celmora::ui
