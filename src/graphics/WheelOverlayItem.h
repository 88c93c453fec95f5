// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// One item laid over the wheel's raster: a small picture or a text label at a pixel
// position, shown or hidden, with an optional hover hint. Overlays are redrawn on
// every paint, so showing or hiding one never disturbs the raster underneath.

#include "platform/Canvas.h"

#include <string>

namespace celmora::graphics {

enum class OverlayKind {
    SignPicture,
    CuspDegreeLabel,
    HouseNumber,
    MansionLabel,
    ArabicPart,
    HalfSumMark,
    FixedStar,
    PartnerBody,
    Body,
    HeaderLine,
    Legend,
};

struct WheelOverlayItem {
    OverlayKind kind = OverlayKind::Body;
    int index = 0;  // 1-based within its kind
    bool visible = false;
    std::string hint;

    // A picture item draws `picturePath` into `box`, white pixels transparent. When the
    // file cannot be read it draws a framed box with `placeholder` instead.
    bool isPicture = false;
    std::string picturePath;
    platform::Rect box;
    std::string placeholder;

    // A text item draws `text` in `font`; with font.opaque the text box is filled with
    // `background` first. `anchor` is the box's top left, or its centre when `centred`.
    std::string text;
    platform::Font font;
    platform::Colour background = platform::colours::white;
    platform::Point anchor;
    bool centred = false;
};

// The midpoint marks the wheel owns and the midpoint window places and shows.
using THalfObj = WheelOverlayItem;

}  // namespace celmora::graphics
