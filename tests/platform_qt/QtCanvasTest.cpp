// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TestSupport.h"
#include "platform/qt/QtCanvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace celmora::platform {
namespace {

using platform_qt_test::inkPixels;
using platform_qt_test::isColour;

// Draws on a white 200×120 image at 96 dpi and returns it.
QImage drawn(const std::function<void(Canvas&)>& draw, QColor background = Qt::white)
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

TEST(QtCanvas, TakesSizeAndResolutionFromTheDevice)
{
    QImage image(300, 150, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);  // 150 dpi
    image.setDotsPerMeterY(11811);  // 300 dpi
    QPainter painter(&image);
    const QtCanvas canvas(painter);
    EXPECT_EQ(canvas.size(), (Size{300, 150}));
    EXPECT_EQ(canvas.dpiX(), 150);
    EXPECT_EQ(canvas.dpiY(), 300);
}

class RectangleOutline : public ::testing::TestWithParam<int> {};

// Rectangle (20,10)-(60,40): the outline of width w lies inside, right and bottom
// edges exclusive, as on a raster canvas.
TEST_P(RectangleOutline, CoversExactlyTheBorderPixelsInsideTheBox)
{
    const int w = GetParam();
    const QImage image = drawn([w](Canvas& c) {
        c.setPen({colours::black, w, PenStyle::Solid});
        c.setBrush({colours::white, BrushStyle::None});
        c.rectangle({20, 10, 60, 40});
    });
    for (auto [x, y] : {std::pair{20, 10}, {59, 39}, {20, 39}, {59, 10}, {20 + w - 1, 25}, {40, 10 + w - 1}})
        EXPECT_TRUE(isColour(image, x, y, Qt::black)) << x << "," << y;
    for (auto [x, y] : {std::pair{19, 10}, {60, 39}, {59, 40}, {20 + w, 25}, {40, 10 + w}, {40, 25}})
        EXPECT_TRUE(isColour(image, x, y, Qt::white)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(PenWidths, RectangleOutline, ::testing::Values(1, 2, 3));

TEST(QtCanvas, BrushFillsWithoutPenToTheExclusiveEdges)
{
    const QImage image = drawn([](Canvas& c) {
        c.setPen({colours::black, 1, PenStyle::None});
        c.setBrush({colours::red, BrushStyle::Solid});
        c.rectangle({20, 10, 60, 40});
    });
    EXPECT_TRUE(isColour(image, 20, 10, Qt::red));
    EXPECT_TRUE(isColour(image, 59, 39, Qt::red));
    EXPECT_TRUE(isColour(image, 60, 25, Qt::white));
    EXPECT_TRUE(isColour(image, 40, 40, Qt::white));
}

TEST(QtCanvas, EllipseFillsItsBoxButNotTheCorners)
{
    const QImage image = drawn([](Canvas& c) {
        c.setPen({colours::black, 1, PenStyle::Solid});
        c.setBrush({colours::yellow, BrushStyle::Solid});
        c.ellipse({20, 20, 101, 61});
    });
    // Box (20,20)-(101,61): centre pixel (60,40).
    EXPECT_TRUE(isColour(image, 60, 40, Qt::yellow));
    EXPECT_EQ(inkPixels(image, QRect(20, 40, 1, 1)), 1);  // leftmost point of the outline
    EXPECT_EQ(inkPixels(image, QRect(60, 60, 1, 1)), 1);  // bottom point
    EXPECT_TRUE(isColour(image, 22, 22, Qt::white));   // corner of the box
    EXPECT_TRUE(isColour(image, 19, 40, Qt::white));
    EXPECT_TRUE(isColour(image, 60, 61, Qt::white));
}

struct LineStyleCase {
    const char* name;
    PenStyle style;
    double minInk, maxInk;  // share of the 150 pixels of the line that are drawn
};

class LineStyle : public ::testing::TestWithParam<LineStyleCase> {};

TEST_P(LineStyle, DrawsItsShareOfTheLine)
{
    const LineStyleCase& c = GetParam();
    const QImage image = drawn([&c](Canvas& canvas) {
        canvas.setPen({colours::black, 1, c.style});
        canvas.line({20, 50}, {170, 50});
    });
    const double share = inkPixels(image, QRect(20, 50, 150, 1)) / 150.0;
    EXPECT_GE(share, c.minInk);
    EXPECT_LE(share, c.maxInk);
    EXPECT_EQ(inkPixels(image, QRect(0, 49, 200, 1)) + inkPixels(image, QRect(0, 51, 200, 1)), 0)
        << "a 1-pixel line is one pixel wide";
}

// Dots: 1 on, 2 off; dashes: 4 on, 2 off.
INSTANTIATE_TEST_SUITE_P(Styles, LineStyle,
                         ::testing::Values(LineStyleCase{"Solid", PenStyle::Solid, 0.99, 1.0},
                                           LineStyleCase{"Dot", PenStyle::Dot, 0.25, 0.45},
                                           LineStyleCase{"Dash", PenStyle::Dash, 0.55, 0.75},
                                           LineStyleCase{"None", PenStyle::None, 0.0, 0.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtCanvas, PolygonIsFilledAndOutlined)
{
    const QImage image = drawn([](Canvas& c) {
        c.setPen({colours::blue, 1, PenStyle::Solid});
        c.setBrush({colours::lime, BrushStyle::Solid});
        c.polygon({{20, 20}, {120, 20}, {20, 100}});
    });
    EXPECT_TRUE(isColour(image, 40, 40, Qt::green));
    EXPECT_TRUE(isColour(image, 60, 20, Qt::blue));
    EXPECT_TRUE(isColour(image, 100, 90, Qt::white));
}

struct ExtentCase {
    const char* name;
    const char* family;
    int points;
    int dpi;
    int em;
};

class JapaneseTextExtent : public ::testing::TestWithParam<ExtentCase> {};

// Kanji and kana are one em wide in the Japanese faces; the text box is one em high.
TEST_P(JapaneseTextExtent, IsOneEmPerCharacter)
{
    const ExtentCase& c = GetParam();
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas canvas(painter, {10, 10}, c.dpi, c.dpi);
    Font font;
    font.family = c.family;
    font.size = c.points;
    canvas.setFont(font);
    EXPECT_EQ(canvas.textExtent("出生図"), (Size{3 * c.em, c.em}));
    EXPECT_EQ(canvas.textExtent("さそり座"), (Size{4 * c.em, c.em}));
}

INSTANTIATE_TEST_SUITE_P(Fonts, JapaneseTextExtent,
                         ::testing::Values(ExtentCase{"Gothic10Screen", "ＭＳ ゴシック", 10, 96, 13},
                                           ExtentCase{"Mincho12Screen", "ＭＳ Ｐ明朝", 12, 96, 16},
                                           ExtentCase{"Gothic10Printer", "ＭＳ Ｐゴシック", 10, 600, 83}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtCanvas, TextInkStaysInsideItsBoxInTheFontColour)
{
    Size box;
    const QImage image = drawn([&box](Canvas& c) {
        Font font;
        font.size = 16;
        font.colour = colours::red;
        c.setFont(font);
        box = c.textExtent("出生図 太陽");
        c.text({30, 40}, "出生図 太陽");
    });
    const QRect inside(30, 40, box.width, box.height);
    EXPECT_GT(inkPixels(image, inside), 100);
    EXPECT_EQ(inkPixels(image, QRect(0, 0, 200, 120)), inkPixels(image, inside));
    bool reddish = false;
    for (int y = inside.top(); y <= inside.bottom() && !reddish; ++y)
        for (int x = inside.left(); x <= inside.right() && !reddish; ++x)
            reddish = isColour(image, x, y, Qt::red);
    EXPECT_TRUE(reddish);
}

TEST(QtCanvas, OpaqueTextFillsItsBoxWithTheBrushColour)
{
    Size box;
    const QImage image = drawn([&box](Canvas& c) {
        Font font;
        font.opaque = true;
        c.setFont(font);
        c.setBrush({colours::yellow, BrushStyle::Solid});
        box = c.textExtent("太陽");
        c.text({30, 40}, "太陽");
    });
    EXPECT_TRUE(isColour(image, 30, 40, Qt::yellow));
    EXPECT_TRUE(isColour(image, 30 + box.width - 1, 40 + box.height - 1, Qt::yellow));
    EXPECT_TRUE(isColour(image, 30 + box.width, 40, Qt::white));
    EXPECT_TRUE(isColour(image, 30, 40 + box.height, Qt::white));
}

TEST(QtCanvas, BoldTextHasMoreInk)
{
    auto ink = [](bool bold) {
        return inkPixels(drawn([bold](Canvas& c) {
                             Font font;
                             font.size = 14;
                             font.bold = bold;
                             c.setFont(font);
                             c.text({10, 10}, "太陽 さそり座");
                         }),
                         QRect(0, 0, 200, 120));
    };
    EXPECT_GT(ink(true), ink(false) * 11 / 10);
}

class Pictures : public ::testing::Test {
protected:
    // size × size: left half red, right half white.
    static std::string writeBmp(const std::string& name, int size)
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size / 2; ++x) image.setPixelColor(x, y, Qt::red);
        const std::string path = platform_qt_test::outputPath(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return path;
    }
};

TEST_F(Pictures, StretchedWithTransparentKeyLeavesTheBackground)
{
    const std::string path = writeBmp("key.bmp", 4);
    const QImage image = drawn(
        [&path](Canvas& c) {
            EXPECT_TRUE(c.picture(path, {10, 10, 50, 50}, {true, true, colours::white}));
            EXPECT_TRUE(c.picture(path, {60, 10, 100, 50}, {true, false, colours::white}));
        },
        Qt::blue);
    EXPECT_TRUE(isColour(image, 12, 30, Qt::red));
    EXPECT_TRUE(isColour(image, 22, 30, Qt::red));     // stretched: 4 px → 40 px
    EXPECT_TRUE(isColour(image, 45, 30, Qt::blue));    // key colour not drawn
    EXPECT_TRUE(isColour(image, 95, 30, Qt::white));   // opaque copy keeps white
    EXPECT_TRUE(isColour(image, 50, 30, Qt::blue));
}

TEST_F(Pictures, NaturalSizeIgnoresTheTargetSize)
{
    const std::string path = writeBmp("natural.bmp", 4);
    const QImage image = drawn(
        [&path](Canvas& c) { EXPECT_TRUE(c.picture(path, {10, 10, 100, 100}, {false, false, colours::white})); },
        Qt::blue);
    EXPECT_TRUE(isColour(image, 11, 13, Qt::red));
    EXPECT_TRUE(isColour(image, 13, 13, Qt::white));
    EXPECT_TRUE(isColour(image, 14, 14, Qt::blue));
}

TEST_F(Pictures, SizeFollowsTheFileAndMissingFilesDrawNothing)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    const std::string path = writeBmp("changing.bmp", 4);
    EXPECT_EQ(canvas.pictureSize(path), (Size{4, 4}));
    writeBmp("changing.bmp", 6);  // the cache must notice
    EXPECT_EQ(canvas.pictureSize(path), (Size{6, 6}));

    const std::string missing = platform_qt_test::outputPath("missing.bmp");
    EXPECT_EQ(canvas.pictureSize(missing), (Size{0, 0}));
    EXPECT_FALSE(canvas.picture(missing, {0, 0, 5, 5}, {}));
}

}  // namespace
}  // namespace celmora::platform
