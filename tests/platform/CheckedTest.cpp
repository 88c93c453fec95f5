// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Checked.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace celmora::platform {
namespace {

TEST(CheckedTest, RoundHalfEven)
{
    const struct {
        double value;
        int expected;
    } cases[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},    {-2.5, -2},  {17.5, 18},  {22.5, 22},
        {-0.5, 0},  {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3},  {0.0, 0},
        {2147483647.0, INT_MAX}, {-2147483648.0, INT_MIN}, {2147483647.4, INT_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;

    for (double bad : {2147483647.5, -2147483648.6, 1e12, double(NAN), double(INFINITY)}) {
        EXPECT_THROW(roundHalfEven(bad), RangeError) << bad;
    }
}

TEST(CheckedTest, ArithmeticOverflowAndDivision)
{
    EXPECT_EQ(checkedAdd(INT_MAX - 1, 1), INT_MAX);
    EXPECT_THROW(checkedAdd(INT_MAX, 1), OverflowError);
    EXPECT_THROW(checkedSub(INT_MIN, 1), OverflowError);
    EXPECT_EQ(checkedMul(46340, 46340), 2147395600);
    EXPECT_THROW(checkedMul(46341, 46341), OverflowError);

    // Truncation toward zero, as the rest of the system expects.
    EXPECT_EQ(checkedDiv(-7, 2), -3);
    EXPECT_EQ(checkedMod(-7, 2), -1);
    EXPECT_EQ(checkedMod(INT_MIN, -1), 0);
    EXPECT_THROW(checkedDiv(INT_MIN, -1), OverflowError);
    EXPECT_THROW(checkedDiv(1, 0), DivisionError);
    EXPECT_THROW(checkedMod(1, 0), DivisionError);
}

TEST(CheckedTest, ToInt)
{
    const struct {
        const char* text;
        int expected;
    } good[] = {{"0", 0}, {" 42 ", 42}, {"+7", 7}, {"-0012", -12}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}};
    for (const auto& c : good) EXPECT_EQ(toInt(c.text), c.expected) << c.text;

    for (const char* bad : {"", "  ", "-", "1.5", "12a", "1 2", "０１", "0x10"}) {
        try {
            toInt(bad);
            ADD_FAILURE() << "accepted \"" << bad << "\"";
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("「") + bad + "」"), std::string::npos) << e.what();
        }
    }
    for (const char* big : {"2147483648", "-2147483649", "99999999999999999999999"}) {
        EXPECT_THROW(toInt(big), RangeError) << big;
    }
}

TEST(CheckedTest, RangesAndArrays)
{
    EXPECT_EQ(checkedRange(12, 1, 12, "月"), 12);
    try {
        checkedRange(13, 1, 12, "月");
        ADD_FAILURE();
    } catch (const RangeError& e) {
        EXPECT_NE(std::string(e.what()).find("月"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("13"), std::string::npos);
    }

    Array1<int, 1, 13> points;
    points[1] = 5;
    points[13] = 6;
    EXPECT_EQ(points[1] + points[13], 11);
    EXPECT_THROW(points[0], RangeError);
    EXPECT_THROW(points[14], RangeError);
    Array2<int, 0, 9, 1, 4> quality;
    quality[9][4] = 1;
    EXPECT_THROW(quality[9][5], RangeError);
}

}  // namespace
}  // namespace celmora::platform
