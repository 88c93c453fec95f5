// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/FontMap.h"

#include <QApplication>

#include <algorithm>
#include <string>

namespace celmora::platform {

QString installedFamily(std::string_view family)
{
    if (family.empty()) return QString::fromUtf8(sansFamily);
    return QString::fromStdString(installedFontFamily(std::string(family)));
}

bool usesEmBox(std::string_view family)
{
    const QString installed = installedFamily(family);
    return installed == QLatin1String(sansFamily) || installed == QLatin1String(serifFamily);
}

QFont toQFont(const Font& font, int dpiY)
{
    const QString family = installedFamily(font.family);
    QFont q(family);
    QStringList families{family};
    if (family != QLatin1String(sansFamily)) families << QString::fromUtf8(sansFamily);
    q.setFamilies(families);
    q.setPixelSize(std::max(1, emPixels(font, dpiY)));
    q.setBold(font.bold);
    return q;
}

void installApplicationFont(QApplication& app)
{
    QFont font = app.font();
    font.setFamilies({QString::fromUtf8(sansFamily)});
    app.setFont(font);
}

}  // namespace celmora::platform
