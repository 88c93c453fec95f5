// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Shows a NatalWheel in a window: paints it through the canvas layer and shows the
// hint of the overlay item under the mouse.

#include <QImage>
#include <QWidget>

#include <memory>

class QPainter;

namespace celmora::platform {
class QtCanvas;
}

namespace celmora::graphics {

class NatalWheel;

class WheelView : public QWidget {
    Q_OBJECT

public:
    explicit WheelView(const NatalWheel& wheel, QWidget* parent = nullptr);
    ~WheelView() override;

    // The hint shown for a point of the view, "" when there is none.
    QString hintAt(const QPoint& at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const NatalWheel& wheel_;
    // Text is measured the way the view paints it, on a canvas of the same resolution.
    QImage measureImage_;
    std::unique_ptr<QPainter> measurePainter_;
    std::unique_ptr<platform::QtCanvas> measure_;
};

}  // namespace celmora::graphics
