// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The current-residence screen: the house table of the place where the person lives
// now gives the Ascendant and Midheaven that transits show (core/NowUnit1.h); the
// transit diagnosis is then run again.

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace celmora::platform {
class Messages;
}

namespace celmora::core {

struct ChartRecord;
class Tsitukofrm;

class Tnowarea : public QDialog {
    Q_OBJECT

public:
    Tnowarea(Tsitukofrm& houses, ChartRecord& mainChart, platform::Messages& messages, QWidget* parent = nullptr);

    // The transit diagnosis, as if its button "診断(&X)" were pressed.
    void setTransitRerun(std::function<void()> rerun) { transitRerun_ = std::move(rerun); }

    QListWidget* ListBox1 = nullptr;
    QPushButton* okbtn = nullptr;
    QPushButton* cancelbtn = nullptr;

public slots:
    void ListBox1Click();
    void okbtnClick();

private:
    Tsitukofrm& houses_;
    ChartRecord& mainChart_;
    platform::Messages& messages_;
    std::function<void()> transitRerun_;
    int chosenPlace_ = 0;  // 1..50, 0 while none was clicked
};

}  // namespace celmora::core
