// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Clock.h"

#include "platform/Errors.h"

#include <ctime>
#include <string>

namespace celmora::platform {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        throw RangeError("月の値 " + std::to_string(month) + " が範囲（1～12）の外です。");
    }
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

int weekday(const Date& date)
{
    // Days since 1970-01-01 (a Thursday) in the proleptic Gregorian calendar, counted
    // from a March-based year so that the leap day falls at the end of the year.
    const int y = date.year - (date.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const int dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = static_cast<long long>(era) * 146097 + dayOfEra - 719468;
    const long long w = (days + 4) % 7;  // 1970-01-01 was weekday 4
    return static_cast<int>(w < 0 ? w + 7 : w);
}

namespace {

class SystemClock final : public Clock {
public:
    Date today() const override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock()
{
    return std::make_unique<SystemClock>();
}

}  // namespace celmora::platform
