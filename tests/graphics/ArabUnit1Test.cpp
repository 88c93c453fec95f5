// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "graphics/ArabUnit1.h"

#include "core/ChartRecord.h"
#include "graphics/WheelFrame.h"
#include "graphics/WorkedChart.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace celmora::graphics {
namespace {

TEST(ArabicParts, AngleNormalisation)
{
    struct Row {
        int in, out;
    };
    const Row rows[] = {{-5, 355}, {365, 5}, {360, 360}, {0, 0}, {-359, 1}, {718, 358}};
    for (const Row& r : rows) EXPECT_EQ(normaliseArabicAngle(r.in), r.out) << r.in;
}

TEST(ArabicParts, BelowTheHorizon)
{
    EXPECT_TRUE(belowHorizon(180, 180)) << "the Sun exactly on the Ascendant";
    EXPECT_TRUE(belowHorizon(180, 360));
    EXPECT_TRUE(belowHorizon(180, 270));
    EXPECT_FALSE(belowHorizon(180, 179));
    EXPECT_FALSE(belowHorizon(180, 0));
    // An arc running over 0 (only a partner's frame has another Ascendant).
    EXPECT_TRUE(belowHorizon(270, 10));
    EXPECT_FALSE(belowHorizon(270, 100));
}

TEST(ArabicParts, WorkedChart)
{
    // A = 180, Sun 75, Moon 29, Venus 93, Jupiter 195, cusp 7 at 0, cusp 8 at 24.
    core::ChartRecord chart = testing::workedChart();
    WheelFrame frame;
    platform::RecordingMessages messages;
    computeWheelFrame(chart, frame, messages);
    const auto parts = computeArabicParts(chart, frame);
    struct Row {
        int angle;
        const char* fullText;
    };
    const Row rows[5] = {
        // 180 + 195 - 75 = 300, exactly the start of 山羊's sector: 0 degrees of 山羊,
        // not 30 degrees of 射手.
        {300, "山羊0(財産の増加)"},
        {87, "牡牛27(結婚の予感)"},    // 180 + 0 - 93
        {175, "獅子25(死の予感)"},     // 180 + 24 - 29
        {134, "かに14(幸運の予感)"},   // the Sun is above the horizon: 180 + 29 - 75
        {198, "乙女18(愛の予感)"},     // 180 + 93 - 75
    };
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(parts[k].angle, rows[k - 1].angle) << k;
        EXPECT_EQ(parts[k].fullText, rows[k - 1].fullText) << k;
    }
    EXPECT_EQ(parts[1].mark, "財");
    EXPECT_EQ(parts[1].signName, "山羊");
    EXPECT_EQ(parts[1].degreeText, "0");
}

TEST(ArabicParts, SunOnTheAscendantUsesTheNightFormula)
{
    core::ChartRecord chart = testing::workedChart();
    WheelFrame frame;
    platform::RecordingMessages messages;
    computeWheelFrame(chart, frame, messages);
    chart.chartAngle[1] = 180;  // on the Ascendant: below the horizon
    EXPECT_EQ(computeArabicParts(chart, frame)[4].angle, 180 + 180 - 29);
    chart.chartAngle[1] = 179;
    EXPECT_EQ(computeArabicParts(chart, frame)[4].angle, 180 + 29 - 179);
}

TEST(ArabicParts, PartAt360IsZeroDegreesOfTheSectorStartingThere)
{
    // Jupiter - Sun = 180: A + 180 = 360 stays 360, and the sector starting at 0 (うお)
    // holds it with 0 degrees.
    core::ChartRecord chart = testing::workedChart();
    WheelFrame frame;
    platform::RecordingMessages messages;
    computeWheelFrame(chart, frame, messages);
    chart.chartAngle[6] = chart.chartAngle[1] + 180;
    const auto parts = computeArabicParts(chart, frame);
    EXPECT_EQ(parts[1].angle, 360);
    EXPECT_EQ(parts[1].fullText, "うお0(財産の増加)");
}

}  // namespace
}  // namespace celmora::graphics
