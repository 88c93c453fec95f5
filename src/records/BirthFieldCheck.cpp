// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/BirthFieldCheck.h"

#include <optional>

#include "platform/Checked.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "records/PersonFields.h"

namespace celmora::records {

namespace {

// 2000 was a leap year: the most days a month can have.
constexpr int anyLeapYear = 2000;

std::optional<int> readInt(std::string_view text)
{
    try {
        return platform::toInt(text);
    } catch (const platform::CommandError&) {
        return std::nullopt;  // not a number, or beyond 32 bits
    }
}

std::optional<int> readWithin(std::string_view text, int lo, int hi)
{
    const std::optional<int> value = readInt(text);
    if (!value || *value < lo || *value > hi) return std::nullopt;
    return value;
}

std::string rangeMessage(std::string_view what, int lo, int hi)
{
    return std::string(what) + "は" + std::to_string(lo) + "～" + std::to_string(hi) + "の数字で指定してください。";
}

}  // namespace

std::string birthFieldProblem(std::string_view field, std::string_view text, std::string_view yearText,
                              std::string_view monthText)
{
    if (text.empty()) return {};
    struct Range {
        std::string_view field;
        const char* what;
        int lo;
        int hi;
    };
    static constexpr Range ranges[] = {{fields::year, "年", firstEphemerisYear, lastEphemerisYear},
                                       {fields::month, "月", 1, 12},
                                       {fields::hour, "時", 0, 23},
                                       {fields::minute, "分", 0, 59}};
    for (const Range& r : ranges) {
        if (field != r.field) continue;
        return readWithin(text, r.lo, r.hi) ? std::string() : rangeMessage(r.what, r.lo, r.hi);
    }
    if (field == fields::day) {
        const std::optional<int> month = readWithin(monthText, 1, 12);
        if (!month) return readWithin(text, 1, 31) ? std::string() : rangeMessage("日", 1, 31);
        const std::optional<int> year = readWithin(yearText, firstEphemerisYear, lastEphemerisYear);
        const int days = platform::daysInMonth(year.value_or(anyLeapYear), *month);
        if (readWithin(text, 1, days)) return {};
        const std::string when =
            (year ? std::to_string(*year) + "年" : std::string()) + std::to_string(*month) + "月の";
        return when + rangeMessage("日", 1, days);
    }
    if (field == fields::timeDiff) {
        return readInt(text) ? std::string() : "時差は分単位の整数（例：+19、-29）で指定してください。";
    }
    return {};
}

}  // namespace celmora::records
