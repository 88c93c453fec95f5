// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/DetailUnit.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/EventBoundary.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"
#include "records/ui/PersonGridModel.h"

namespace celmora::records {

TDetailfrm::TDetailfrm(PersonTable& persons, platform::Messages& messages, QWidget* parent)
    : QDialog(parent), persons_(persons), messages_(messages)
{
    setObjectName("TDetailfrm");
    setWindowTitle("ユーザ情報画面");
    platform::fitToScreen(this, QSize(800, 520));
    auto* layout = new QVBoxLayout(this);

    model_ = new PersonGridModel(persons_, personDetailColumns(), messages_, true, this);
    grid_ = new QTableView(this);
    grid_->setObjectName("DBGrid1");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->verticalHeader()->setFixedWidth(14);
    grid_->horizontalHeader()->setMinimumSectionSize(8);  // the narrow columns are 23 px
    for (int c = 0; c < model_->columnCount(); ++c) {
        grid_->setColumnWidth(c, model_->columns()[static_cast<std::size_t>(c)].width);
    }
    layout->addWidget(grid_, 3);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("DBMemo1");
    memo_->setToolTip("メモ欄（自由に書き込み下さい）");
    layout->addWidget(memo_, 2);
    auto* close = new QPushButton("閉じる", this);
    close->setObjectName("closebtn");
    layout->addWidget(close, 0, Qt::AlignRight);

    using platform::connectGuarded;
    connectGuarded(close, &QPushButton::clicked, this, messages_, &QDialog::close);
    connectGuarded(memo_, &QPlainTextEdit::textChanged, this, messages_, [this] {
        if (loading_ || !persons_.isOpen()) return;
        const std::string text = memo_->toPlainText().toStdString();
        const QScopedValueRollback busy(loading_, true);
        if (persons_.field(fields::memo) != text) persons_.setField(fields::memo, text);
    });
    connectGuarded(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, messages_,
                   [this](const QModelIndex& current) {
                       if (loading_ || !current.isValid() || current.row() == persons_.currentRow()) return;
                       // A refused value keeps the cursor on its row; the grid goes back to it.
                       try {
                           persons_.moveToRow(current.row());
                       } catch (...) {
                           showCurrentRow();
                           throw;
                       }
                   });
    connectGuarded(model_, &QAbstractItemModel::modelReset, this, messages_, &TDetailfrm::showCurrentRow);
    listener_ = persons_.addListener([this](PersonTableChange change) {
        if (change != PersonTableChange::CurrentEdited) showCurrentRow();
        loadMemo();
    });
    showCurrentRow();
    loadMemo();
}

TDetailfrm::~TDetailfrm()
{
    persons_.removeListener(listener_);
}

void TDetailfrm::showCurrentRow()
{
    const int row = persons_.currentRow();
    loading_ = true;
    if (row >= 0 && row < model_->rowCount()) {
        const int column = std::max(0, grid_->currentIndex().column());
        grid_->selectionModel()->setCurrentIndex(model_->index(row, column),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        grid_->selectionModel()->clear();
    }
    loading_ = false;
}

void TDetailfrm::loadMemo()
{
    if (loading_ || !persons_.isOpen()) return;
    loading_ = true;
    platform::guarded(messages_, [&] {
        const QString text = QString::fromStdString(persons_.field(fields::memo));
        if (memo_->toPlainText() != text) memo_->setPlainText(text);
    });
    loading_ = false;
}

}  // namespace celmora::records
