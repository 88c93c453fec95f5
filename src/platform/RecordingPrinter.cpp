// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/RecordingPrinter.h"

#include <cmath>

namespace celmora::platform {

namespace {

Size paperSize(PaperKind paper, int dpi)
{
    // Millimetres: A4 210 x 297, JIS B5 182 x 257.
    const double w = paper == PaperKind::B5 ? 182.0 : 210.0;
    const double h = paper == PaperKind::B5 ? 257.0 : 297.0;
    return {static_cast<int>(std::lround(w / 25.4 * dpi)), static_cast<int>(std::lround(h / 25.4 * dpi))};
}

}  // namespace

RecordingPrinter::RecordingPrinter(PaperKind paper, int dpi)
    : paper_(paper), dpi_(dpi), size_(paperSize(paper, dpi)), current_(size_, dpi, dpi)
{
}

bool RecordingPrinter::beginJob(const std::string& title)
{
    if (printing_) return false;
    printing_ = true;
    title_ = title;
    pages_.clear();
    current_ = RecordingCanvas(size_, dpi_, dpi_);
    return true;
}

void RecordingPrinter::newPage()
{
    pages_.push_back(current_.takeDisplayList());
    current_ = RecordingCanvas(size_, dpi_, dpi_);
}

bool RecordingPrinter::endJob()
{
    if (!printing_) return false;
    pages_.push_back(current_.takeDisplayList());
    printing_ = false;
    if (failNext_) {
        failNext_ = false;
        return false;
    }
    return true;
}

Canvas& RecordingPrinter::canvas()
{
    return current_;
}

}  // namespace celmora::platform
