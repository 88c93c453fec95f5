// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/GuardedApplication.h"

#include "platform/qt/QtMessages.h"

namespace celmora::platform {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), boxes_(std::make_unique<QtMessages>()), messages_(boxes_.get())
{
}

GuardedApplication::GuardedApplication(int& argc, char** argv, Messages& messages)
    : QApplication(argc, argv), boxes_(std::make_unique<QtMessages>()), messages_(&messages)
{
}

GuardedApplication::~GuardedApplication() = default;

void GuardedApplication::setMessages(Messages* messages) { messages_ = messages ? messages : boxes_.get(); }

Messages& GuardedApplication::messages() { return *messages_; }

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    guarded(*messages_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace celmora::platform
