// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Renders a drawing into a small picture file as the program's picture controls expect
// it: a 24-bit BMP whose pure white pixels (#FFFFFF) are the transparent key colour.
//
// Drawings work in a 100 × 100 design box (the shared glyph painter), mapped onto the
// centred square of the picture. They are rendered supersampled with antialiasing and reduced by box
// filtering; then every pixel is flattened onto the key:
//  - Hard edges (the 16-pixel body icons): a pixel is ink when at least half covered,
//    otherwise key. No pale fringe can appear, whatever the background the program
//    puts behind the icon (white wheel, silver grids).
//  - Soft edges (the larger pictures): pixels covered less than a quarter become key,
//    the others are blended onto white, which is the background of the wheels.
// Opaque pixels that happen to be pure white are nudged to #FEFEFE so they stay visible.

#include <QImage>
#include <functional>

#include "glyphs/GlyphPainter.h"

namespace celmora::pictures {

enum class Edge { Hard, Soft };

using Drawing = std::function<void(glyphs::GlyphPainter&)>;

inline constexpr QRgb keyColour = 0xFFFFFFu;

QImage renderPicture(int width, int height, Edge edge, const Drawing& draw);

// Saves as an uncompressed 24-bit BMP; throws std::runtime_error on failure.
void saveBmp(const QImage& image, const QString& path);

}  // namespace celmora::pictures
