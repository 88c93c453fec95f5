// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The interpolation worksheet "惑星計算": two dates, two positions, and the position
// for every day in between (core/keisan1.h computes it).

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace celmora::platform {
class Messages;
}

namespace celmora::core {

class TDatacalc1;

class TCre_datafrm : public QWidget {
    Q_OBJECT

public:
    static constexpr int gridRows = 32;

    TCre_datafrm(const TDatacalc1& datacalc, platform::Messages& messages, QWidget* parent = nullptr);

    QLineEdit* startday = nullptr;
    QLineEdit* endday = nullptr;
    QLineEdit* startfai = nullptr;
    QLineEdit* endfai = nullptr;
    QPushButton* calcbtn = nullptr;
    QLineEdit* Rsabun = nullptr;
    QTableWidget* hyo1 = nullptr;

public slots:
    // Fills Rsabun and rows 1..n+1 of hyo1. An error (thrown, for the button's guard to
    // report) leaves both as they were.
    void calcbtnClick();

private:
    const TDatacalc1& datacalc_;
    platform::Messages& messages_;
};

}  // namespace celmora::core
