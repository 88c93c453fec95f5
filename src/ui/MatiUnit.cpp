// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ui/MatiUnit.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace celmora::ui {

Tmatifrm::Tmatifrm(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Tmatifrm");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("処理中", this);
    QFont f = label->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    setFixedSize(180, 70);
}

void Tmatifrm::showNow()
{
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyScope::BusyScope(Tmatifrm* window) : window_(window)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (window_) window_->showNow();
}

BusyScope::~BusyScope()
{
    if (window_) window_->hide();
    QApplication::restoreOverrideCursor();
}

}  // namespace celmora::ui
