// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The arithmetic module. Expected values are the worked cases of the module's rules
// (time and degree texts, rounding halves to even) unless a row says otherwise.

#include "core/DataUnit1.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace celmora::core {
namespace {

class DataUnit1Test : public ::testing::Test {
protected:
    TDatacalc1 calc;
    // What the operations noted for their caller to show, in call order.
    std::vector<std::string> notes;
    std::string* note()
    {
        notes.emplace_back();
        return &notes.back();
    }
    std::vector<std::string> notesGiven() const
    {
        std::vector<std::string> given;
        for (const auto& n : notes) {
            if (!n.empty()) given.push_back(n);
        }
        return given;
    }
};

TEST_F(DataUnit1Test, TextSplittingAndPadding)
{
    EXPECT_EQ(calc.ZeroPad2(7), "07");
    EXPECT_EQ(calc.ZeroPad2(0), "00");
    EXPECT_EQ(calc.ZeroPad2(10), "10");
    EXPECT_EQ(calc.CountChar(".", "12.5.40"), 2);
    EXPECT_EQ(calc.CountChar("座", "獅子座と乙女座"), 2);
    EXPECT_EQ(calc.SplitDot("23"), (DotParts{"23", "0"}));
    EXPECT_EQ(calc.SplitDot("12.5.40"), (DotParts{"12", "5.40"}));
    EXPECT_EQ(calc.DecodeDMS("9.5.00", note()), (DmsParts{"9", "5", "00"}));
    EXPECT_TRUE(notesGiven().empty());
}

TEST_F(DataUnit1Test, DecodeDmsShowsErrorAndLeavesMissingPartsEmpty)
{
    EXPECT_EQ(calc.DecodeDMS("12.5", note()), (DmsParts{"12", "", ""}));
    EXPECT_EQ(calc.DecodeDMS("12", note()), (DmsParts{}));
    EXPECT_EQ(notesGiven(), (std::vector<std::string>{"DecodeDMS error -12.5", "DecodeDMS error -12"}));
    // A time operation that meets such a text ends the command with the same text.
    try {
        calc.HMS2Sec("12.5");
        ADD_FAILURE() << "HMS2Sec accepted 12.5";
    } catch (const platform::ConversionError& e) {
        EXPECT_STREQ(e.what(), "DecodeDMS error -12.5");
    }
}

TEST_F(DataUnit1Test, SecondsAndMinutesConversions)
{
    EXPECT_EQ(calc.HMS2Sec("12.0.0"), 43200);
    EXPECT_EQ(calc.HMS2Sec("9.5.00"), 32700);
    EXPECT_EQ(calc.Sec2HMS(32700), "9.5.0");
    EXPECT_EQ(calc.Sec2HMS(86400), "24.0.0");
    EXPECT_EQ(calc.DM2Min("23.46"), 1426);
    EXPECT_EQ(calc.DM2Min("5"), 300);
    EXPECT_EQ(calc.Min2DM(1426), "23.46");
    EXPECT_EQ(calc.HMSAddSec("23.59.30", 45), "24.0.15");
    EXPECT_EQ(calc.HMSSubSec("0.1.0", 30), "0.0.30");
    EXPECT_TRUE(calc.HMSGreaterEq("12.0.0", "12.00.00"));
    EXPECT_FALSE(calc.HMSGreaterEq("11.59.59", "12.0.0"));
    EXPECT_THROW(calc.HMS2Sec("12.x.0"), platform::ConversionError);
}

TEST_F(DataUnit1Test, HmsDivideIsLimitedTo65535Seconds)
{
    EXPECT_EQ(calc.HMSDivide("18.12.15", 1), 65535);
    EXPECT_EQ(calc.HMSDivide("0.40.0", 7), 342);  // 2400 / 7 truncated
    EXPECT_THROW(calc.HMSDivide("18.12.16", 1), platform::RangeError);
    EXPECT_THROW(calc.HMSDivide("0.40.0", 0), platform::DivisionError);
}

TEST_F(DataUnit1Test, DifferencesBorrowAndSumsCarry)
{
    struct Row {
        const char* name;
        HmsResult result;
        HmsResult expected;
    };
    const Row rows[] = {
        {"borrow seconds and minutes", calc.HMSDiff("12.0.0", "9.5.30"), {"2.54.30", 2, 54, 30}},
        {"no borrow", calc.HMSDiff("14.30.0", "12.0.0"), {"2.30.0", 2, 30, 0}},
        {"sub wrap: equal times give 24 h", calc.TimeSubWrap("12.0.0", "12.0.0"), {"24.0.0", 24, 0, 0}},
        {"sub wrap: b smaller", calc.TimeSubWrap("18.43.0", "2.55.0"), {"15.48.0", 15, 48, 0}},
        {"sub wrap: b larger wraps", calc.TimeSubWrap("0.10.0", "2.0.0"), {"22.10.0", 22, 10, 0}},
        {"add wrap: exactly 24 h stays", calc.TimeAddWrap("12.0.0", "12.0.0"), {"24.0.0", 24, 0, 0}},
        {"add wrap: past 24 h folds", calc.TimeAddWrap("12.0.1", "12.0.0"), {"0.0.1", 0, 0, 1}},
        {"add wrap: 23.59 + 2.30", calc.TimeAddWrap("23.59.0", "2.30.0"), {"2.29.0", 2, 29, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.result, r.expected);
    }
    EXPECT_EQ(calc.DMAdd("23.46", "2.47"), (DmResult{"26.33", 26, 33}));
    EXPECT_EQ(calc.DMAdd("1.30", "2.30"), (DmResult{"4.0", 4, 0}));
    EXPECT_EQ(calc.DMSub("23.46", "6.57"), (DmResult{"16.49", 16, 49}));
    EXPECT_EQ(calc.DMSub("23.46", "0.0"), (DmResult{"23.46", 23, 46}));
}

TEST_F(DataUnit1Test, NormalizeTimeText)
{
    struct Row {
        const char* input;
        const char* option;
        const char* expected;
    };
    const Row rows[] = {
        {"24.5.0", "BELLOW24", "00.05.00"},
        {"24.5.0", "", "24.05.00"},
        {"24.5.0", "bellow24", "24.05.00"},  // the option is an exact text
        {"7", "BELLOW24", "07.00.00"},
        {"24", "BELLOW24", "24.00.00"},  // a bare number is never folded
        {"9.5", "", "09.05.00"},
        {"25.30", "BELLOW24", "01.30.00"},
        {"16.7.0", "BELLOW24", "16.07.00"},
        {"48.0.0", "BELLOW24", "24.00.00"},  // folded once only
        {"09.05.00", "", "09.05.00"},
        {"1.2.3.4", "BELLOW24", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.input) + " / " + r.option);
        EXPECT_EQ(calc.NormalizeTimeText(r.input, r.option), r.expected);
    }
}

TEST_F(DataUnit1Test, DegreeTextToInteger)
{
    EXPECT_EQ(calc.DDHHStr2Int("12.30"), 12);
    EXPECT_EQ(calc.DDHHStr2Int("12.31"), 13);
    EXPECT_EQ(calc.DDHHStr2Int("29.45"), 30);
    EXPECT_EQ(calc.DDHHStr2Int("17", note()), 17);
    EXPECT_TRUE(notesGiven().empty());
    EXPECT_EQ(calc.DDHHStr2Int("12.5.40", note()), 0);
    EXPECT_EQ(notesGiven(), (std::vector<std::string>{"DDHHStr2Int error -12.5.40"}));
    EXPECT_THROW(calc.DDHHStr2Int("12.xx"), platform::ConversionError);
}

TEST_F(DataUnit1Test, DegreeTextToRealRoundsHalvesToEven)
{
    struct Row {
        const char* text;
        double tenths;
    };
    const Row rows[] = {
        {"10.03", 10.0}, {"10.09", 10.2}, {"10.15", 10.2}, {"10.21", 10.4}, {"10.57", 11.0}, {"10.59", 11.0},
        {"10.00", 10.0}, {"7", 7.0},
        // d.m.s: seconds above 30 raise the minutes, then tenths as for d.m.
        {"12.8.40", 12.2}, {"12.8.30", 12.1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_DOUBLE_EQ(calc.Kakudo2Real(r.text), r.tenths);
    }
    EXPECT_DOUBLE_EQ(calc.Kakudo2Real2("10.30"), 10.5);
    EXPECT_DOUBLE_EQ(calc.Kakudo2Real2("10.59"), 10.98);
    EXPECT_DOUBLE_EQ(calc.Kakudo2Real2("12.05", note()), 12.08);
    EXPECT_TRUE(notesGiven().empty());

    EXPECT_EQ(calc.Kakudo2Real("1.2.3.4", note()), 0.0);
    EXPECT_EQ(calc.Kakudo2Real2("12.5.40", note()), 0.0);
    EXPECT_EQ(notesGiven(),
              (std::vector<std::string>{"Kakudo2Real() - Illegal input ", "Kakudo2Real2() - Illegal input "}));
}

TEST_F(DataUnit1Test, HarmonicPosition)
{
    // Taurus 10°40' is 40°40' of longitude; x3 = 122°0' = Leo 2°0'.
    EXPECT_EQ(calc.HarmonicPos(3, 2, "10.40"), (HarmonicPosition{5, "2", "0"}));
    // x9 of Pisces 29°59': 359°59' x 9 = 3239°51' = 359°51' (mod 360) = Pisces 29°51'.
    EXPECT_EQ(calc.HarmonicPos(9, 12, "29.59"), (HarmonicPosition{12, "29", "51"}));
    for (int sign = 1; sign <= 12; ++sign) {
        for (const char* dm : {"0.00", "15.07", "29.59"}) {
            const HarmonicPosition same = calc.HarmonicPos(1, sign, dm);
            const DotParts parts = calc.SplitDot(dm);
            EXPECT_EQ(same, (HarmonicPosition{sign, std::to_string(std::stoi(parts.a)), std::to_string(std::stoi(parts.b))}))
                << sign << " " << dm;
        }
    }
}

TEST_F(DataUnit1Test, AddDaysCrossesMonthsAndYears)
{
    struct Row {
        const char* name;
        platform::Date from;
        int n;
        platform::Date expected;
    };
    const Row rows[] = {
        {"leap February", {2000, 2, 28}, 1, {2000, 2, 29}},
        {"year end", {1999, 12, 31}, 1, {2000, 1, 1}},
        {"century not leap", {1900, 2, 28}, 1, {1900, 3, 1}},
        {"no move", {2023, 5, 10}, 0, {2023, 5, 10}},
        {"into leap February of the next year", {2023, 12, 31}, 60, {2024, 2, 29}},
        {"six month boundaries", {2021, 1, 31}, 151, {2021, 7, 1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(calc.AddDays(r.from.year, r.from.month, r.from.day, r.n), r.expected);
    }
    calc.AddDays(2004, 1, 1, 0);
    EXPECT_EQ(calc.daysPerMonth()[2], 29);
    calc.AddDays(2003, 1, 1, 0);
    EXPECT_EQ(calc.daysPerMonth()[2], 28);
}

TEST_F(DataUnit1Test, AyanamsaByYear)
{
    const auto& table = calc.ayanamsaByYear();
    EXPECT_EQ(table[2000], "23.46");
    EXPECT_EQ(table[2001], "23.47");
    EXPECT_EQ(table[1999], "23.45");
    EXPECT_EQ(table[1500], "16.49");
    EXPECT_EQ(table[2200], "26.33");
    EXPECT_EQ(table[1928], "22.46");  // 72 years: 60' exactly, one degree
    EXPECT_THROW(static_cast<void>(table[1499]), platform::RangeError);
    EXPECT_THROW(static_cast<void>(table[2201]), platform::RangeError);
}

}  // namespace
}  // namespace celmora::core
