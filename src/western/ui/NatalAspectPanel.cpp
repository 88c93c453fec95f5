// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ui/NatalAspectPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

#include "platform/Messages.h"
#include "platform/qt/GuardedConnect.h"
#include "western/WesternModule.h"
#include "western/ui/NatalAspectGridModel.h"
#include "western/ui/Taspectsetfrm.h"

namespace celmora::western {

namespace {

// Wide enough for "180" in the application font, high enough for a 16-pixel icon.
constexpr int cellWidth = 32;
constexpr int cellHeight = 24;

QLabel* legend(const char* objectName, const char* text, const char* style, const char* hint, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(objectName);
    // Only the label itself: a hint is a label too and would take the colours, so it
    // keeps the hint's default look.
    label->setStyleSheet(QString("QLabel#%1 { %2 }").arg(objectName, QString::fromUtf8(style)));
    label->setToolTip(QString::fromUtf8(hint));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(110);
    return label;
}

}  // namespace

NatalAspectPanel::NatalAspectPanel(WesternModule& western, Taspectsetfrm& settings, QWidget* parent)
    : QWidget(parent), western_(western), settings_(settings)
{
    setObjectName("NatalAspectPanel");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    model_ = new NatalAspectGridModel(western_.services().dirs, this);
    grid_ = new QTableView(this);
    grid_->setObjectName("AspectGrid");
    grid_->setModel(model_);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    for (auto [header, size] :
         {std::pair{grid_->horizontalHeader(), cellWidth}, std::pair{grid_->verticalHeader(), cellHeight}}) {
        header->setMinimumSectionSize(size);
        header->setDefaultSectionSize(size);
    }
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setShowGrid(true);
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFixedSize(14 * cellWidth + 2 * grid_->frameWidth(), 13 * cellHeight + 2 * grid_->frameWidth());
    row->addWidget(grid_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout();
    side->addWidget(legend("HardAspect", "HARD ASPECT", "background-color: #FF00FF; color: #FFFFFF; padding: 3px;",
                           "作用が強いアスペクト", this));
    side->addWidget(legend("SoftAspect", "SOFT ASPECT",
                           "background-color: #FFFFFF; color: #000000; padding: 3px; border: 1px solid #C0C0C0;",
                           "作用が弱いアスペクト", this));
    // Broken where the sentence breaks, so no character is left alone on a line.
    auto* caption = new QLabel("アスペクトとは、\n惑星と惑星の角度のことです", this);
    caption->setObjectName("AspectCaption");
    side->addWidget(caption);
    AspectEnv = new QPushButton("アスペクトオーブ設定", this);
    AspectEnv->setObjectName("AspectEnv");
    side->addWidget(AspectEnv);
    side->addStretch(1);
    row->addLayout(side);
    row->addStretch(1);

    platform::connectGuarded(AspectEnv, &QPushButton::clicked, this, *western_.services().messages,
                             &NatalAspectPanel::AspectEnvClick);
}

void NatalAspectPanel::refresh()
{
    model_->refresh(western_.wheelFrame(), western_.aspectMatrix());
}

void NatalAspectPanel::clear()
{
    model_->clear();
}

void NatalAspectPanel::AspectEnvClick()
{
    if (!settings_.openError().empty()) western_.services().messages->error(settings_.openError());
    settings_.show();
    settings_.raise();
    settings_.activateWindow();
}

}  // namespace celmora::western
