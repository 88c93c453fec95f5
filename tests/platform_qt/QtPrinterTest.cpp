// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TestSupport.h"
#include "platform/qt/QtPrinter.h"

#include <QImage>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace celmora::platform {
namespace {

using platform_qt_test::inkPixels;
using platform_qt_test::outputPath;
using platform_qt_test::quoted;
using platform_qt_test::runTool;

int mmToPixels(double mm, int dpi) { return static_cast<int>(std::lround(mm * dpi / 25.4)); }

// A PDF page measures whole points, so a paper edge may be off its exact millimetre
// size by up to one point (8.3 px at 600 dpi) plus rounding.
int pointTolerance(int dpi) { return dpi / 72 + 1; }

int pdfPageCount(const std::string& pdfinfoOutput)
{
    const auto at = pdfinfoOutput.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(pdfinfoOutput.c_str() + at + 6);
}

struct PaperCase {
    const char* name;
    PaperKind paper;
    int dpi;
    double widthMm, heightMm;
};

class PdfPrinterPaper : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PdfPrinterPaper, ReportsResolutionPaperAndPageSize)
{
    const PaperCase& c = GetParam();
    const auto printer = makePdfPrinter(outputPath(std::string("paper-") + c.name + ".pdf"), c.paper, c.dpi);
    EXPECT_TRUE(printer->toPdf());
    EXPECT_EQ(printer->dpiX(), c.dpi);
    EXPECT_EQ(printer->dpiY(), c.dpi);
    EXPECT_EQ(printer->paperKind(), c.paper);
    const Size page = printer->pageSize();
    EXPECT_NEAR(page.width, mmToPixels(c.widthMm, c.dpi), pointTolerance(c.dpi));
    EXPECT_NEAR(page.height, mmToPixels(c.heightMm, c.dpi), pointTolerance(c.dpi));
    // A file has no unprintable border.
    EXPECT_NEAR(printer->printableWidth(), page.width, 1);
    EXPECT_NEAR(printer->printableHeight(), page.height, 1);
    EXPECT_EQ(printer->canvas().size(), (Size{printer->printableWidth(), printer->printableHeight()}));
}

// A4 is 210 × 297 mm (4961 × 7016 px at 600 dpi); B5 is the JIS size, 182 × 257 mm.
INSTANTIATE_TEST_SUITE_P(Papers, PdfPrinterPaper,
                         ::testing::Values(PaperCase{"A4at600", PaperKind::A4, 600, 210, 297},
                                           PaperCase{"B5at600", PaperKind::B5, 600, 182, 257},
                                           PaperCase{"A4at300", PaperKind::A4, 300, 210, 297}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtPrinter, MeasuresTextAtItsResolutionInsideAndOutsideAJob)
{
    const auto printer = makePdfPrinter(outputPath("measure.pdf"), PaperKind::A4, 600);
    Font font;
    font.size = 10;  // 83 px at 600 dpi
    printer->canvas().setFont(font);
    EXPECT_EQ(printer->canvas().textExtent("出生図"), (Size{3 * 83, 83}));
    ASSERT_TRUE(printer->beginJob("measure"));
    EXPECT_EQ(printer->canvas().font(), font);  // the same canvas carries over
    EXPECT_EQ(printer->canvas().textExtent("出生図"), (Size{3 * 83, 83}));
    EXPECT_TRUE(printer->endJob());
}

// Page n carries a 10-mm square at (30·n mm, 100 mm) to tell the pages apart.
TEST(QtPrinter, ThreePagesMakeAThreePagePdfInOrder)
{
    const std::string path = outputPath("three-pages.pdf");
    const auto printer = makePdfPrinter(path, PaperKind::A4, 600);
    ASSERT_FALSE(printer->printing());
    ASSERT_TRUE(printer->beginJob("三ページ"));
    EXPECT_TRUE(printer->printing());
    std::vector<int> numbers;
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) printer->newPage();
        numbers.push_back(printer->pageNumber());
        Canvas& c = printer->canvas();
        Font font;
        font.family = "ＭＳ ゴシック";
        font.size = 10;
        c.setFont(font);
        c.text({mmToPixels(185, 600), mmToPixels(5, 600)}, "Page " + std::to_string(printer->pageNumber()));
        font.size = 20;
        c.setFont(font);
        c.text({mmToPixels(50, 600), mmToPixels(10, 600)}, "出生図 太陽 さそり座");
        c.setPen({colours::black, 12, PenStyle::Solid});
        c.line({mmToPixels(20, 600), mmToPixels(30, 600)}, {mmToPixels(190, 600), mmToPixels(30, 600)});
        c.setBrush({colours::black, BrushStyle::Solid});
        const int x = mmToPixels(30 * page, 600), y = mmToPixels(100, 600), side = mmToPixels(10, 600);
        c.rectangle({x, y, x + side, y + side});
    }
    EXPECT_TRUE(printer->endJob());
    EXPECT_FALSE(printer->printing());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));

    const std::string rasterBase = outputPath("three-pages-20dpi");
    const auto info = runTool("pdfinfo", quoted(path));
    const auto fonts = runTool("pdffonts", quoted(path));
    const auto raster = runTool("pdftoppm", "-r 20 -png " + quoted(path) + " " + quoted(rasterBase));
    if (!info || !fonts || !raster) GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_EQ(pdfPageCount(*info), 3) << *info;
    EXPECT_NE(info->find("(A4)"), std::string::npos) << *info;
    EXPECT_NE(fonts->find("NotoSansCJK"), std::string::npos) << *fonts;
    for (int page = 1; page <= 3; ++page) {
        const QImage image(QString::fromStdString(rasterBase + "-" + std::to_string(page) + ".png"));
        ASSERT_FALSE(image.isNull()) << page;
        for (int square = 1; square <= 3; ++square) {
            const int x = mmToPixels(30 * square + 5, 20), y = mmToPixels(105, 20);  // its centre
            EXPECT_EQ(inkPixels(image, QRect(x, y, 1, 1)), square == page ? 1 : 0)
                << "page " << page << ", square " << square;
        }
    }
}

