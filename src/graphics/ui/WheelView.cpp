// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/ui/WheelView.h"

#include "graphics/NatalWheel.h"
#include "platform/qt/QtCanvas.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace celmora::graphics {

WheelView::WheelView(const NatalWheel& wheel, QWidget* parent)
    : QWidget(parent), wheel_(wheel), measureImage_(1, 1, QImage::Format_RGB32)
{
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    measurePainter_ = std::make_unique<QPainter>(&measureImage_);
    measure_ = std::make_unique<platform::QtCanvas>(*measurePainter_, platform::Size{1, 1}, logicalDpiX(),
                                                     logicalDpiY());
}

WheelView::~WheelView()
{
    measure_.reset();
    measurePainter_->end();
}

QString WheelView::hintAt(const QPoint& at) const
{
    return QString::fromStdString(wheel_.hintAt({at.x(), at.y()}, *measure_));
}

void WheelView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    platform::QtCanvas canvas(painter, {width(), height()}, logicalDpiX(), logicalDpiY());
    wheel_.paint(canvas);
}

bool WheelView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt(help->pos());
        if (hint.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), hint, this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace celmora::graphics
