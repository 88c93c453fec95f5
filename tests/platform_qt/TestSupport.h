// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

#include "platform/Messages.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <optional>
#include <string>

namespace celmora::platform_qt_test {

// A fresh path in the test output folder (the file is removed if it exists).
std::string outputPath(const std::string& fileName);

// Output of `tool args` (stdout and stderr), or nullopt when the tool is not installed.
std::optional<std::string> runTool(const std::string& tool, const std::string& args);
std::string quoted(const std::string& path);

// The messages of the GuardedApplication every test runs in.
platform::RecordingMessages& applicationMessages();

// Pixels inside `area` whose darkest channel is below 128 (ink on white).
int inkPixels(const QImage& image, const QRect& area);
bool isColour(const QImage& image, int x, int y, QColor expected);

// Processes events for about `ms` milliseconds.
void spinEventLoop(int ms);

}  // namespace celmora::platform_qt_test
