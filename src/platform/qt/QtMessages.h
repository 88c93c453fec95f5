// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Modal message boxes titled "Celmora Pro". A box belongs to the window the user is
// working in (the active window, a modal dialog included), so that answering it never
// brings another window over that one; the parent window set here only serves when no
// window of the program is active (start-up, a command run from outside).
// Yes/No questions carry Japanese button texts.

#include <QPointer>
#include <QWidget>

#include "platform/Messages.h"

namespace celmora::platform {

class QtMessages final : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr);

    // The window boxes belong to when no window is active (null: the whole application).
    void setParent(QWidget* parent);
    QWidget* parent() const;
    // The window the next box is centred on and modal to.
    QWidget* owner() const;

    void information(const std::string& text) override;
    void error(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace celmora::platform
