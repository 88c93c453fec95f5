// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The natal wheel's frame on the worked chart of WorkedChart.h, and its rules on
// hand-made frames where a rule needs a particular value.

#include "graphics/WheelFrame.h"

#include "core/ChartRecord.h"
#include "graphics/WorkedChart.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace celmora::graphics {
namespace {

class WorkedWheel : public ::testing::Test {
protected:
    WorkedWheel() : chart(testing::workedChart()) { found = computeWheelFrame(chart, frame, messages); }

    core::ChartRecord chart;
    WheelFrame frame;
    platform::RecordingMessages messages;
    FrameResult found;
};

TEST_F(WorkedWheel, AscendantAt29_6RoundsUpAndStillSitsAt180)
{
    EXPECT_EQ(frame.ascSignStart, 150);
    EXPECT_EQ(frame.cuspAngle[1], 180);
    const int starts[12] = {150, 180, 210, 240, 270, 300, 330, 0, 30, 60, 90, 120};
    for (int j = 1; j <= 12; ++j) EXPECT_EQ(frame.signStart[j], starts[j - 1]) << "sector " << j;
    EXPECT_TRUE(messages.list.empty());
}

TEST_F(WorkedWheel, CuspsAndHouseMiddles)
{
    const int cusps[12] = {180, 204, 233, 266, 299, 332, 0, 24, 53, 86, 119, 152};
    // House 6 runs over 0: (332 + 0 + 360) div 2, not reduced below 360.
    const int mids[12] = {192, 218, 249, 282, 315, 346, 12, 38, 69, 102, 135, 166};
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(frame.cuspAngle[i], cusps[i - 1]) << "house " << i;
        EXPECT_EQ(frame.houseMid[i], mids[i - 1]) << "house " << i;
    }
}

TEST_F(WorkedWheel, PointsStandAtSectorStartPlusDegrees)
{
    // Sun 牡牛 14.31: whole degrees round up by the minutes (15), the exact angle has
    // the minutes in tenths (14.5).
    EXPECT_EQ(chart.chartAngle[1], 60 + 15);
    EXPECT_DOUBLE_EQ(chart.chartAngleExact[1], 60 + 14.5);
    // Mars 山羊 17.45: 45 minutes are 7.5 tenths, rounded half to even: 17.8.
    EXPECT_EQ(chart.chartAngle[5], 318);
    EXPECT_NEAR(chart.chartAngleExact[5], 317.8, 1e-9);
    // ASC and MC are the cusp angles, whole degrees in both arrays.
    EXPECT_EQ(chart.chartAngle[12], 180);
    EXPECT_EQ(chart.chartAngle[13], 86);
    EXPECT_DOUBLE_EQ(chart.chartAngleExact[13], 86.0);
}

TEST_F(WorkedWheel, SeparationsAreRoundedHalfEvenAndFolded)
{
    EXPECT_EQ(frame.separation[1][2], 46);   // 74.5 - 28.8 = 45.7
    EXPECT_EQ(frame.separation[1][7], 180);  // 255.0 - 74.5 = 180.5 rounds to the even 180
    EXPECT_EQ(frame.separation[2][10], 170); // 218.3 - 28.8 = 189.5 -> 190 -> folded
    EXPECT_EQ(frame.separation[2][5], 71);   // 317.8 - 28.8 = 289 -> folded
    EXPECT_EQ(frame.separation[12][13], 94); // ASC–MC is computed like any other pair
}

TEST_F(WorkedWheel, MoonMansionAndMansionStarts)
{
    // Aries is sector 9 (30): mansion 1 starts there, mansion 27 wraps to 16..29.
    EXPECT_EQ(frame.mansionStart[1], 30);
    EXPECT_EQ(frame.mansionStart[2], 43);
    EXPECT_EQ(frame.mansionStart[27], 16);
    EXPECT_EQ(chart.moonMansion, 27);  // Moon at 29
}

TEST_F(WorkedWheel, AngleBandsRunTwentyDegreesAroundEachAngle)
{
    EXPECT_EQ(frame.angleBand[1], 170);   // ASC - 10
    EXPECT_EQ(frame.angleBand[20], 189);  // ASC + 9
    EXPECT_EQ(frame.angleBand[21], 256);  // IC (266) - 10
    EXPECT_EQ(frame.angleBand[41], -10);  // Descendant at 0, not reduced
    EXPECT_EQ(frame.angleBand[80], 95);   // MC (86) + 9
}

TEST(WheelFrame, SeparationFolding)
{
    struct Row {
        const char* name;
        double a, b;
        int expected;
    };
    const Row rows[] = {
        {"359.6 rounds to 360, a conjunction", 359.6, 0.0, 0},
        {"359.8 and 0.2", 359.8, 0.2, 0},
        {"180.5 rounds to the even 180", 180.5, 0.0, 180},
        {"181.5 rounds to 182, folds to 178", 181.5, 0.0, 178},
        {"181 folds to 179", 0.0, 181.0, 179},
        {"180 stays", 90.0, 270.0, 180},
        {"0.5 rounds to the even 0", 10.5, 10.0, 0},
    };
    for (const Row& r : rows) EXPECT_EQ(separationOf(r.a, r.b), r.expected) << r.name;
}

