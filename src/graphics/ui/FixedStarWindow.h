// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// "恒星詳細説明": the 20 fixed stars of the wheel with their marks, places and meanings.

#include <QDialog>

namespace celmora::platform {
class Messages;
}

namespace celmora::graphics {

class FixedStarWindow : public QDialog {
    Q_OBJECT

public:
    // `messages` must outlive the window.
    explicit FixedStarWindow(platform::Messages& messages, QWidget* parent = nullptr);
};

}  // namespace celmora::graphics
