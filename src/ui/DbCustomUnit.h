// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The database customisation screen: the start-up sound switch and the entries to the
// maintenance tools (the interpolation worksheet so far).

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace celmora::platform {
class Messages;
class Settings;
}  // namespace celmora::platform

namespace celmora::ui {

class TDBCustomfrm : public QDialog {
    Q_OBJECT

public:
    // `settings` and `messages` must outlive the screen.
    TDBCustomfrm(platform::Settings& settings, platform::Messages& messages, QWidget* worksheet,
                 QWidget* parent = nullptr);

    QCheckBox* soundchk = nullptr;
    QPushButton* keisanbtn = nullptr;
    QPushButton* closebtn = nullptr;

public slots:
    void soundchkClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    platform::Settings& settings_;
    QWidget* worksheet_;
};

}  // namespace celmora::ui