// Positions in printer pixels land at the same millimetres on paper: a 20-mm square
// drawn at (100 mm, 100 mm) is found there when the page is rendered at 50 dpi.
TEST(QtPrinter, PixelPositionsLandAtTheirMillimetresOnPaper)
{
    const std::string path = outputPath("position.pdf");
    const auto printer = makePdfPrinter(path, PaperKind::B5, 600);
    ASSERT_TRUE(printer->beginJob("position"));
    Canvas& c = printer->canvas();
    c.setPen({colours::black, 1, PenStyle::None});
    c.setBrush({colours::black, BrushStyle::Solid});
    const int at = mmToPixels(100, 600), side = mmToPixels(20, 600);
    c.rectangle({at, at, at + side, at + side});
    ASSERT_TRUE(printer->endJob());

    const std::string raster = outputPath("position.png");
    if (!runTool("pdftoppm", "-r 50 -png -singlefile " + quoted(path) + " " +
                                 quoted(raster.substr(0, raster.size() - 4))))
        GTEST_SKIP() << "pdftoppm not installed";
    const QImage page(QString::fromStdString(raster));
    ASSERT_FALSE(page.isNull());
    const int from = mmToPixels(100, 50), to = mmToPixels(120, 50);  // 197 .. 236
    EXPECT_EQ(inkPixels(page, QRect(from + 1, from + 1, to - from - 2, to - from - 2)), (to - from - 2) * (to - from - 2));
    EXPECT_EQ(inkPixels(page, QRect(0, 0, page.width(), from - 1)), 0);
    EXPECT_EQ(inkPixels(page, QRect(to + 1, 0, page.width() - to - 1, page.height())), 0);
}

TEST(QtPrinter, JobMisuseAndUnwritableOutputFailWithoutCrashing)
{
    const auto printer = makePdfPrinter(outputPath("misuse.pdf"), PaperKind::A4, 300);
    EXPECT_FALSE(printer->endJob());
    printer->newPage();  // outside a job: ignored
    ASSERT_TRUE(printer->beginJob("first"));
    EXPECT_FALSE(printer->beginJob("second"));
    EXPECT_TRUE(printer->endJob());

    printer->setPdfPath("/nonexistent-celmora-dir/out.pdf");
    EXPECT_FALSE(printer->beginJob("unwritable"));
    EXPECT_FALSE(printer->printing());
    printer->canvas().text({10, 10}, "捨てられる");  // measuring canvas: drawing is discarded

    printer->setPdfPath("");
    EXPECT_FALSE(printer->beginJob("no path"));
}

TEST(QtPrinter, WithoutAnInstalledPrinterJobsGoToThePdfFile)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed here";
    const std::string path = outputPath("fallback.pdf");
    QtPrinter printer(path);
    EXPECT_TRUE(printer.toPdf());
    EXPECT_EQ(printer.paperKind(), PaperKind::A4);
    ASSERT_TRUE(printer.beginJob("fallback"));
    printer.canvas().text({100, 100}, "出生図");
    ASSERT_TRUE(printer.endJob());
    EXPECT_GT(std::filesystem::file_size(path), 0u);
}

}  // namespace
}  // namespace celmora::platform
