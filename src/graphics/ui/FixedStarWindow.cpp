// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/ui/FixedStarWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/calc1Unit.h"
#include "graphics/TKoseiObj.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"

namespace celmora::graphics {

namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

FixedStarWindow::FixedStarWindow(platform::Messages& messages, QWidget* parent) : QDialog(parent)
{
    setObjectName("KoseiDetail");
    setWindowTitle("恒星詳細説明");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel("「恒星表示」で出生図に印を付ける20の恒星です。印にマウスを合わせると恒星名が表示されます。\n"
                   "恒星と重なる天体やハウスの境界は、その恒星の性質を強く帯びると読みます。",
                   this));
    auto* table = new QTableWidget(20, 4, this);
    table->setHorizontalHeaderLabels({"印", "恒星", "位置", "意味"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int s = 1; s <= 20; ++s) {
        const TKoseiObj& star = fixedStars()[s];
        table->setItem(s - 1, 0, new QTableWidgetItem(q(star.mark)));
        table->setItem(s - 1, 1, new QTableWidgetItem(q(star.name())));
        table->setItem(s - 1, 2,
                       new QTableWidgetItem(q(core::signName(star.sign) + "座 " + std::string(star.degreeText))));
        table->setItem(s - 1, 3, new QTableWidgetItem(q(star.meaning())));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Not left to Qt's catalogue, which may not be installed.
    buttons->button(QDialogButtonBox::Close)->setText("閉じる");
    platform::connectGuarded(buttons, &QDialogButtonBox::rejected, this, messages, &QDialog::close);
    layout->addWidget(buttons);
    platform::fitToScreen(this, QSize(760, 600));
}

}  // namespace celmora::graphics
