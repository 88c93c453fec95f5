// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonListSwitch.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>

#include "platform/qt/GuardedConnect.h"
#include "records/PersonTable.h"

namespace celmora::records {

PersonListSwitch::PersonListSwitch(PersonTable& persons, platform::Messages& messages, QWidget* parent)
    : QGroupBox(parent), persons_(persons), messages_(messages)
{
    setObjectName("Jbox");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    first_ = new QRadioButton(QString::fromStdString(PersonTable::listCaption(PersonList::First)), this);
    second_ = new QRadioButton(QString::fromStdString(PersonTable::listCaption(PersonList::Second)), this);
    row->addWidget(first_);
    row->addWidget(second_);
    platform::connectGuarded(first_, &QRadioButton::clicked, this, messages_, [this] { JboxClick(0); });
    platform::connectGuarded(second_, &QRadioButton::clicked, this, messages_, [this] { JboxClick(1); });
    listener_ = persons_.addListener([this](PersonTableChange change) {
        if (change == PersonTableChange::Rows) showOpenList();
    });
    showOpenList();
}

PersonListSwitch::~PersonListSwitch()
{
    persons_.removeListener(listener_);
}

void PersonListSwitch::JboxClick(int index)
{
    const PersonList wanted = index == 0 ? PersonList::First : PersonList::Second;
    // A list that could not be opened leaves the other one chosen.
    const auto showAfter = qScopeGuard([this] { showOpenList(); });
    persons_.open(wanted);
}

void PersonListSwitch::showOpenList()
{
    const QSignalBlocker blockFirst(first_);
    const QSignalBlocker blockSecond(second_);
    (persons_.list() == PersonList::Second ? second_ : first_)->setChecked(true);
}

}  // namespace celmora::records
