// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The natal wheel drawn onto the recording canvas: what is placed where, what shows,
// and what happens when picture files are missing.

#include "graphics/NatalWheel.h"

#include "core/ChartRecord.h"
#include "graphics/WheelDrawing.h"
#include "graphics/WorkedChart.h"
#include "platform/Messages.h"
#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <variant>

namespace celmora::graphics {
namespace {

using platform::OpLine;
using platform::OpPicture;
using platform::OpRectangle;
using platform::OpText;
using platform::Point;
using platform::Rect;

constexpr int side = 803;  // R = 400

template <typename Op>
std::vector<Op> opsOf(const platform::DisplayList& list)
{
    std::vector<Op> out;
    for (const auto& op : list.ops) {
        if (const Op* o = std::get_if<Op>(&op)) out.push_back(*o);
    }
    return out;
}

int visibleCount(const NatalWheel& wheel, OverlayKind kind)
{
    int n = 0;
    for (const WheelOverlayItem& i : wheel.items()) n += i.kind == kind && i.visible ? 1 : 0;
    return n;
}

Point centreOf(const Rect& r)
{
    return {r.left + r.width() / 2, r.top + r.height() / 2};
}

class NatalWheelTest : public ::testing::Test {
protected:
    explicit NatalWheelTest(const std::string& programDir = CELMORA_PROGRAM_DIR)
        : chart(testing::workedChart()), wheel(platform::ProgramDir(programDir, programDir), messages)
    {
        wheel.setSide(side);
        wheel.Redisp(chart, frame);
    }

    core::ChartRecord chart;
    WheelFrame frame;
    platform::RecordingMessages messages;
    NatalWheel wheel;
};

TEST_F(NatalWheelTest, RedisplayShowsTheChartAndHidesTheExtras)
{
    EXPECT_TRUE(messages.list.empty()) << (messages.list.empty() ? "" : messages.list.front().text);
    const std::pair<OverlayKind, int> shown[] = {
        {OverlayKind::SignPicture, 12}, {OverlayKind::CuspDegreeLabel, 12}, {OverlayKind::HouseNumber, 12},
        {OverlayKind::Body, 13},        {OverlayKind::HeaderLine, 3},       {OverlayKind::Legend, 5},
        {OverlayKind::FixedStar, 0},    {OverlayKind::ArabicPart, 0},       {OverlayKind::MansionLabel, 0},
        {OverlayKind::HalfSumMark, 0},  {OverlayKind::PartnerBody, 0}};
    for (const auto& [kind, count] : shown) EXPECT_EQ(visibleCount(wheel, kind), count) << static_cast<int>(kind);

    EXPECT_EQ(wheel.item(OverlayKind::HeaderLine, 1).text, "1975/05/05 09時 05分");
    EXPECT_EQ(wheel.item(OverlayKind::HeaderLine, 2).text, "時差  +19");
    EXPECT_EQ(wheel.item(OverlayKind::HeaderLine, 3).text, "試験 花子");
    EXPECT_EQ(wheel.item(OverlayKind::HeaderLine, 3).anchor, (Point{8, 46}));
}

TEST_F(NatalWheelTest, BodiesSitOnTheirAnglesWithTheirHints)
{
    const WheelOverlayItem& sun = wheel.item(OverlayKind::Body, 1);
    EXPECT_EQ(sun.hint, "太陽 (牡牛 14.31)");
    EXPECT_EQ(sun.picturePath, std::string(CELMORA_PROGRAM_DIR) + "/icon/Sun.bmp");
    EXPECT_EQ(sun.box.width(), 16);
    EXPECT_EQ(centreOf(sun.box), wheel.geometry().at(75, 400 - 80));
    EXPECT_EQ(wheel.item(OverlayKind::Body, 12).hint, "ASC (獅子 29.36)");
    EXPECT_EQ(wheel.item(OverlayKind::Body, 13).hint, "MC (牡牛 25.40)");
}

TEST_F(NatalWheelTest, LegendLinesTakeTheColoursOfTheAspectLines)
{
    // Expected colours are those of the aspect lines as drawn (0xRRGGBB), written out.
    const std::pair<const char*, std::uint32_t> lines[] = {
        {"180,90", 0x800080}, {"120,60,30", 0x008000}, {"150", 0x0000FF}, {"144,72", 0xFF0000}, {"45,135", 0xFF00FF}};
    for (int l = 1; l <= 5; ++l) {
        const WheelOverlayItem& legend = wheel.item(OverlayKind::Legend, l);
        EXPECT_EQ(legend.text, lines[l - 1].first);
        EXPECT_EQ(legend.font.colour, platform::Colour::rgb(lines[l - 1].second)) << legend.text;
    }
}

TEST_F(NatalWheelTest, SignsCuspLabelsAndHouseNumbers)
{
    // Sector 1 (獅子) is centred 15 degrees after its start: 165, picture style at R - 33.
    const WheelOverlayItem& leo = wheel.item(OverlayKind::SignPicture, 1);
    EXPECT_EQ(leo.hint, "獅子");
    EXPECT_EQ(leo.picturePath, std::string(CELMORA_PROGRAM_DIR) + "/bmp/COLleo.bmp");
    EXPECT_EQ(leo.box.width(), 60);
    EXPECT_EQ(leo.box.height(), 58);
    EXPECT_EQ(centreOf(leo.box), wheel.geometry().at(165, 400 - 33));
    const WheelOverlayItem& cusp4 = wheel.item(OverlayKind::CuspDegreeLabel, 4);
    EXPECT_EQ(cusp4.text, "25.40");
    EXPECT_EQ(cusp4.anchor, wheel.geometry().at(266, 400 - 46));  // top left on the cusp
    EXPECT_TRUE(cusp4.font.opaque);
    const WheelOverlayItem& house6 = wheel.item(OverlayKind::HouseNumber, 6);
    EXPECT_EQ(house6.text, "6");
    EXPECT_EQ(house6.hint, "健康");
    EXPECT_EQ(house6.anchor, wheel.geometry().at(346, 95));

    wheel.setSignStyle(SignStyle::Symbol);
    wheel.placeSigns(chart, frame);
    const WheelOverlayItem& symbol = wheel.item(OverlayKind::SignPicture, 1);
    EXPECT_EQ(symbol.picturePath, std::string(CELMORA_PROGRAM_DIR) + "/bmp2/COLleo.bmp");
    EXPECT_EQ(symbol.box.width(), 40);
    EXPECT_EQ(symbol.box.height(), 40);
    EXPECT_EQ(centreOf(symbol.box), wheel.geometry().at(165, 400 - 25));
}

TEST_F(NatalWheelTest, RasterStartsWhiteWithTheRings)
{
    const auto& list = wheel.raster();
    ASSERT_FALSE(list.ops.empty());
    const auto* fill = std::get_if<OpRectangle>(&list.ops.front());
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->rect, (Rect{0, 0, side, side}));
    EXPECT_EQ(fill->brush.colour, platform::colours::white);
    // 12 sign boundaries + 180 ticks + 12 cusps.
    EXPECT_EQ(opsOf<OpLine>(list).size(), 12u + 180u + 12u);
    const auto ellipses = opsOf<platform::OpEllipse>(list);
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].rect, (Rect{0, 0, 800, 800}));
    EXPECT_EQ(ellipses[2].pen.width, 4);
    EXPECT_EQ(ellipses[2].rect, (Rect{320, 320, 480, 480}));
}

