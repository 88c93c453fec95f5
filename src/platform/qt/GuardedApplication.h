// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The workstation's application object. Every event passes through notify(), which
// is the event boundary of platform/EventBoundary.h: an exception thrown by a
// handler ends that handler, is reported through messages(), and the event loop
// goes on. (An exception must not cross Qt's event dispatch; notify() is the one
// place Qt lets it be caught.)

#include "platform/EventBoundary.h"

#include <QApplication>

#include <memory>

namespace celmora::platform {

class QtMessages;

class GuardedApplication : public QApplication {
public:
    // Reports through the application's own message boxes.
    GuardedApplication(int& argc, char** argv);
    // Reports through `messages`, which must outlive the application.
    GuardedApplication(int& argc, char** argv, Messages& messages);
    ~GuardedApplication() override;

    // Where errors are reported; null restores the application's own message boxes.
    // The Messages object must outlive its use here.
    void setMessages(Messages* messages);
    Messages& messages();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::unique_ptr<QtMessages> boxes_;
    Messages* messages_;
};

}  // namespace celmora::platform
