// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The astrological glyphs of the bodies and the signs, drawn as vector strokes in the
// 100 × 100 design box (never from a font, which may lack them). Each function draws
// with the painter's pen for strokes and a brush of the same colour for the few filled
// parts (the Sun's centre, the Moon's crescent, node feet are stroked circles).

#include "glyphs/GlyphPainter.h"

namespace celmora::glyphs {

// Bodies in chart order 1..13 (Sun .. Pluto, node, ASC, MC) and 14 for the descending
// node, which the Indian screens show as Ketu.
inline constexpr int descendingNode = 14;

void drawBodyGlyph(GlyphPainter& painter, int body, Colour colour, double strokeWidth);

// Signs 1..12 from Aries.
void drawSignGlyph(GlyphPainter& painter, int sign, Colour colour, double strokeWidth);

}  // namespace celmora::glyphs
