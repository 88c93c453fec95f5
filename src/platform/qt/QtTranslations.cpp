// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace celmora::platform {

bool installQtTranslations(QCoreApplication& app)
{
    if (app.findChild<QTranslator*>("QtJapanese", Qt::FindDirectChildrenOnly)) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName("QtJapanese");
    // "qt" is the catalogue that pulls in the module catalogues (qtbase, ...).
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qt", "_", folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace celmora::platform