TEST_F(NatalWheelTest, ExtrasAreShownWhereTheyBelong)
{
    wheel.showFixedStars(chart, frame);
    EXPECT_EQ(visibleCount(wheel, OverlayKind::FixedStar), 20);
    // ① アルフェラト, 牡羊 14: Aries is sector 9 at 30.
    EXPECT_EQ(wheel.item(OverlayKind::FixedStar, 1).anchor, wheel.geometry().at(44, 400 - 52));
    EXPECT_EQ(wheel.item(OverlayKind::FixedStar, 1).hint, "アルフェラト(牡羊14.14)");

    wheel.showArabicParts();
    EXPECT_EQ(wheel.item(OverlayKind::ArabicPart, 1).text, "財");
    EXPECT_EQ(wheel.item(OverlayKind::ArabicPart, 1).hint, "山羊0(財産の増加)");
    EXPECT_EQ(wheel.item(OverlayKind::ArabicPart, 1).anchor, wheel.geometry().at(300, 400 - 132));

    wheel.showMansions(chart, frame);
    EXPECT_EQ(visibleCount(wheel, OverlayKind::MansionLabel), 27);
    const WheelOverlayItem& moons = wheel.item(OverlayKind::MansionLabel, 27);
    EXPECT_TRUE(moons.font.opaque);
    EXPECT_EQ(moons.background, platform::colours::yellow);
    EXPECT_FALSE(wheel.item(OverlayKind::MansionLabel, 1).font.opaque);
    EXPECT_EQ(wheel.item(OverlayKind::MansionLabel, 1).anchor, wheel.geometry().at(36.6, 143));

    // The next redisplay hides them again.
    wheel.Redisp(chart, frame);
    EXPECT_EQ(visibleCount(wheel, OverlayKind::FixedStar), 0);
    EXPECT_EQ(visibleCount(wheel, OverlayKind::ArabicPart), 0);
    EXPECT_EQ(visibleCount(wheel, OverlayKind::MansionLabel), 0);
}

TEST_F(NatalWheelTest, TextDisplayReplacesThePicturesWithTexts)
{
    const std::size_t before = wheel.raster().ops.size();
    wheel.showBodyTexts(chart);
    EXPECT_EQ(visibleCount(wheel, OverlayKind::Body), 0);
    const auto texts = opsOf<OpText>(wheel.raster());
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_GT(wheel.raster().ops.size(), before);
    const Point sun = wheel.geometry().at(75, 400 - 90);
    EXPECT_EQ(texts[0].text, "陽15");
    EXPECT_EQ(texts[0].at, (Point{sun.x - 4, sun.y - 6}));
    EXPECT_EQ(texts[0].font.colour, platform::colours::blue);
    EXPECT_EQ(texts[0].font.size, 8);
    EXPECT_FALSE(texts[0].font.pixelSize);
    EXPECT_EQ(texts[11].text, "A");
    EXPECT_EQ(texts[12].text, "M");
}

