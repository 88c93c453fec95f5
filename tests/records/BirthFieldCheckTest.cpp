// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gtest/gtest.h>

#include "records/BirthFieldCheck.h"
#include "records/PersonFields.h"

namespace celmora::records {
namespace {

struct Case {
    const char* name;
    std::string_view field;
    const char* text;
    const char* year;     // the row's year
    const char* month;    // the row's month
    const char* problem;  // "" when the text may be posted
};

// A refused value names its field and range; the Diagnose run's general conversion
// message ("生年月日が正しく指定されていません。") is never the answer here.
const Case cases[] = {
    {"empty box: not filled in yet", fields::hour, "", "1980", "01", ""},
    {"year at the first table", fields::year, "1900", "", "", ""},
    {"year at the last table", fields::year, "2200", "", "", ""},
    {"year before the tables", fields::year, "1899", "", "", "年は1900～2200の数字で指定してください。"},
    {"year half typed", fields::year, "198", "", "", "年は1900～2200の数字で指定してください。"},
    {"era year not converted", fields::year, "S34", "", "", "年は1900～2200の数字で指定してください。"},
    {"month 12", fields::month, "12", "1980", "", ""},
    {"month 13", fields::month, "13", "1980", "", "月は1～12の数字で指定してください。"},
    {"month 0", fields::month, "00", "1980", "", "月は1～12の数字で指定してください。"},
    {"day 31 without a month", fields::day, "31", "1980", "", ""},
    {"day 32 without a month", fields::day, "32", "", "", "日は1～31の数字で指定してください。"},
    {"29 February of a leap year", fields::day, "29", "1980", "02", ""},
    {"29 February of 1900", fields::day, "29", "1900", "02", "1900年2月の日は1～28の数字で指定してください。"},
    {"30 February, year unknown", fields::day, "30", "", "02", "2月の日は1～29の数字で指定してください。"},
    {"31 April", fields::day, "31", "2023", "04", "2023年4月の日は1～30の数字で指定してください。"},
    {"day with letters", fields::day, "1a", "2023", "04", "2023年4月の日は1～30の数字で指定してください。"},
    {"hour 23", fields::hour, "23", "", "", ""},
    {"hour 24", fields::hour, "24", "", "", "時は0～23の数字で指定してください。"},
    {"hour with letters", fields::hour, "ab", "", "", "時は0～23の数字で指定してください。"},
    {"negative hour", fields::hour, "-1", "", "", "時は0～23の数字で指定してください。"},
    {"minute 59", fields::minute, "59", "", "", ""},
    {"minute 60", fields::minute, "60", "", "", "分は0～59の数字で指定してください。"},
    {"time difference +19", fields::timeDiff, "+19", "", "", ""},
    {"time difference -29", fields::timeDiff, "-29", "", "", ""},
    {"time difference sign only", fields::timeDiff, "+", "", "",
     "時差は分単位の整数（例：+19、-29）で指定してください。"},
    {"time difference full-width digit", fields::timeDiff, "+1９", "", "",
     "時差は分単位の整数（例：+19、-29）で指定してください。"},
    {"name takes any text", fields::name, "13", "", "", ""},
};

TEST(BirthFieldCheckTest, EachBoxHoldsOnlyWhatItsFieldMay)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(birthFieldProblem(c.field, c.text, c.year, c.month), c.problem);
    }
}

}  // namespace
}  // namespace celmora::records