TEST_F(WorkedWheel, MoonOnTheBoundaryOfTwoMansionsTakesTheEarlier)
{
    // Mansion 1 covers 30..43 and mansion 2 starts at 43: the first match wins.
    EXPECT_EQ(mansionHolding(frame, 43), 1);
    EXPECT_EQ(mansionHolding(frame, 44), 2);
    // Mansion 27 starts at 16 (376 - 360) and covers 16..29.
    EXPECT_EQ(mansionHolding(frame, 29), 27);
    EXPECT_EQ(mansionHolding(frame, 15), 26);  // 30 + 333 - 360 = 3 .. 16
    // A mansion running over 0: start 350 covers 350..360 and 0..3.
    WheelFrame wrapped = frame;
    wrapped.mansionStart[5] = 350;
    EXPECT_EQ(mansionHolding(wrapped, 2), 5);
    EXPECT_EQ(mansionHolding(wrapped, 360), 5);
}

TEST(WheelFrame, AscendantAtTwelveAndAHalfRoundsToEven)
{
    core::ChartRecord chart = testing::workedChart();
    chart.houseDegReal[1] = 12.5;
    WheelFrame frame;
    computeSectors(chart, frame);
    EXPECT_EQ(frame.ascSignStart, 168);
    EXPECT_EQ(frame.cuspAngle[1], 180);
}

TEST(WheelFrame, BodyPastTheEndOfTheCircleIsReduced)
{
    // Sectors starting at 172 + 30k put 水瓶 (sector 7) at 352: 352 + 14 -> 6.
    core::ChartRecord chart = testing::workedChart();
    chart.houseDegReal[1] = 8.0;
    chart.pointSign[2] = core::SignIndex(11);
    chart.pointDeg[2] = 14;
    chart.pointDegReal[2] = 14.5;
    WheelFrame frame;
    computeSectors(chart, frame);
    ASSERT_EQ(frame.signStart[7], 352);
    computeChartAngles(chart, frame);
    EXPECT_EQ(chart.chartAngle[2], 6);
    EXPECT_DOUBLE_EQ(chart.chartAngleExact[2], 6.5);
}

TEST(WheelFrame, NoChartYetMeansNoSectorAndAnError)
{
    core::ChartRecord empty;
    WheelFrame frame;
    platform::RecordingMessages messages;
    EXPECT_THROW(computeWheelFrame(empty, frame, messages), platform::CommandError);
    EXPECT_EQ(signAndDegreeOf(empty, frame, 100, "hlp"), "");
}

TEST(WheelFrame, MissingAriesAndMissingMansionAreToldAndTheRestGoesOn)
{
    core::ChartRecord chart = testing::workedChart();
    // No sector holds Aries any more (sector 9 and the points in it become 牡牛).
    chart.wholeSignHouse[9] = core::SignIndex(2);
    chart.houseSign[9] = core::SignIndex(2);
    chart.pointSign[3] = core::SignIndex(2);
    WheelFrame frame;
    platform::RecordingMessages messages;
    chart.moonMansion = 7;
    // Mansion starts stay 0: every mansion covers 0..13, the Moon at 29 is in none.
    const FrameResult r = computeWheelFrame(chart, frame, messages);
    EXPECT_FALSE(r.ariesFound);
    EXPECT_FALSE(r.moonMansionFound);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{ariesMissingMessage, moonMansionMissingMessage}));
    EXPECT_EQ(chart.moonMansion, 7);
    // The separations still follow; the Sun's 牡牛 is now first found in sector 9 (30).
    EXPECT_EQ(frame.separation[1][2], 16);  // 44.5 - 28.8
}

TEST(WheelFrame, AspectColours)
{
    struct Row {
        int degree;
        std::uint32_t rgb;
    };
    const Row rows[] = {{30, 0x008000},  {60, 0x008000},  {120, 0x008000}, {45, 0xFF00FF}, {135, 0xFF00FF},
                        {72, 0xFF0000},  {144, 0xFF0000}, {90, 0x800080},  {180, 0x800080}, {150, 0x0000FF},
                        {0, 0x00FFFF},   {-1, 0x00FFFF},  {36, 0x00FFFF}};
    for (const Row& r : rows) EXPECT_EQ(aspectColour(r.degree), platform::Colour::rgb(r.rgb)) << r.degree;
}

TEST_F(WorkedWheel, SignAndDegreeOfUsesHalfOpenSectors)
{
    struct Row {
        int angle;
        const char* mode;
        const char* expected;
    };
    const Row rows[] = {
        {75, "hlp", "牡牛15"},
        {75, "", "15"},
        {60, "hlp", "牡牛0"},     // a sector's start belongs to that sector
        {59, "hlp", "牡羊29"},
        {0, "hlp", "うお0"},      // the sector starting at 0
        {360, "hlp", "うお0"},    // 360 is 0, not 30 degrees of the sector before
        {-5, "hlp", "水瓶25"},    // 355
        {149, "hlp", "かに29"},
        {150, "hlp", "獅子0"},
    };
    for (const Row& r : rows) EXPECT_EQ(signAndDegreeOf(chart, frame, r.angle, r.mode), r.expected) << r.angle;
}

}  // namespace
}  // namespace celmora::graphics