TEST_F(NatalWheelTest, AspectLinesAndPatternSidesAccumulateInTheirColours)
{
    frame.aspectAngle[1][6] = 120;
    frame.aspectAngle[6][7] = 60;
    const BodyPair pairs[] = {{1, 6}, {6, 7}};
    const std::size_t before = opsOf<OpLine>(wheel.raster()).size();
    wheel.drawAspectLines(chart, frame, pairs);
    wheel.drawAspectLines(chart, frame, pairs);
    auto lines = opsOf<OpLine>(wheel.raster());
    ASSERT_EQ(lines.size(), before + 4);
    const OpLine& first = lines[before];
    EXPECT_EQ(first.from, wheel.geometry().at(75, 400 - 99));
    EXPECT_EQ(first.to, wheel.geometry().at(195, 400 - 99));
    EXPECT_EQ(first.pen.colour, aspectColour(120));
    EXPECT_EQ(first.pen.width, 1);

    // A side between ASC and MC keeps aspectAngle 0: aqua.
    const int figure[] = {12, 13, 6};
    wheel.drawPatternSides(chart, frame, figure);
    lines = opsOf<OpLine>(wheel.raster());
    ASSERT_EQ(lines.size(), before + 7);
    EXPECT_EQ(lines[before + 4].pen.colour, platform::Colour::rgb(0x00FFFF));
    EXPECT_EQ(lines[before + 6].to, wheel.geometry().at(180, 400 - 99)) << "the figure closes on its first body";
}

TEST_F(NatalWheelTest, AngleBandsAreDottedGreen)
{
    const std::size_t before = opsOf<OpLine>(wheel.raster()).size();
    wheel.drawAngleBands(frame);
    const auto lines = opsOf<OpLine>(wheel.raster());
    ASSERT_EQ(lines.size(), before + 40);
    EXPECT_EQ(lines[before].pen.style, platform::PenStyle::Dot);
    EXPECT_EQ(lines[before].pen.colour, platform::colours::lime);
    EXPECT_EQ(lines[before].from, wheel.geometry().at(171, 400 - 62));  // ASC - 9
}

TEST_F(NatalWheelTest, PaintDrawsTheRasterThenTheVisibleOverlaysAndFindsHints)
{
    platform::RecordingCanvas canvas({side, side});
    wheel.paint(canvas);
    const auto& ops = canvas.displayList().ops;
    EXPECT_EQ(ops.size(), wheel.raster().ops.size() + 12 + 12 + 12 + 13 + 3 + 5);
    EXPECT_EQ(opsOf<OpPicture>(canvas.displayList()).size(), 25u);
    EXPECT_TRUE(opsOf<OpPicture>(canvas.displayList()).front().options.transparent);

    platform::RecordingCanvas measure({side, side});
    EXPECT_EQ(wheel.hintAt(centreOf(wheel.item(OverlayKind::Body, 1).box), measure), "太陽 (牡牛 14.31)");
    EXPECT_EQ(wheel.hintAt({10, 70}, measure), "各アスペクト度数は色で識別できます");
    EXPECT_EQ(wheel.hintAt({side / 2, side / 2}, measure), "");
}

class NatalWheelWithoutPictures : public NatalWheelTest {
protected:
    NatalWheelWithoutPictures() : NatalWheelTest(emptyDir()) {}
    // An empty program folder, removed when the tests end.
    static std::string emptyDir()
    {
        static const testing::TempDir dir;
        return dir.path();
    }
};

TEST_F(NatalWheelWithoutPictures, MissingPicturesGivePlaceholdersAndOneMessage)
{
    // The frame is complete: the aspects that follow the wheel can go on.
    EXPECT_EQ(chart.chartAngle[1], 75);
    EXPECT_EQ(frame.separation[1][7], 180);

    ASSERT_EQ(messages.list.size(), 1u);
    const std::string& text = messages.list.front().text;
    EXPECT_NE(text.find("/icon/Sun.bmp"), std::string::npos);
    EXPECT_NE(text.find("/icon/MC.bmp"), std::string::npos);
    EXPECT_NE(text.find("/bmp/COLleo.bmp"), std::string::npos);
    EXPECT_EQ(wheel.missingPictures().size(), 25u);
    EXPECT_EQ(wheel.item(OverlayKind::Body, 1).box.width(), 16);

    platform::RecordingCanvas canvas({side, side});
    wheel.paint(canvas);
    EXPECT_TRUE(opsOf<OpPicture>(canvas.displayList()).empty());
    // A framed box with the body's short label stands in for each picture.
    bool sunPlaceholder = false;
    for (const OpText& t : opsOf<OpText>(canvas.displayList())) sunPlaceholder |= t.text == "陽";
    EXPECT_TRUE(sunPlaceholder);

    wheel.Redisp(chart, frame);
    EXPECT_EQ(messages.list.size(), 2u) << "one message per redisplay";
}

}  // namespace
}  // namespace celmora::graphics
