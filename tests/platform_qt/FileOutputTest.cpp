// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TestSupport.h"
#include "platform/qt/FileOutput.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace celmora::platform {
namespace {

using platform_qt_test::inkPixels;
using platform_qt_test::outputPath;
using platform_qt_test::quoted;
using platform_qt_test::runTool;

constexpr Size sampleSize{400, 320};
constexpr char title[] = "出生図 太陽 さそり座";
// The title's box at 16 pt on 96 dpi: an em of 21 px; 9 full-width characters and
// two half-width spaces.
const QRect titleBox(20, 20, 10 * 21, 21);
// Empty band between the title and the first line.
const QRect gapBelowTitle(0, 45, 400, 20);

void drawSample(Canvas& c)
{
    Font font;
    font.family = "ＭＳ ゴシック";
    font.size = 16;
    c.setFont(font);
    c.text({20, 20}, title);
    c.setPen({colours::black, 1, PenStyle::Solid});
    c.line({20, 70}, {380, 70});
    c.setPen({colours::blue, 1, PenStyle::Dot});
    c.line({20, 80}, {380, 80});
    c.setBrush({colours::white, BrushStyle::None});
    c.setPen({colours::black, 2, PenStyle::Solid});
    c.ellipse({100, 100, 300, 300});
    c.setPen({colours::red, 1, PenStyle::Dash});
    c.ellipse({150, 150, 250, 250});
    font.family = "ＭＳ 明朝";
    font.size = 12;
    c.setFont(font);
    c.text({170, 192}, "さそり座");
}

DisplayList sampleList(int dpi = 96)
{
    RecordingCanvas recorder(sampleSize, dpi, dpi);
    drawSample(recorder);
    return recorder.takeDisplayList();
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

QImage loadRgb(const std::string& path)
{
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

TEST(FileOutput, PngHasTheTextWhereItWasDrawnAndNothingElseThere)
{
    const std::string path = outputPath("sample.png");
    ASSERT_TRUE(renderPng(sampleList(), path));
    const QImage image = loadRgb(path);
    ASSERT_EQ(image.size(), QSize(400, 320));
    EXPECT_GT(inkPixels(image, titleBox), 300);
    EXPECT_EQ(inkPixels(image, gapBelowTitle), 0);
    EXPECT_EQ(inkPixels(image, QRect(20, 70, 360, 1)), 360);  // solid line
    const int dots = inkPixels(image, QRect(20, 80, 360, 1));
    EXPECT_GT(dots, 60);
    EXPECT_LT(dots, 240);
}

// Drawing straight into a file and replaying a recording are two routes to the same
// pixels.
TEST(FileOutput, DrawingDirectlyEqualsReplayingTheRecording)
{
    const std::string replayed = outputPath("replayed.png");
    const std::string direct = outputPath("direct.png");
    ASSERT_TRUE(renderPng(sampleList(), replayed));
    ASSERT_TRUE(drawToPng(sampleSize, drawSample, direct));
    EXPECT_TRUE(loadRgb(replayed) == loadRgb(direct));
    EXPECT_TRUE(renderImage(sampleList()).convertToFormat(QImage::Format_RGB32) == loadRgb(direct));
}

TEST(FileOutput, ImageUsesTheResolutionOfTheList)
{
    auto titleInkHeight = [](const QImage& image) {
        int top = -1, bottom = -1;
        for (int y = 0; y < 60 * image.height() / 320; ++y)
            if (inkPixels(image, QRect(0, y, image.width(), 1)) > 0) {
                if (top < 0) top = y;
                bottom = y;
            }
        return bottom - top + 1;
    };
    const QImage at96 = renderImage(sampleList(96));
    const QImage at192 = renderImage(sampleList(192));
    EXPECT_EQ(at192.size(), at96.size());  // the list's size is in its own pixels
    EXPECT_NEAR(at192.dotsPerMeterX() / 39.37, 192, 1);
    EXPECT_NEAR(double(titleInkHeight(at192)) / titleInkHeight(at96), 2.0, 0.2);
}

TEST(FileOutput, SvgCarriesTheTextAndTheJapaneseFamily)
{
    const std::string path = outputPath("sample.svg");
    ASSERT_TRUE(writeSvg(sampleList(), path));
    const std::string svg = readAll(path);
    EXPECT_NE(svg.find(title), std::string::npos);
    EXPECT_NE(svg.find("Noto Sans CJK JP"), std::string::npos);
    EXPECT_NE(svg.find("Noto Serif CJK JP"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST(FileOutput, PdfIsOnePageOfTheDrawingsSizeWithJapaneseFontsEmbedded)
{
    const std::string path = outputPath("sample.pdf");
    ASSERT_TRUE(renderPdf(sampleList(), path));
    ASSERT_EQ(readAll(path).rfind("%PDF", 0), 0u);

    const std::string rasterPath = outputPath("sample-pdf.png");
    const auto info = runTool("pdfinfo", quoted(path));
    const auto fonts = runTool("pdffonts", quoted(path));
    const auto raster = runTool("pdftoppm", "-r 96 -png -singlefile " + quoted(path) + " " +
                                                quoted(rasterPath.substr(0, rasterPath.size() - 4)));
    if (!info || !fonts || !raster) GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_NE(info->find("Pages:           1\n"), std::string::npos) << *info;
    EXPECT_NE(info->find("300 x 240 pts"), std::string::npos) << *info;  // 400 × 320 px at 96 dpi
    EXPECT_NE(fonts->find("NotoSansCJK"), std::string::npos) << *fonts;
    EXPECT_NE(fonts->find("NotoSerifCJK"), std::string::npos) << *fonts;

    // Rendered back, the page shows the title where the PNG does, with about as much
    // ink (empty boxes for missing glyphs would have far less).
    const QImage fromPdf = loadRgb(rasterPath);
    const QImage fromPng = renderImage(sampleList());
    ASSERT_EQ(fromPdf.size(), QSize(400, 320));
    EXPECT_EQ(inkPixels(fromPdf, gapBelowTitle), 0);
    const double ratio = double(inkPixels(fromPdf, titleBox)) / inkPixels(fromPng, titleBox);
    EXPECT_GT(ratio, 0.7);
    EXPECT_LT(ratio, 1.4);
}

TEST(FileOutput, DirectPdfAtPrinterResolution)
{
    const std::string path = outputPath("direct.pdf");
    // 600 dpi: a 10-point font is 83 px, a 1-inch square 600 px.
    int em = 0;
    ASSERT_TRUE(drawToPdf(
        {1200, 600},
        [&em](Canvas& c) {
            EXPECT_EQ(c.dpiY(), 600);
            c.setFont(Font{});
            em = c.textExtent("太陽").height;
            c.text({100, 100}, "太陽");
        },
        path, 600));
    EXPECT_EQ(em, 83);
    const auto info = runTool("pdfinfo", quoted(path));
    if (!info) GTEST_SKIP() << "pdfinfo not installed";
    EXPECT_NE(info->find("144 x 72 pts"), std::string::npos) << *info;
}

TEST(FileOutput, UnwritablePathsFail)
{
    const std::string dir = "/nonexistent-celmora-dir/";
    const DisplayList list = sampleList();
    EXPECT_FALSE(renderPng(list, dir + "a.png"));
    EXPECT_FALSE(renderPdf(list, dir + "a.pdf"));
    EXPECT_FALSE(writeSvg(list, dir + "a.svg"));
    EXPECT_FALSE(drawToPng(sampleSize, drawSample, dir + "b.png"));
    EXPECT_FALSE(drawToPdf(sampleSize, drawSample, dir + "b.pdf"));
}

}  // namespace
}  // namespace celmora::platform
