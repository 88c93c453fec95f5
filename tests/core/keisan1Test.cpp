// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "core/DataUnit1.h"
#include "core/keisan1.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace celmora::core {
namespace {

class WorksheetTest : public ::testing::Test {
protected:
    platform::RecordingMessages messages;
    TDatacalc1 calc;
};

TEST_F(WorksheetTest, RisingSeriesStepsFromTheStart)
{
    const WorksheetResult r = calcWorksheet(calc, {"2024/03/01", "2024/03/05", "10.0.0", "10.40.0"});
    EXPECT_EQ(r.difference, "0.40.0");
    ASSERT_TRUE(r.rows);
    // 2400 s over 4 days: 600 s a day.
    const std::vector<WorksheetRow> expected{{"2024/3/1", "10.0.0"},  {"2024/3/2", "10.10.0"}, {"2024/3/3", "10.20.0"},
                                             {"2024/3/4", "10.30.0"}, {"2024/3/5", "10.40.0"}};
    EXPECT_EQ(*r.rows, expected);
}

TEST_F(WorksheetTest, FallingSeriesAndTruncatedStep)
{
    const WorksheetResult r = calcWorksheet(calc, {"2024/1/10", "2024/1/13", "5.30.0", "5.20.0"});
    EXPECT_EQ(r.difference, "0.10.0");
    ASSERT_TRUE(r.rows);
    // 600 s / 3 = 200 s a day, subtracted.
    const std::vector<WorksheetRow> expected{
        {"2024/1/10", "5.30.0"}, {"2024/1/11", "5.26.40"}, {"2024/1/12", "5.23.20"}, {"2024/1/13", "5.20.0"}};
    EXPECT_EQ(*r.rows, expected);
}

TEST_F(WorksheetTest, OnlyTheDaysOfTheMonthCount)
{
    // Different months: n is still end day - start day; a negative n fills nothing.
    const WorksheetResult r = calcWorksheet(calc, {"2024/01/20", "2024/02/10", "1.0.0", "2.0.0"});
    EXPECT_EQ(r.difference, "1.0.0");
    EXPECT_FALSE(r.rows);
}

TEST_F(WorksheetTest, Errors)
{
    EXPECT_THROW(calcWorksheet(calc, {"2024/03/01", "2024/04/01", "10.0.0", "10.40.0"}), platform::DivisionError);
    EXPECT_THROW(calcWorksheet(calc, {"2024/03/01", "2024/03/02", "0.0.0", "18.12.16"}), platform::RangeError);
    EXPECT_THROW(calcWorksheet(calc, {"2024/02/30", "2024/03/02", "0.0.0", "1.0.0"}), platform::ConversionError);
    EXPECT_THROW(calcWorksheet(calc, {"20240301", "2024/03/02", "0.0.0", "1.0.0"}), platform::ConversionError);
}

}  // namespace
}  // namespace celmora::core
