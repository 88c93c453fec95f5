// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Clock.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace celmora::platform {
namespace {

TEST(ClockTest, WeekdayOfKnownDates)
{
    // Dates with weekdays from any printed calendar (0 = Sunday).
    const struct {
        Date date;
        int weekday;
    } cases[] = {
        {{1970, 1, 1}, 4},   {{2000, 2, 29}, 2},  {{2000, 3, 1}, 3},   {{1900, 1, 1}, 1},  {{1900, 3, 1}, 4},
        {{1989, 1, 8}, 0},   {{2024, 12, 31}, 2}, {{2100, 1, 1}, 5},   {{1800, 1, 1}, 3},  {{2200, 12, 31}, 3},
        {{1600, 2, 29}, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(weekday(c.date), c.weekday) << c.date.year << "/" << c.date.month << "/" << c.date.day;
    }
}

TEST(ClockTest, LeapYearsAndMonthLengths)
{
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(2023));
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
    EXPECT_EQ(daysInMonth(2023, 4), 30);
    EXPECT_EQ(daysInMonth(2023, 12), 31);
    EXPECT_THROW(daysInMonth(2023, 13), RangeError);
}

TEST(ClockTest, SystemClockGivesAValidDate)
{
    const Date today = makeSystemClock()->today();
    EXPECT_GE(today.year, 2024);
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.day, daysInMonth(today.year, today.month));
}

}  // namespace
}  // namespace celmora::platform
