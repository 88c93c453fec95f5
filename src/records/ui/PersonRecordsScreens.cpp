// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonRecordsScreens.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPushButton>

#include "platform/qt/GuardedConnect.h"
#include "records/PersonTable.h"
#include "records/RecordsModule.h"
#include "records/SidrelHandOver.h"
#include "records/ui/DetailUnit.h"
#include "records/ui/PersonListPanel.h"
#include "records/ui/PersonListSwitch.h"

namespace celmora::records {

PersonRecordsScreens::PersonRecordsScreens(RecordsModule& records, const core::ChartRecord& chart,
                                           const PersonScreenPlaces& places)
    : QObject(places.owner), records_(records), chart_(chart), owner_(places.owner)
{
    setObjectName("PersonRecordsScreens");
    PersonTable& persons = records_.persons();
    platform::Messages& messages = *records_.services().messages;

    panel_ = new PersonListPanel(persons, places.boxes, messages, places.listArea);
    places.listArea->layout()->addWidget(panel_);

    if (places.switchHost != nullptr) {
        switch_ = new PersonListSwitch(persons, messages, places.switchHost);
        places.switchHost->layout()->addWidget(switch_);
    }
    if (places.detailButton != nullptr) {
        platform::connectGuarded(places.detailButton, &QPushButton::clicked, this, messages,
                                 &PersonRecordsScreens::detailbtnClick);
        places.detailButton->setEnabled(true);
    }
    if (places.sidrelButton != nullptr) {
        platform::connectGuarded(places.sidrelButton, &QPushButton::clicked, this, messages,
                                 &PersonRecordsScreens::sidrelClick);
        places.sidrelButton->setEnabled(true);
    }

    // What was typed into the current row is kept when the program ends.
    platform::connectGuarded(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, messages, [&persons] {
        if (persons.isOpen()) persons.leaveRow();
    });
}

PersonRecordsScreens::~PersonRecordsScreens() = default;

TDetailfrm& PersonRecordsScreens::detailScreen()
{
    if (detail_ == nullptr) detail_ = new TDetailfrm(records_.persons(), *records_.services().messages, owner_);
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
    SidrelHandOver(chart_, records_.services());
}

PersonRecordsScreens* attachPersonRecords(RecordsModule& records, const core::ChartRecord& chart,
                                          const PersonScreenPlaces& places)
{
    return new PersonRecordsScreens(records, chart, places);
}

}  // namespace celmora::records
