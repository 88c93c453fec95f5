// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Today's date. Fixed in tests and by `celmora-cli --now YYYY/MM/DD`.

#include <memory>
#include <optional>

namespace celmora::platform {

struct Date {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    bool operator==(const Date&) const = default;
};

// 0 = Sunday .. 6 = Saturday (Gregorian calendar).
int weekday(const Date& date);
bool isLeapYear(int year);
int daysInMonth(int year, int month);

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

// The system clock in local time.
std::unique_ptr<Clock> makeSystemClock();

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date date) : date_(date) {}
    Date today() const override { return date_; }
    void set(Date date) { date_ = date; }

private:
    Date date_;
};

}  // namespace celmora::platform
