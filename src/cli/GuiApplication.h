// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The toolkit's application object for the commands that draw or print: they need
// its font system. Built only where the toolkit is.

#include <QGuiApplication>  // complete: the caller owns and destroys the object

#include <memory>

namespace celmora::cli {

// A new application object, or null when one exists already. Without a display
// (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM) it runs offscreen.
std::unique_ptr<QGuiApplication> makeGuiApplication();

}  // namespace celmora::cli
