// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Matching separations against the aspect definitions, and the natal aspect table.

#include "western/AspectUnit1.h"

#include "core/ChartRecord.h"
#include "graphics/WheelFrame.h"
#include "graphics/WorkedChart.h"
#include "western/ASPDB1.h"

#include <gtest/gtest.h>

namespace celmora::western {
namespace {

AspectDefinition row(int degree, int orb, const char* school, const char* memo = "")
{
    return {std::string("角") + std::to_string(degree), school, degree, orb, "", memo};
}

AspectTable tableOf(const std::vector<AspectDefinition>& rows)
{
    AspectTable t;
    t.assign(rows);
    return t;
}

TEST(FindAspect, OrbEndsAreInsideAndOneBeyondIsOutside)
{
    const AspectTable t = tableOf({row(90, 7, "HARD"), row(0, 8, "HARD"), row(180, 8, "HARD")});
    struct Case {
        int separation;
        bool found;
        int angle;
    };
    const Case cases[] = {{83, true, 90}, {97, true, 90}, {82, false, 0}, {98, false, 0},
                          {0, true, 0},   {8, true, 0},   {9, false, 0},  {172, true, 180}, {180, true, 180}};
    for (const Case& c : cases) {
        const AspectMatch m = findAspect(t, c.separation);
        EXPECT_EQ(m.found, c.found) << c.separation;
        if (c.found) {
            EXPECT_EQ(m.angle, c.angle) << c.separation;
        }
    }
}

TEST(FindAspect, FirstRowWinsWhereOrbsOverlap)
{
    const AspectTable t = tableOf({row(90, 8, "HARD"), row(88, 2, "SOFT")});
    const AspectMatch m = findAspect(t, 89);
    EXPECT_TRUE(m.found);
    EXPECT_EQ(m.angle, 90);
    EXPECT_EQ(m.aspectClass, AspectClass::Hard);
}

TEST(FindAspect, OnlyExactlySoftIsSoft)
{
    const std::pair<const char*, AspectClass> rows[] = {{"SOFT", AspectClass::Soft},
                                                        {"soft", AspectClass::Hard},
                                                        {"", AspectClass::Hard},
                                                        {"HARD", AspectClass::Hard},
                                                        {"SOFT ", AspectClass::Hard}};
    for (const auto& [school, expected] : rows) {
        EXPECT_EQ(findAspect(tableOf({row(120, 7, school)}), 120).aspectClass, expected) << '"' << school << '"';
    }
}

TEST(AspectMemo, FirstRowOfTheAngleOrNothing)
{
    AspectTable t = tableOf({row(60, 5, "SOFT", "最初"), row(90, 7, "HARD", "直角"), row(60, 3, "SOFT", "二番目")});
    EXPECT_EQ(aspectMemo(t, 60), "最初");
    EXPECT_EQ(aspectMemo(t, 72), "");
    // A shorter table loaded afterwards leaves nothing of the longer one behind.
    t.assign({row(0, 8, "HARD", "合")});
    EXPECT_EQ(aspectMemo(t, 90), "");
    EXPECT_EQ(aspectMemo(t, 0), "合");
}

class NatalAspects : public ::testing::Test {
protected:
    NatalAspects() : chart(testing::workedChart())
    {
        platform::RecordingMessages quiet;
        graphics::computeWheelFrame(chart, frame, quiet);
    }

    core::ChartRecord chart;
    graphics::WheelFrame frame;
    AspectMatrix matrix;
};

TEST_F(NatalAspects, WorkedChartMatchesCountsAndFlags)
{
    const AspectTable t = tableOf({row(0, 8, "HARD"), row(180, 8, "HARD"), row(90, 7, "HARD"), row(120, 7, "SOFT"),
                                   row(60, 5, "SOFT"), row(45, 2, "HARD"), row(30, 2, "SOFT")});
    buildAspectTable(chart, frame, t, matrix);

    // Sun–Jupiter 120.2 -> 120, soft; Sun–Saturn 180.5 -> 180, hard; Sun–Moon 46, hard.
    EXPECT_EQ(frame.aspectAngle[1][6], 120);
    EXPECT_TRUE(matrix.hasAspect[1][6]);
    EXPECT_FALSE(matrix.isHard[1][6]);
    EXPECT_EQ(frame.aspectAngle[1][7], 180);
    EXPECT_TRUE(matrix.isHard[1][7]);
    EXPECT_EQ(frame.aspectAngle[1][2], 45);
    // Moon–Node 112: no definition.
    EXPECT_EQ(frame.aspectAngle[2][11], -1);
    EXPECT_FALSE(matrix.hasAspect[2][11]);

    int soft = 0, hard = 0;
    for (int i = 1; i <= 12; ++i) {
        for (int j = i + 1; j <= 13; ++j) {
            if (!matrix.hasAspect[i][j]) continue;
            (matrix.isHard[i][j] ? hard : soft) += 1;
        }
    }
    EXPECT_EQ(chart.softAspectCount, soft);
    EXPECT_EQ(chart.hardAspectCount, hard);
    EXPECT_GT(soft, 0);
    EXPECT_GT(hard, 0);
    EXPECT_EQ(twoBodyAspectPairs(matrix, AspectClass::Hard).size(), static_cast<std::size_t>(hard));
    EXPECT_EQ(twoBodyAspectPairs(matrix, AspectClass::Soft).size(), static_cast<std::size_t>(soft));
    EXPECT_TRUE(matrix.built);
}

TEST_F(NatalAspects, AscendantAndMidheavenNeverCount)
{
    // ASC–MC are 94 apart; a definition holding 94 must not make them an aspect.
    const AspectTable t = tableOf({row(90, 7, "HARD")});
    ASSERT_EQ(frame.separation[12][13], 94);
    buildAspectTable(chart, frame, t, matrix);
    EXPECT_FALSE(matrix.hasAspect[12][13]);
    EXPECT_FALSE(matrix.isHard[12][13]);
    EXPECT_EQ(frame.aspectAngle[12][13], 0) << "never written: keeps its initial 0";
    for (const graphics::BodyPair& p : twoBodyAspectPairs(matrix, AspectClass::Hard)) {
        EXPECT_FALSE(p.first == 12 && p.second == 13);
    }
}

TEST_F(NatalAspects, EmptyTableGivesNoAspects)
{
    buildAspectTable(chart, frame, AspectTable{}, matrix);
    for (int i = 1; i <= 12; ++i) {
        for (int j = i + 1; j <= 13; ++j) {
            if (i == 12 && j == 13) continue;
            EXPECT_EQ(frame.aspectAngle[i][j], -1);
            EXPECT_FALSE(matrix.hasAspect[i][j]);
        }
    }
    EXPECT_EQ(chart.softAspectCount, 0);
    EXPECT_EQ(chart.hardAspectCount, 0);
    EXPECT_TRUE(twoBodyAspectPairs(matrix, AspectClass::Soft).empty());
}

TEST_F(NatalAspects, ASecondBuildClearsFlagsOfPairsThatNoLongerMatch)
{
    buildAspectTable(chart, frame, tableOf({row(120, 7, "SOFT")}), matrix);
    ASSERT_TRUE(matrix.hasAspect[1][6]);
    buildAspectTable(chart, frame, tableOf({row(90, 7, "HARD")}), matrix);
    EXPECT_FALSE(matrix.hasAspect[1][6]);
    EXPECT_EQ(frame.aspectAngle[1][6], -1);
}

}  // namespace
}  // namespace celmora::western
