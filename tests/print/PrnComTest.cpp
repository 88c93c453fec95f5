// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gtest/gtest.h>

#include <variant>

#include "print/prn_com.h"

namespace celmora::print_test {
namespace {

using platform::PaperKind;
using print::PrinterMetrics;
using print::PrinterPageModule;

// Dots for a length in inches at a resolution (the tests' own arithmetic).
int inches(double length, int dpi)
{
    return static_cast<int>(length * dpi);
}

PrinterPageModule measured(const PrinterMetrics& metrics)
{
    PrinterPageModule module;
    module.measure(metrics);
    return module;
}

struct PaperCase {
    const char* label;
    int dpiX, dpiY;
    double heightInches;
    PaperKind expected;
};

class PaperKindRule : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperKindRule, WholeInchesOfPrintableHeight)
{
    const PaperCase& c = GetParam();
    const auto module = measured({c.dpiX, c.dpiY, inches(8, c.dpiX), inches(c.heightInches, c.dpiY)});
    EXPECT_EQ(module.paperKind(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PaperKindRule,
                         ::testing::Values(PaperCase{"Height11_4InchesIsA4", 600, 600, 11.4, PaperKind::A4},
                                           PaperCase{"Height10_9InchesIsB5", 600, 600, 10.9, PaperKind::B5},
                                           PaperCase{"Exactly11InchesIsA4", 300, 300, 11.0, PaperKind::A4},
                                           PaperCase{"JisB5PageIsB5", 600, 600, 257 / 25.4, PaperKind::B5},
                                           PaperCase{"A4PageIsA4", 360, 360, 297 / 25.4, PaperKind::A4},
                                           // A height is measured with the vertical resolution: at 300 dpi
                                           // across this page would count as 21 inches tall.
                                           PaperCase{"VerticalResolutionMeasuresHeight", 300, 600, 10.9, PaperKind::B5},
                                           PaperCase{"VerticalResolutionMeasuresHeightA4", 1200, 600, 11.4,
                                                     PaperKind::A4}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(MillimetreTable, IsRoundedDotsAtTheHorizontalResolution)
{
    const auto at600 = measured(print::pdfDeviceMetrics());
    EXPECT_EQ(at600.mm(10), 236);  // 10 x 600 / 25.4 = 236.2
    EXPECT_EQ(at600.mm(1), 24);    // 23.6
    EXPECT_EQ(at600.mm(285), 6732);
    EXPECT_THROW(at600.mm(0), platform::RangeError);
    EXPECT_THROW(at600.mm(286), platform::RangeError);
    const auto at300 = measured({300, 300, 2480, 3508});
    EXPECT_EQ(at300.mm(10), 118);  // 118.1
}

TEST(MillimetreTable, A4PositionsAreTheTableOnEachAxisOwnResolution)
{
    const auto square = measured(print::pdfDeviceMetrics());
    for (int i : {1, 5, 20, 185, 280, 285}) {
        EXPECT_EQ(square.x(i), square.mm(i)) << i;
        EXPECT_EQ(square.y(i), square.mm(i)) << i;
    }
    // 600 x 1200 dpi: a vertical millimetre is twice as many dots.
    const auto tall = measured({600, 1200, inches(8, 600), inches(11.5, 1200)});
    EXPECT_EQ(tall.paperKind(), PaperKind::A4);
    EXPECT_EQ(tall.x(10), 236);
    EXPECT_EQ(tall.y(10), 472);
    EXPECT_EQ(tall.titlePosition(), (platform::Point{tall.x(50), tall.y(10)}));
    EXPECT_EQ(tall.birthLinePosition(), (platform::Point{tall.x(50), tall.y(20)}));
}

TEST(MillimetreTable, UnusableMeasurementsFallBackToThePdfDevice)
{
    const auto module = measured({0, 0, 0, 0});
    EXPECT_EQ(module.metrics().dpiX, 600);
    EXPECT_EQ(module.paperKind(), PaperKind::A4);
}

struct FontCase {
    const char* label;
    int a4;
    int b5;
};

class B5FontMap : public ::testing::TestWithParam<FontCase> {};

TEST_P(B5FontMap, ShrinksTheMappedSizesOnly)
{
    const auto b5 = measured({600, 600, 4299, 6071});
    const auto a4 = measured(print::pdfDeviceMetrics());
    ASSERT_EQ(b5.paperKind(), PaperKind::B5);
    EXPECT_EQ(b5.ScaledFontSize(GetParam().a4), GetParam().b5);
    EXPECT_EQ(a4.ScaledFontSize(GetParam().a4), GetParam().a4);
}

INSTANTIATE_TEST_SUITE_P(Sizes, B5FontMap,
                         ::testing::Values(FontCase{"Title20", 20, 16}, FontCase{"Size18", 18, 14},
                                           FontCase{"Size16", 16, 13}, FontCase{"Size14", 14, 12},
                                           FontCase{"Size12", 12, 10}, FontCase{"Text9Stays", 9, 9},
                                           FontCase{"Footer10Stays", 10, 10}, FontCase{"Size24Stays", 24, 24}),
                         [](const auto& info) { return std::string(info.param.label); });

// Every text of the page number and the footer, and the lowest row any page can use,
// lies inside the printable area.
struct PageCase {
    const char* label;
    PrinterMetrics metrics;
};

class PagePositions : public ::testing::TestWithParam<PageCase> {};

TEST_P(PagePositions, StayInsideThePrintableArea)
{
    const PrinterMetrics& m = GetParam().metrics;
    const auto module = measured(m);
    platform::RecordingCanvas canvas({m.printableWidth, m.printableHeight}, m.dpiX, m.dpiY);
    module.PrintPageNumber(canvas, 123);
    module.PrintFooter(canvas);

    int texts = 0;
    for (const auto& op : canvas.displayList().ops) {
        const auto* t = std::get_if<platform::OpText>(&op);
        if (t == nullptr) continue;
        ++texts;
        canvas.setFont(t->font);
        const platform::Size extent = canvas.textExtent(t->text);
        EXPECT_GE(t->at.x, 0) << t->text;
        EXPECT_GE(t->at.y, 0) << t->text;
        EXPECT_LE(t->at.x + extent.width, m.printableWidth) << t->text;
        EXPECT_LE(t->at.y + extent.height, m.printableHeight) << t->text;
    }
    EXPECT_EQ(texts, 2);
    // A 10-point row at the last millimetre of the table.
    platform::Font row;
    row.size = module.ScaledFontSize(10);
    canvas.setFont(row);
    EXPECT_LE(module.y(PrinterPageModule::millimetreCount) + canvas.textExtent("行").height, m.printableHeight);
    EXPECT_LE(module.x(PrinterPageModule::millimetreCount * 210 / 297), m.printableWidth);
}

INSTANTIATE_TEST_SUITE_P(Papers, PagePositions,
                         ::testing::Values(PageCase{"A4Pdf600", print::pdfDeviceMetrics()},
                                           PageCase{"A4PrinterWith4mmMargins", {600, 600, 4772, 6827}},
                                           PageCase{"B5Pdf600", {600, 600, 4299, 6071}},
                                           PageCase{"B5PrinterWith5mmMargins", {600, 600, 4063, 5835}},
                                           PageCase{"B5At1200", {1200, 1200, 8598, 12142}},
                                           PageCase{"B5At360", {360, 360, 2580, 3643}}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(PageTexts, PageNumberAndFooterAsLaidOut)
{
    const auto module = measured(print::pdfDeviceMetrics());
    platform::RecordingCanvas canvas({4961, 7016}, 600, 600);
    module.PrintPageNumber(canvas, 3);
    module.PrintFooter(canvas);
    const auto& ops = canvas.displayList().ops;
    ASSERT_EQ(ops.size(), 2u);
    const auto& page = std::get<platform::OpText>(ops[0]);
    EXPECT_EQ(page.text, "Page 3");
    EXPECT_EQ(page.at, (platform::Point{module.mm(185), module.mm(5)}));
    EXPECT_EQ(page.font.size, 10);
    const auto& footer = std::get<platform::OpText>(ops[1]);
    EXPECT_EQ(footer.text, PrinterPageModule::footerText());
    EXPECT_EQ(footer.at, (platform::Point{module.mm(20), module.mm(280)}));
    EXPECT_EQ(footer.font.family, "ＭＳ ゴシック");
    EXPECT_EQ(footer.font.size, 10);
    EXPECT_EQ(footer.font.colour, platform::colours::black);
    EXPECT_TRUE(footer.font.opaque);
    EXPECT_EQ(footer.brush.colour, platform::colours::white);
}

}  // namespace
}  // namespace celmora::print_test
