// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonSearchPanel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/GuardedConnect.h"
#include "records/PersonTable.h"
#include "records/ui/PersonGridModel.h"

namespace celmora::records {

namespace {

constexpr int rowHeight = 20;

}  // namespace

PersonSearchPanel::PersonSearchPanel(PersonTable& persons, platform::Messages& messages, const Names& names,
                                     std::vector<PersonGridColumn> columns, QWidget* parent)
    : QWidget(parent), persons_(persons), messages_(messages)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    topRow_ = new QHBoxLayout();
    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(names.searchBox);
    searchBox_->setToolTip("検索したい名前を入力します");
    searchBox_->setMaximumWidth(160);
    searchButton_ = new QPushButton("氏名検索", this);
    searchButton_->setObjectName(names.searchButton);
    topRow_->addWidget(searchBox_);
    topRow_->addWidget(searchButton_);
    topRow_->addStretch(1);
    layout->addLayout(topRow_);

    model_ = new PersonGridModel(persons_, std::move(columns), messages_, false, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(names.grid);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->verticalHeader()->setFixedWidth(14);  // the row indicator column
    grid_->horizontalHeader()->setHighlightSections(false);
    // The layout's widths are tight (40 px for "さそり"): clip as a grid does, no "…".
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setWordWrap(false);
    grid_->horizontalHeader()->setMinimumSectionSize(8);  // the narrow columns are 23 px
    // A heading is never cut, though: "太-ASC" needs more than its 35 px in a font of today.
    const QFontMetrics headingFont(grid_->horizontalHeader()->font());
    constexpr int headingPadding = 10;
    for (int c = 0; c < model_->columnCount(); ++c) {
        const QString heading = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        grid_->setColumnWidth(c, std::max(model_->columns()[static_cast<std::size_t>(c)].width,
                                          headingFont.horizontalAdvance(heading) + headingPadding));
    }
    layout->addWidget(grid_, 1);

    using platform::connectGuarded;
    connectGuarded(searchButton_, &QPushButton::clicked, this, messages_, &PersonSearchPanel::search);
    connectGuarded(searchBox_, &QLineEdit::returnPressed, this, messages_, &PersonSearchPanel::search);
    connectGuarded(model_, &PersonGridModel::currentRowChanged, this, messages_, &PersonSearchPanel::showCurrentRow);
    connectGuarded(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, messages_,
                   [this](const QModelIndex& current) {
                       if (current.isValid()) gridRowChosen(current.row());
                   });
    // After a reset the view has no current row: show the list's again.
    connectGuarded(model_, &QAbstractItemModel::modelReset, this, messages_,
                   [this] { showCurrentRow(persons_.currentRow()); });
    showCurrentRow(persons_.currentRow());
}

void PersonSearchPanel::addLeadingWidget(QWidget* widget)
{
    topRow_->insertWidget(0, widget);
}

void PersonSearchPanel::search()
{
    persons_.searchName(searchBox_->text().toStdString());
}

void PersonSearchPanel::showCurrentRow(int row)
{
    syncing_ = true;
    if (row >= 0 && row < model_->rowCount()) {
        const QModelIndex index = model_->index(row, 0);
        grid_->selectionModel()->setCurrentIndex(index,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grid_->scrollTo(index);
    } else {
        grid_->selectionModel()->clear();
    }
    syncing_ = false;
}

void PersonSearchPanel::gridRowChosen(int row)
{
    if (syncing_ || row == persons_.currentRow()) return;
    // A refused value keeps the cursor on its row; the grid goes back to it.
    try {
        persons_.moveToRow(row);
    } catch (...) {
        showCurrentRow(persons_.currentRow());
        throw;
    }
}

}  // namespace celmora::records
