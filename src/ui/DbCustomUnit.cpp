// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ui/DbCustomUnit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Settings.h"
#include "platform/SettingsKeys.h"
#include "platform/qt/GuardedConnect.h"

namespace celmora::ui {

TDBCustomfrm::TDBCustomfrm(platform::Settings& settings, platform::Messages& messages, QWidget* worksheet,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), worksheet_(worksheet)
{
    setObjectName("TDBCustomfrm");
    setWindowTitle("データベース設定");
    auto* layout = new QVBoxLayout(this);

    auto* tools = new QGroupBox("データの保守", this);
    auto* toolsLayout = new QVBoxLayout(tools);
    keisanbtn = new QPushButton("惑星計算", tools);
    keisanbtn->setObjectName("keisanbtn");
    keisanbtn->setToolTip("２つの日付の間の惑星位置を直線補間します。");
    toolsLayout->addWidget(keisanbtn);
    layout->addWidget(tools);

    soundchk = new QCheckBox("起動時にサウンドを鳴らす", this);
    soundchk->setObjectName("soundchk");
    layout->addWidget(soundchk);

    closebtn = new QPushButton("閉じる", this);
    closebtn->setObjectName("closebtn");
    layout->addWidget(closebtn, 0, Qt::AlignRight);

    using platform::connectGuarded;
    connectGuarded(soundchk, &QCheckBox::clicked, this, messages, &TDBCustomfrm::soundchkClick);
    connectGuarded(closebtn, &QPushButton::clicked, this, messages, &QDialog::close);
    connectGuarded(keisanbtn, &QPushButton::clicked, this, messages, [this] {
        if (!worksheet_) return;
        worksheet_->show();
        worksheet_->raise();
    });
    keisanbtn->setEnabled(worksheet_ != nullptr);
    // The window's own title must fit in its title bar beside the window buttons.
    constexpr int titleBarButtons = 160;
    setMinimumWidth(QFontMetrics(font()).horizontalAdvance(windowTitle()) * 3 / 2 + titleBarButtons);
}

void TDBCustomfrm::showEvent(QShowEvent* event)
{
    const auto& key = platform::keys::soundCheck;
    soundchk->setChecked(settings_.readString(key.section, key.key, key.fallback) == "True");
    QDialog::showEvent(event);
}

void TDBCustomfrm::soundchkClick()
{
    const auto& key = platform::keys::soundCheck;
    settings_.writeString(key.section, key.key, soundchk->isChecked() ? "True" : "False");
}

}  // namespace celmora::ui
