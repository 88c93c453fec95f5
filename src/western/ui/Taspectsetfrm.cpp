// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ui/Taspectsetfrm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"
#include "western/ASPDB1.h"
#include "western/WesternModule.h"
#include "western/ui/AspectDefinitionsModel.h"

namespace celmora::western {

Taspectsetfrm::Taspectsetfrm(WesternModule& western, QWidget* parent) : QWidget(parent), western_(western)
{
    setObjectName("aspectsetfrm");
    setWindowTitle("アスペクトの設定");
    setWindowFlag(Qt::Window);
    auto* layout = new QVBoxLayout(this);

    const auto& services = western_.services();
    try {
        table_ = services.tables->open(western_.editableAspectFolder(), aspectTableName);
    } catch (const platform::TableError& e) {
        openError_ = e.what();
    }

    navigator = new QToolBar(this);
    navigator->setObjectName("DBNavigator1");
    layout->addWidget(navigator);

    grid = new QTableView(this);
    grid->setObjectName("DBGrid1");
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    layout->addWidget(grid, 2);

    layout->addWidget(new QLabel("メモ", this));
    memo = new QPlainTextEdit(this);
    memo->setObjectName("DBMemo1");
    layout->addWidget(memo, 1);

    auto* bottom = new QHBoxLayout();
    status = new QLabel(aspectSettingsStatus, this);
    status->setObjectName("StatusBar1");
    status->setWordWrap(true);
    bottom->addWidget(status, 1);
    CloseBtn = new QPushButton("閉じる", this);
    CloseBtn->setObjectName("CloseBtn");
    bottom->addWidget(CloseBtn);
    layout->addLayout(bottom);
    platform::connectGuarded(CloseBtn, &QPushButton::clicked, this, *services.messages, &Taspectsetfrm::CloseBtnClick);

    if (table_) {
        // Edit mode from the start: every cell of the grid can be typed over.
        model_ = new AspectDefinitionsModel(*table_, *services.messages, this);
        grid->setModel(model_);
        grid->horizontalHeader()->setStretchLastSection(false);
        grid->setColumnWidth(0, 200);
        platform::connectGuarded(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                                 *services.messages, [this](const QModelIndex& current) { showRow(current.row()); });
        if (model_->rowCount() > 0) grid->setCurrentIndex(model_->index(0, 0));
    } else {
        grid->setEnabled(false);
        memo->setEnabled(false);
        memo->setPlainText(QString::fromStdString(openError_));
    }
    buildNavigator();
    platform::fitToScreen(this, QSize(640, 520));
}

Taspectsetfrm::~Taspectsetfrm() = default;

void Taspectsetfrm::buildNavigator()
{
    platform::Messages& messages = *western_.services().messages;
    auto step = [this, &messages](const char* caption, auto target) {
        QAction* a = navigator->addAction(QString::fromUtf8(caption));
        a->setEnabled(model_ != nullptr);
        platform::connectGuarded(a, &QAction::triggered, this, messages, [this, target] {
            const int rows = model_->rowCount();
            if (rows == 0) return;
            const int row = std::clamp(target(grid->currentIndex().row(), rows), 0, rows - 1);
            grid->setCurrentIndex(model_->index(row, std::max(0, grid->currentIndex().column())));
        });
    };
    step("先頭", [](int, int) { return 0; });
    step("前へ", [](int row, int) { return row - 1; });
    step("次へ", [](int row, int) { return row + 1; });
    step("最後", [](int, int rows) { return rows - 1; });
    navigator->addSeparator();
    QAction* add = navigator->addAction("追加");
    add->setEnabled(model_ != nullptr);
    platform::connectGuarded(add, &QAction::triggered, this, messages, [this] {
        saveMemo();
        const int row = model_->appendRow();
        if (row >= 0) grid->setCurrentIndex(model_->index(row, 0));
    });
    QAction* remove = navigator->addAction("削除");
    remove->setEnabled(model_ != nullptr);
    platform::connectGuarded(remove, &QAction::triggered, this, messages, [this] {
        const int row = grid->currentIndex().row();
        if (row < 0) return;
        if (!western_.services().messages->askYesNo("このアスペクトの定義を削除しますか？")) return;
        memoRow_ = -1;
        model_->removeRowAt(row);
        const int rows = model_->rowCount();
        if (rows > 0) {
            grid->setCurrentIndex(model_->index(std::min(row, rows - 1), 0));
        } else {
            memo->clear();
        }
    });
}

void Taspectsetfrm::showRow(int row)
{
    saveMemo();
    memoRow_ = row;
    memo->setPlainText(model_ ? model_->memo(row) : QString());
    memo->document()->setModified(false);
}

void Taspectsetfrm::saveMemo()
{
    if (!model_ || memoRow_ < 0 || !memo->document()->isModified()) return;
    model_->setMemo(memoRow_, memo->toPlainText());
    memo->document()->setModified(false);
}

void Taspectsetfrm::CloseBtnClick()
{
    saveMemo();
    const std::string error = western_.reloadAspectTable();
    if (!error.empty()) western_.services().messages->error(error);
    close();
}

}  // namespace celmora::western
