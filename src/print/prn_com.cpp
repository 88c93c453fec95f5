// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "print/prn_com.h"

#include <algorithm>
#include <array>
#include <utility>

namespace celmora::print {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr int pdfDpi = 600;
constexpr int pageNumberPoints = 10;
constexpr int footerPoints = 10;

// Point sizes on B5 for the sizes chosen for A4.
constexpr std::array<std::pair<int, int>, 5> b5FontSizes{{{20, 16}, {18, 14}, {16, 13}, {14, 12}, {12, 10}}};

int dots(double millimetres, int dpi)
{
    return platform::roundHalfEven(millimetres * dpi / millimetresPerInch);
}

}  // namespace

PrinterMetrics pdfDeviceMetrics()
{
    // 210 x 297 mm at 600 dpi, the whole sheet printable.
    return PrinterMetrics{pdfDpi, pdfDpi, dots(210, pdfDpi), dots(297, pdfDpi)};
}

PrinterPageModule::PrinterPageModule()
{
    measure(pdfDeviceMetrics());
}

void PrinterPageModule::MeasurePrinter(const platform::Printer& printer)
{
    measure(PrinterMetrics{printer.dpiX(), printer.dpiY(), printer.printableWidth(), printer.printableHeight()});
}

void PrinterPageModule::measure(const PrinterMetrics& metrics)
{
    const bool usable =
        metrics.dpiX > 0 && metrics.dpiY > 0 && metrics.printableWidth > 0 && metrics.printableHeight > 0;
    metrics_ = usable ? metrics : pdfDeviceMetrics();

    // A height is measured in inches of the vertical resolution.
    paper_ =
        metrics_.printableHeight / metrics_.dpiY < a4MinimumInches ? platform::PaperKind::B5 : platform::PaperKind::A4;

    // On B5 the A4 layout is scaled down to the printable area (never up).
    double scaleX = 1.0;
    double scaleY = 1.0;
    if (paper_ == platform::PaperKind::B5) {
        const double widthMm = metrics_.printableWidth * millimetresPerInch / metrics_.dpiX;
        const double heightMm = metrics_.printableHeight * millimetresPerInch / metrics_.dpiY;
        scaleX = std::min(1.0, widthMm / layoutWidthMm);
        scaleY = std::min(1.0, heightMm / layoutHeightMm);
    }
    horizontal_[0] = 0;
    vertical_[0] = 0;
    for (int i = 1; i <= millimetreCount; ++i) {
        mm_[i] = dots(i, metrics_.dpiX);
        horizontal_[i] = dots(i * scaleX, metrics_.dpiX);
        vertical_[i] = dots(i * scaleY, metrics_.dpiY);
    }
}

int PrinterPageModule::x(int millimetres) const
{
    return horizontal_[millimetres];
}

int PrinterPageModule::y(int millimetres) const
{
    return vertical_[millimetres];
}

int PrinterPageModule::ScaledFontSize(int size) const
{
    if (paper_ != platform::PaperKind::B5) return size;
    for (const auto& [a4, b5] : b5FontSizes) {
        if (size == a4) return b5;
    }
    return size;
}

void PrinterPageModule::PrintPageNumber(platform::Canvas& canvas, int n) const
{
    platform::Font font;
    font.family = "ＭＳ Ｐゴシック";
    font.size = ScaledFontSize(pageNumberPoints);
    canvas.setFont(font);
    canvas.text(at(185, 5), "Page " + std::to_string(n));
}

void PrinterPageModule::PrintFooter(platform::Canvas& canvas) const
{
    platform::Font font;
    font.family = "ＭＳ ゴシック";
    font.size = ScaledFontSize(footerPoints);
    font.colour = platform::colours::black;
    font.opaque = true;
    canvas.setBrush(platform::Brush{platform::colours::white, platform::BrushStyle::Solid});
    canvas.setFont(font);
    canvas.text(at(20, 280), footerText());
}

std::string PrinterPageModule::footerText()
{
    return "Celmora Pro ― 占星術による解釈です。将来を保証するものではありません。";
}

}  // namespace celmora::print
