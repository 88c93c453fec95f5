// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonRecordsScreens.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPushButton>

#include "app/Workstation.h"
#include "platform/EventBoundary.h"
#include "records/PersonTable.h"
#include "records/SidrelHandOver.h"
#include "records/ui/DetailUnit.h"
#include "records/ui/PersonListPanel.h"
#include "records/ui/PersonListSwitch.h"
#include "ui/InpUnit.h"

namespace celmora::records {

PersonRecordsScreens::PersonRecordsScreens(ui::Tinpfrm& window) : QObject(&window), window_(window)
{
    setObjectName("PersonRecordsScreens");
    app::Workstation& ws = window_.workstation();
    PersonTable& persons = ws.persons();
    platform::Messages& messages = *ws.services().messages;

    panel_ = new PersonListPanel(persons, window_.birthBoxes(), messages, window_.personListArea());
    window_.personListArea()->layout()->addWidget(panel_);

    if (auto* host = window_.findChild<QWidget*>("JboxHost")) {
        switch_ = new PersonListSwitch(persons, messages, host);
        host->layout()->addWidget(switch_);
    }
    if (QPushButton* detail = window_.topButton("detailbtn")) {
        connect(detail, &QPushButton::clicked, this, &PersonRecordsScreens::detailbtnClick);
        detail->setEnabled(true);
    }
    if (QPushButton* sidrel = window_.topButton("sidrel")) {
        connect(sidrel, &QPushButton::clicked, this, &PersonRecordsScreens::sidrelClick);
        sidrel->setEnabled(true);
    }
    window_.setArea1Source([&persons] { return persons.area1(); });

    // What was typed into the current row is kept when the program ends.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [&persons, &messages] {
        platform::guarded(messages, [&] {
            if (persons.isOpen()) persons.leaveRow();
        });
    });
}

PersonRecordsScreens::~PersonRecordsScreens() = default;

TDetailfrm& PersonRecordsScreens::detailScreen()
{
    if (detail_ == nullptr) {
        app::Workstation& ws = window_.workstation();
        detail_ = new TDetailfrm(ws.persons(), *ws.services().messages, &window_);
    }
    return *detail_;
}

void PersonRecordsScreens::detailbtnClick()
{
    TDetailfrm& screen = detailScreen();
    screen.show();
    screen.raise();
    screen.activateWindow();
}

void PersonRecordsScreens::sidrelClick()
{
    app::Workstation& ws = window_.workstation();
    platform::guarded(*ws.services().messages, [&] { SidrelHandOver(ws.chart(), ws.services()); });
}

PersonRecordsScreens* attachPersonRecords(ui::Tinpfrm& window)
{
    return new PersonRecordsScreens(window);
}

}  // namespace celmora::records
