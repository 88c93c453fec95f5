// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/keisan1.h"

#include "core/DataUnit1.h"
#include "platform/Checked.h"
#include "platform/Clock.h"
#include "platform/Errors.h"

namespace celmora::core {

namespace {

// A date in the program's short date format yyyy/mm/dd (leading zeros optional).
platform::Date parseDate(const std::string& text)
{
    const auto fail = [&]() -> platform::Date {
        throw platform::ConversionError("「" + text + "」は正しい日付ではありません。");
    };
    const auto first = text.find('/');
    const auto second = first == std::string::npos ? std::string::npos : text.find('/', first + 1);
    if (second == std::string::npos || text.find('/', second + 1) != std::string::npos) return fail();
    const platform::Date date{platform::toInt(text.substr(0, first)),
                              platform::toInt(text.substr(first + 1, second - first - 1)),
                              platform::toInt(text.substr(second + 1))};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > platform::daysInMonth(date.year, date.month)) {
        return fail();
    }
    return date;
}

}  // namespace

WorksheetResult calcWorksheet(const TDatacalc1& calc, const WorksheetInput& input)
{
    const platform::Date start = parseDate(input.startday);
    const platform::Date end = parseDate(input.endday);
    const int n = end.day - start.day;

    const bool falling = calc.HMSGreaterEq(input.startfai, input.endfai);
    const HmsResult difference =
        falling ? calc.HMSDiff(input.startfai, input.endfai) : calc.HMSDiff(input.endfai, input.startfai);
    const int step = calc.HMSDivide(difference.text, n);

    WorksheetResult result;
    result.difference = difference.text;
    if (n < 0) return result;

    std::vector<WorksheetRow> rows;
    for (int i = 1; i <= n + 1; ++i) {
        const int offset = platform::checkedMul(i - 1, step);
        rows.push_back({std::to_string(start.year) + "/" + std::to_string(start.month) + "/" +
                            std::to_string(start.day + i - 1),
                        falling ? calc.HMSSubSec(input.startfai, offset) : calc.HMSAddSec(input.startfai, offset)});
    }
    result.rows = std::move(rows);
    return result;
}

}  // namespace celmora::core
