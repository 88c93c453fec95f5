// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonRecordsScreens.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPushButton>

#include "platform/EventBoundary.h"
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
        connect(places.detailButton, &QPushButton::clicked, this, &PersonRecordsScreens::detailbtnClick);
        places.detailButton->setEnabled(true);
    }
    if (places.sidrelButton != nullptr) {
        connect(places.sidrelButton, &QPushButton::clicked, this, &PersonRecordsScreens::sidrelClick);
        places.sidrelButton->setEnabled(true);
    }

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
    platform::guarded(*records_.services().messages, [&] { SidrelHandOver(chart_, records_.services()); });
}

PersonRecordsScreens* attachPersonRecords(RecordsModule& records, const core::ChartRecord& chart,
                                          const PersonScreenPlaces& places)
{
    return new PersonRecordsScreens(records, chart, places);
}

}  // namespace celmora::records
