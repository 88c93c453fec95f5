// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ui/Tjisafrm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/JisaUnit.h"
#include "core/situkohyodb.h"
#include "platform/Messages.h"
#include "platform/qt/GuardedConnect.h"

namespace celmora::core {

Tjisafrm::Tjisafrm(ChartRecord& mainChart, platform::Messages& messages, QWidget* parent)
    : QDialog(parent), mainChart_(mainChart), messages_(messages)
{
    setWindowTitle(QStringLiteral("出生地指定による時差の設定と室項表の設定"));

    // The padded names line up the time differences in a fixed-pitch face.
    AreaListBox = new QListWidget(this);
    AreaListBox->setFlow(QListView::TopToBottom);
    AreaListBox->setWrapping(true);
    AreaListBox->setResizeMode(QListView::Adjust);
    AreaListBox->setUniformItemSizes(true);
    AreaListBox->setFont(QFont(QStringLiteral("Noto Sans Mono CJK JP")));
    AreaListBox->setMinimumSize(480, 360);
    for (int no = 1; no <= placeCount; ++no) AreaListBox->addItem(QString::fromStdString(areaListItem(no)));

    SelSituko = new QGroupBox(QStringLiteral("経度別室項表の指定"), this);
    SelSituko->setToolTip(QStringLiteral("左図から地域を指定すればここは自動的に選択されます。"));
    SelSitukoItems = new QButtonGroup(this);
    auto* radios = new QVBoxLayout(SelSituko);
    for (int t = 0; t < static_cast<int>(houses::captions.size()); ++t) {
        auto* radio = new QRadioButton(
            QString::fromUtf8(houses::captions[static_cast<std::size_t>(t)].data(),
                              static_cast<qsizetype>(houses::captions[static_cast<std::size_t>(t)].size())),
            SelSituko);
        SelSitukoItems->addButton(radio, t);
        radios->addWidget(radio);
    }

    okbtn = new QPushButton(QStringLiteral("確認"), this);
    okbtn->setDefault(true);  // Enter confirms, and with nothing chosen says so
    cancelbtn = new QPushButton(QStringLiteral("キャンセル"), this);
    status_ = new QLabel(QStringLiteral("生まれた地域に一番近い場所を指定して下さい。"), this);

    auto* side = new QVBoxLayout;
    side->addWidget(SelSituko);
    side->addStretch(1);
    side->addWidget(okbtn);
    side->addWidget(cancelbtn);
    auto* body = new QHBoxLayout;
    body->addWidget(AreaListBox, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(status_);

    using platform::connectGuarded;
    connectGuarded(AreaListBox, &QListWidget::itemClicked, this, messages_, &Tjisafrm::AreaListBoxClick);
    // The selection, not the current row: a list view makes its first item current on
    // focus without selecting it, which must not choose 那覇.
    connectGuarded(AreaListBox, &QListWidget::itemSelectionChanged, this, messages_, &Tjisafrm::AreaListBoxClick);
    connectGuarded(okbtn, &QPushButton::clicked, this, messages_, &Tjisafrm::okbtnClick);
    connectGuarded(cancelbtn, &QPushButton::clicked, this, messages_, &QDialog::reject);
}

int Tjisafrm::selectedPlace() const
{
    const QList<QListWidgetItem*> selected = AreaListBox->selectedItems();
    return selected.isEmpty() ? 0 : AreaListBox->row(selected.front()) + 1;
}

void Tjisafrm::openForPlace(const std::string& area1)
{
    const int no = findPlace(area1);
    AreaListBox->clearSelection();
    if (no > 0) {
        QListWidgetItem* item = AreaListBox->item(no - 1);
        AreaListBox->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        AreaListBox->scrollToItem(item);
    } else {
        AreaListBox->setCurrentItem(nullptr, QItemSelectionModel::Clear);
    }
    AreaListBoxClick();
    show();
    raise();
    // Shown once, the list lays out its columns now; scroll again so the item is in view.
    if (no > 0) AreaListBox->scrollToItem(AreaListBox->item(no - 1));
}

void Tjisafrm::AreaListBoxClick()
{
    const int no = selectedPlace();
    if (no == 0) {
        // No radio item stays set for a place that is not chosen.
        SelSitukoItems->setExclusive(false);
        for (QAbstractButton* radio : SelSitukoItems->buttons()) radio->setChecked(false);
        SelSitukoItems->setExclusive(true);
        return;
    }
    if (QAbstractButton* radio = SelSitukoItems->button(place(no).houseTable)) radio->setChecked(true);
}

void Tjisafrm::okbtnClick()
{
    const int no = selectedPlace();
    if (no == 0) {
        messages_.information("出生地が指定されていません。");
        return;
    }
    // A place that cannot be written keeps the screen open (the error ends the click).
    const std::string diff = ChooseBirthplace(mainChart_, personRow_, no);
    emit birthplaceChosen(QString::fromStdString(diff),
                          QString::fromUtf8(place(no).name.data(), static_cast<qsizetype>(place(no).name.size())));
    accept();
}

}  // namespace celmora::core
