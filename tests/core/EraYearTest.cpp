// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "core/EraYear.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace celmora::core {
namespace {

TEST(EraYear, ConvertsEraYearsAndLeavesOtherTexts)
{
    struct Row {
        const char* typed;
        const char* expected;
    };
    const Row rows[] = {
        {"S34", "1959"}, {"s34", "1959"}, {"T1", "1912"},  {"t15", "1926"}, {"H1", "1989"},  {"h31", "2019"},
        {"R1", "2019"},  {"r6", "2024"},  {"M45", "1912"}, {"m1", "1868"},  {"1959", "1959"}, {"X12", "X12"},
        {"昭和34", "昭和34"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        EXPECT_EQ(eraYearText(r.typed), r.expected);
    }
}

TEST(EraYear, EmptyOrNumberlessTextIsAnError)
{
    EXPECT_THROW(eraYearText(""), platform::RangeError);
    EXPECT_THROW(eraYearText("S"), platform::ConversionError);
    EXPECT_THROW(eraYearText("Sx"), platform::ConversionError);
}

}  // namespace
}  // namespace celmora::core
