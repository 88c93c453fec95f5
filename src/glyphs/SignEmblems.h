// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The pictorial sign emblems (ram, bull, twins, crab, lion, maiden, scales, scorpion,
// bow and arrow, goat, water jar, fishes), each on a disc in the colours of its
// element: fire red, earth brown on green, air golden yellow, water blue.

#include "glyphs/GlyphPainter.h"

namespace celmora::glyphs {

struct ElementPalette {
    Colour tint;    // disc fill
    Colour rim;     // disc outline and the sign symbols
    Colour ink;     // outlines of the drawing
    Colour accent;  // the main filled parts of the drawing
};

// Signs 1..12; the element repeats fire, earth, air, water from Aries.
const ElementPalette& elementPalette(int sign);

enum class EmblemFrame { Disc, Tile };

// The whole picture in the 100 × 100 design box: frame, then the emblem.
void drawSignEmblem(GlyphPainter& painter, int sign, EmblemFrame frame);

}  // namespace celmora::glyphs
