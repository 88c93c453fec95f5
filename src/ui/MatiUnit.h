// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The small "処理中" window shown while a long computation runs on the UI thread.

#include <QWidget>

namespace celmora::ui {

class Tmatifrm : public QWidget {
    Q_OBJECT

public:
    explicit Tmatifrm(QWidget* parent = nullptr);
    // Shows the window and paints it at once (the computation that follows does not yield).
    void showNow();
};

// Shows "処理中" and the busy cursor for the lifetime of the object.
class BusyScope {
public:
    explicit BusyScope(Tmatifrm* window = nullptr);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Tmatifrm* window_;
};

}  // namespace celmora::ui
