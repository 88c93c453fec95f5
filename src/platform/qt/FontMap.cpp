// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/FontMap.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace celmora::platform {

namespace {

struct FamilyMapping {
    std::string_view name;
    const char* installed;
};

// Full-width letters, as the names are written in the layouts.
constexpr std::array<FamilyMapping, 4> familyMap{{
    {"ＭＳ ゴシック", sansFamily},
    {"ＭＳ Ｐゴシック", sansFamily},
    {"ＭＳ 明朝", serifFamily},
    {"ＭＳ Ｐ明朝", serifFamily},
}};

const FamilyMapping* findMapping(std::string_view family)
{
    const auto it = std::find_if(familyMap.begin(), familyMap.end(),
                                 [family](const FamilyMapping& m) { return m.name == family; });
    return it == familyMap.end() ? nullptr : &*it;
}

}  // namespace

QString installedFamily(std::string_view family)
{
    if (const FamilyMapping* m = findMapping(family)) return QString::fromUtf8(m->installed);
    if (family.empty()) return QString::fromUtf8(sansFamily);
    return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
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
    // Nearest integer with halves to even, as everywhere in the program.
    const int pixels = font.pixelSize
                           ? font.size
                           : static_cast<int>(std::nearbyint(static_cast<double>(font.size) * dpiY / 72.0));
    q.setPixelSize(std::max(1, pixels));
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
