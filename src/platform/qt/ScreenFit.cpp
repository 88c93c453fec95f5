// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace celmora::platform {

namespace {

// Before the first show the frame is unknown: room for a title bar and thin borders.
const QMargins assumedFrame(4, 30, 4, 4);

// Brings its window back inside the available area each time it is shown: a dialog
// centres itself on its parent then, which may lie near the screen's edge.
class OnScreenWhenShown final : public QObject {
public:
    explicit OnScreenWhenShown(QWidget* window) : QObject(window) { setObjectName("OnScreenWhenShown"); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) keepOnScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameAllowance(const QWidget* window)
{
    if (window && window->isVisible()) {
        const QRect inner = window->geometry();
        const QRect outer = window->frameGeometry();
        const QMargins real(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom());
        // A frame the window manager has not drawn yet reads as none at all.
        if (!real.isNull()) return real;
    }
    return assumedFrame;
}

QSize fitProportionally(QSize wanted, QSize room)
{
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) return wanted;
    const double scale = std::min(static_cast<double>(room.width()) / wanted.width(),
                                  static_cast<double>(room.height()) / wanted.height());
    return {std::max(1, static_cast<int>(std::floor(wanted.width() * scale))),
            std::max(1, static_cast<int>(std::floor(wanted.height() * scale)))};
}

QSize roomForContents(const QWidget* window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty()) return {};
    const QMargins frame = frameAllowance(window);
    return {std::max(1, area.width() - frame.left() - frame.right()),
            std::max(1, area.height() - frame.top() - frame.bottom())};
}

void fitToScreen(QWidget* window, QSize wanted)
{
    const QSize room = roomForContents(window);
    window->resize(room.isEmpty() ? wanted : fitProportionally(wanted, room));
    keepOnScreen(window);
    keepOnScreenWhenShown(window);
}

void keepOnScreenWhenShown(QWidget* window)
{
    if (window->findChild<OnScreenWhenShown*>("OnScreenWhenShown", Qt::FindDirectChildrenOnly)) return;
    window->installEventFilter(new OnScreenWhenShown(window));
}

void fitToScreen(QMainWindow* window, QSize wanted)
{
    const QSize room = roomForContents(window);
    QWidget* contents = window->centralWidget();
    const bool wrapped = qobject_cast<QScrollArea*>(contents) != nullptr;
    if (!room.isEmpty() && contents && !wrapped) {
        const QSize least = window->minimumSizeHint();
        if (least.width() > room.width() || least.height() > room.height()) {
            // The contents keep their own minimum; the window scrolls over them.
            auto* scroll = new QScrollArea(window);
            scroll->setObjectName("ScreenFitScroll");
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setWidgetResizable(true);
            window->takeCentralWidget();
            scroll->setWidget(contents);
            window->setCentralWidget(scroll);
        }
    }
    fitToScreen(static_cast<QWidget*>(window), wanted);
}

void keepOnScreen(QWidget* window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty()) return;
    const QMargins frame = frameAllowance(window);
    const QSize outer = window->size().grownBy(frame);
    // pos() of a window is the top-left corner of its frame.
    const QPoint at = window->pos();
    const int x = std::clamp(at.x(), area.left(), std::max(area.left(), area.left() + area.width() - outer.width()));
    const int y = std::clamp(at.y(), area.top(), std::max(area.top(), area.top() + area.height() - outer.height()));
    if (x != at.x() || y != at.y()) window->move(x, y);
}

}  // namespace celmora::platform
