// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/GuiApplication.h"

#include <QByteArray>
#include <QGuiApplication>

namespace celmora::cli {

std::unique_ptr<QGuiApplication> makeGuiApplication()
{
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    // The application keeps argc and argv for its lifetime.
    static int argc = 1;
    static char name[] = "celmora-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace celmora::cli
