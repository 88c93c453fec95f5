// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TestSupport.h"
#include "platform/qt/GuardedApplication.h"

#include <QLocale>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Also when CTest lists the tests, which runs the binary without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
    celmora::platform::GuardedApplication app(argc, argv, celmora::platform_qt_test::applicationMessages());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
