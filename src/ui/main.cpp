// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The workstation: real tables, settings file, message boxes, sound and printer,
// the Workstation with every module, and the main window.

#include <QDir>
#include <filesystem>

#include "app/Workstation.h"
#include "platform/Clock.h"
#include "platform/ProgramDir.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/Table.h"
#include "platform/qt/FontMap.h"
#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/ScreenFit.h"
#include "ui/AppWiring.h"
#include "ui/InpUnit.h"

int main(int argc, char** argv)
{
    using namespace celmora;
    platform::QtMessages messages;
    platform::GuardedApplication app(argc, argv, messages);
    QApplication::setApplicationName("Celmora Pro");
    platform::installApplicationFont(app);
    platform::installQtTranslations(app);

    auto dirs = platform::ProgramDir::forExecutableDir(QCoreApplication::applicationDirPath().toStdString());
    std::filesystem::create_directories(dirs.writableRoot());
    auto tables = platform::makeSqliteTableEngine();
    auto settings = platform::makeIniSettings(dirs.settingsFile());
    auto clock = platform::makeSystemClock();
    auto programs = platform::makeProcessStart();
    platform::QtSound sound;
    auto printer = platform::makeDefaultPrinter(dirs.tempDir() + "/celmora-print.pdf");

    platform::Services services{dirs,        tables.get(), settings.get(), &messages,
                                clock.get(), &sound,       programs.get(), printer.get()};
    return platform::guardedMain(messages, [&] {
        app::Workstation workstation(services);
        ui::Tinpfrm window(workstation.chartCore());
        messages.setParent(&window);
        ui::attachScreens(window, workstation);
        window.move(platform::availableArea(&window).topLeft());
        platform::keepOnScreen(&window);
        window.show();
        return QApplication::exec();
    });
}
