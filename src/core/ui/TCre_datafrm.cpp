// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ui/TCre_datafrm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/keisan1.h"
#include "platform/qt/GuardedConnect.h"

namespace celmora::core {

namespace {

QTableWidgetItem* cell(const std::string& text)
{
    return new QTableWidgetItem(QString::fromStdString(text));
}

}  // namespace

TCre_datafrm::TCre_datafrm(const TDatacalc1& datacalc, platform::Messages& messages, QWidget* parent)
    : QWidget(parent), datacalc_(datacalc), messages_(messages)
{
    setWindowTitle(QStringLiteral("惑星計算"));

    startday = new QLineEdit(this);
    endday = new QLineEdit(this);
    startfai = new QLineEdit(this);
    endfai = new QLineEdit(this);
    calcbtn = new QPushButton(QStringLiteral("計算"), this);
    Rsabun = new QLineEdit(this);
    Rsabun->setReadOnly(true);
    hyo1 = new QTableWidget(gridRows, 2, this);
    hyo1->horizontalHeader()->hide();
    hyo1->verticalHeader()->hide();
    hyo1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* dates = new QFormLayout;
    dates->addRow(QStringLiteral("開始日"), startday);
    dates->addRow(QStringLiteral("終了日"), endday);
    dates->addRow(QStringLiteral("Φ"), startfai);
    dates->addRow(QStringLiteral("Φ"), endfai);
    dates->addRow(QString(), calcbtn);
    dates->addRow(QStringLiteral("差"), Rsabun);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(dates);
    layout->addWidget(hyo1, 1);

    platform::connectGuarded(calcbtn, &QPushButton::clicked, this, messages_, &TCre_datafrm::calcbtnClick);
}

void TCre_datafrm::calcbtnClick()
{
    const WorksheetResult result =
        calcWorksheet(datacalc_, {startday->text().toStdString(), endday->text().toStdString(),
                                  startfai->text().toStdString(), endfai->text().toStdString()});
    Rsabun->setText(QString::fromStdString(result.difference));
    if (!result.rows) return;
    // Row 0 is the grid's top row; the days go into rows 1..n+1, the rest is cleared.
    for (int row = 1; row < gridRows; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        const bool filled = i < result.rows->size();
        hyo1->setItem(row, 0, cell(filled ? (*result.rows)[i].date : std::string()));
        hyo1->setItem(row, 1, cell(filled ? (*result.rows)[i].angle : std::string()));
    }
}

}  // namespace celmora::core
