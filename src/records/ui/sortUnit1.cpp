// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/sortUnit1.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt/GuardedConnect.h"
#include "records/PersonIndexes.h"
#include "records/PersonTable.h"

namespace celmora::records {

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool sameIndex(std::string_view a, std::string_view b)
{
    return QString(q(a)).compare(q(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

Tsortfrm::Tsortfrm(PersonTable& persons, platform::Messages& messages, QWidget* parent)
    : QDialog(parent), persons_(persons), messages_(messages)
{
    setObjectName("Tsortfrm");
    setWindowTitle("並び替え画面");
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox("並び替えるキーを指定", this);
    box->setObjectName("RadioGroup1");
    auto* boxLayout = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < sortItems.size(); ++i) {
        auto* button = new QRadioButton(q(sortItems[i].caption), box);
        boxLayout->addWidget(button);
        group_->addButton(button, static_cast<int>(i));
        items_.push_back(button);
    }
    layout->addWidget(box);
    auto* close = new QPushButton("閉じる", this);
    close->setObjectName("closebtn");
    layout->addWidget(close, 0, Qt::AlignRight);

    platform::connectGuarded(group_, &QButtonGroup::idClicked, this, messages_, &Tsortfrm::RadioGroup1Click);
    platform::connectGuarded(close, &QPushButton::clicked, this, messages_, &QDialog::close);
    listener_ = persons_.addListener([this](PersonTableChange change) {
        if (change == PersonTableChange::Rows) showOrder();
    });
    showOrder();
}

Tsortfrm::~Tsortfrm()
{
    persons_.removeListener(listener_);
}

int Tsortfrm::checkedItem() const
{
    return group_->checkedId();
}

void Tsortfrm::RadioGroup1Click(int index)
{
    if (index < 0 || index >= static_cast<int>(sortItems.size())) return;
    // The checked item shows the actual order, also when this one was refused.
    const auto showAfter = qScopeGuard([this] { showOrder(); });
    persons_.setOrder(sortItems[static_cast<std::size_t>(index)].index);
}

void Tsortfrm::showOrder()
{
    if (!persons_.isOpen()) return;
    // Entry order is the primary order or its own index "NO": the last item.
    std::string order = persons_.order();
    if (order.empty()) order = std::string(entryOrderIndex);
    for (std::size_t i = 0; i < sortItems.size(); ++i) {
        if (!sameIndex(sortItems[i].index, order)) continue;
        const QSignalBlocker block(group_);
        items_[i]->setChecked(true);
    }
}

}  // namespace celmora::records
