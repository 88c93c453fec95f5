// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Fonts for Qt surfaces. The family names used by screens and pages become installed
// fonts through installedFontFamily (platform/Canvas.h), the mapping the SVG writer
// uses too: the Japanese gothic faces the layouts were designed for become Noto Sans
// CJK JP, the mincho faces Noto Serif CJK JP (package fonts-noto-cjk; the same
// em-square design, so positions and sizes carry over). Any other name passes
// through, with Noto Sans CJK JP behind it for the characters the named font lacks.

#include "platform/Canvas.h"

#include <QFont>
#include <QString>

#include <string_view>

class QApplication;

namespace celmora::platform {

inline constexpr char sansFamily[] = "Noto Sans CJK JP";
inline constexpr char serifFamily[] = "Noto Serif CJK JP";

// The installed family for a family name used by the drawing code.
QString installedFamily(std::string_view family);

// True when the family maps to one of the Noto CJK faces. For those the text box of
// a canvas is the em square (ascent 0.88 em, height 1 em) as with the fonts the
// layouts were made for, not Noto's much taller line box (1.448 em).
bool usesEmBox(std::string_view family);

// `dpiY` is the resolution of the surface the font will draw on: a point size
// becomes size × dpiY / 72 device pixels rounded half up, as in every backend, so a 10-point font is 13 px on a
// 96-dpi screen and 83 px on a 600-dpi printer. A pixel size is used as is.
QFont toQFont(const Font& font, int dpiY);

// Makes Noto Sans CJK JP the default font of every window, keeping the point size.
void installApplicationFont(QApplication& app);

}  // namespace celmora::platform
