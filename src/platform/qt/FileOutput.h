// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Drawings as files: a recorded display list, or drawing code run straight against a
// file's canvas. PNG and the in-memory image are raster (white background, the
// drawing's resolution stored in the file); PDF is one page exactly the size of the
// drawing at its resolution; SVG is written by the toolkit-free toSvg.
// Every function returns false when the file cannot be written.

#include "platform/Canvas.h"

#include <functional>
#include <string>

class QImage;

namespace celmora::platform {

QImage renderImage(const DisplayList& list);
bool renderPng(const DisplayList& list, const std::string& path);
bool renderPdf(const DisplayList& list, const std::string& path);
bool writeSvg(const DisplayList& list, const std::string& path);

using DrawFunction = std::function<void(Canvas&)>;

// `dpi` is the resolution the drawing code sees through Canvas::dpiX/dpiY (and the
// one point sizes are converted with); `size` is in those pixels.
bool drawToPng(Size size, const DrawFunction& draw, const std::string& path, int dpi = 96);
bool drawToPdf(Size size, const DrawFunction& draw, const std::string& path, int dpi = 96);

}  // namespace celmora::platform
