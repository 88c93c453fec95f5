// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Modal message boxes titled "Celmora Pro", over the parent window when one is set.
// Yes/No questions carry Japanese button texts.

#include "platform/Messages.h"

#include <QPointer>
#include <QWidget>

namespace celmora::platform {

class QtMessages final : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr);

    // The window the boxes are centred on and modal to (null: the whole application).
    void setParent(QWidget* parent);
    QWidget* parent() const;

    void information(const std::string& text) override;
    void error(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace celmora::platform
