// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The printer page module shared by every page drawn on the printer's canvas.
//
//   in:  the current printer's resolution and printable area (MeasurePrinter)
//   out: the paper kind, millimetre-to-dot conversion, the B5 font sizes, and the two
//        things every page carries: its page number and the footer line
//
// Pages are laid out in millimetres for A4 portrait (210 x 297 mm) and in point sizes
// chosen for A4. On B5 (JIS, 182 x 257 mm) the fonts shrink by a fixed map and the
// positions are scaled to the measured printable area, so that rows near the bottom,
// the footer at 280 mm and the page number at 185 mm stay on the paper. Horizontal
// positions use the horizontal resolution, vertical positions the vertical one
// (printers with 600 x 1200 dpi exist).
//
// Measured again at the start of every Diagnose run, after a printer setup dialog and
// by each print command before its job.

#include <string>

#include "platform/Canvas.h"
#include "platform/Checked.h"
#include "platform/Printer.h"

namespace celmora::print {

// What MeasurePrinter reads from a printer, in device dots.
struct PrinterMetrics {
    int dpiX = 0;
    int dpiY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
};

// The PDF device used when no printer is installed: A4 without margins at 600 dpi.
PrinterMetrics pdfDeviceMetrics();

class PrinterPageModule {
public:
    static constexpr int millimetreCount = 285;  // the largest position any page uses
    static constexpr int layoutWidthMm = 210;    // A4, the paper the pages were laid out on
    static constexpr int layoutHeightMm = 297;
    // Paper whose printable height is under this many whole inches is B5.
    static constexpr int a4MinimumInches = 11;

    PrinterPageModule();

    // Reads resolution and printable area and recomputes everything below.
    void MeasurePrinter(const platform::Printer& printer);
    // The same from known metrics (a missing printer measures pdfDeviceMetrics()).
    // A resolution or area that is not positive counts as the PDF device.
    void measure(const PrinterMetrics& metrics);

    const PrinterMetrics& metrics() const { return metrics_; }
    // A4 or B5: B5 when the printable height in whole inches (remainder dropped) is
    // less than 11. (11.4 in is A4, 10.9 in is B5.)
    platform::PaperKind paperKind() const { return paper_; }

    // The millimetre table mm[1..285]: i mm in dots at the horizontal resolution,
    // rounded half to even, as laid out for A4 (600 dpi: mm(10) = 236).
    int mm(int i) const { return mm_[i]; }
    // A horizontal / vertical layout position (0..285 mm) in dots on the measured
    // paper: the millimetre table of each axis' own resolution, scaled to the
    // printable area on B5. On A4 at equal resolutions x(i) = y(i) = mm(i).
    int x(int millimetres) const;
    int y(int millimetres) const;
    platform::Point at(int xMillimetres, int yMillimetres) const { return {x(xMillimetres), y(yMillimetres)}; }

    // The title (50 mm, 10 mm) and birth line (50 mm, 20 mm) of every page.
    platform::Point titlePosition() const { return at(50, 10); }
    platform::Point birthLinePosition() const { return at(50, 20); }

    // B5: 20 -> 16, 18 -> 14, 16 -> 13, 14 -> 12, 12 -> 10, other sizes unchanged.
    // A4: unchanged.
    int ScaledFontSize(int size) const;

    // "Page n" at (185 mm, 5 mm), 10 point.
    void PrintPageNumber(platform::Canvas& canvas, int n) const;
    // The footer line at (20 mm, 280 mm), "ＭＳ ゴシック" 10 point, black on white. Every
    // document drawn on the canvas ends with it.
    void PrintFooter(platform::Canvas& canvas) const;
    // The footer's text, also carried by the reading-page report.
    static std::string footerText();

private:
    using Table = platform::Array1<int, 0, millimetreCount>;

    PrinterMetrics metrics_;
    platform::PaperKind paper_ = platform::PaperKind::A4;
    platform::Array1<int, 1, millimetreCount> mm_;
    Table horizontal_;
    Table vertical_;
};

}  // namespace celmora::print
