// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/GuiApplication.h"

#include <QByteArray>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace celmora::cli {

std::unique_ptr<QGuiApplication> makeGuiApplication()
{
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    // Headless runs (scripts, CI) often have no session runtime folder; give Qt a
    // private one so that it does not warn on every command.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/celmora-runtime-" + std::to_string(::getuid());
        ::mkdir(runtime.c_str(), 0700);
        struct stat st {};
        if (::stat(runtime.c_str(), &st) == 0 && st.st_uid == ::getuid() && (st.st_mode & 0777) == 0700) {
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
        }
    }
    // The application keeps argc and argv for its lifetime.
    static int argc = 1;
    static char name[] = "celmora-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace celmora::cli
