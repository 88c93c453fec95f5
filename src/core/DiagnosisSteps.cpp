// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/DiagnosisSteps.h"

#include "core/BirthInput.h"
#include "core/ChartRecordFields.h"
#include "core/DataUnit1.h"
#include "core/JisaUnit.h"
#include "core/ManData1.h"
#include "platform/Checked.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

namespace celmora::core {

namespace {

// Initial order of the aspect-angle frequencies; it decides ties when they are sorted.
constexpr int aspectAngles[11] = {0, 45, 90, 135, 150, 180, 30, 60, 72, 120, 144};

}  // namespace

void ResetChart(Tmandata& mandata, const std::string& area1)
{
    // A record not used yet already holds year 0.
    for (int age = 1; age <= Tmandata::progressedCount; ++age) {
        if (ChartRecord* progressed = mandata.ProgressedChartIfUsed(age)) progressed->year = 0;
    }
    for (int kind = 1; kind <= Tmandata::transitCount; ++kind) {
        if (ChartRecord* transit = mandata.TransitChartIfUsed(kind)) transit->year = 0;
    }

    // A run that ends early must not leave the previous person's positions beside this
    // one's houses: every field starts empty, so what a run did not reach is blank.
    // Only the birthplace outlives the clearing, for a person row without "AREA1".
    ChartRecord& chart = mandata.chart();
    std::string place = area1.empty() ? chart.birthPlace : area1;
    clearChartRecord(chart);
    chart.birthPlace = std::move(place);
    for (int i = 1; i <= 11; ++i) chart.aspectAngleFrequency[i] = {aspectAngles[i - 1], 0};
}

namespace {

// Blanks, tabs and the full-width blank only: no character that shows.
bool isBlankName(std::string_view name)
{
    constexpr std::string_view ideographicSpace = "\u3000";
    while (!name.empty()) {
        if (name.front() == ' ' || name.front() == '\t') {
            name.remove_prefix(1);
        } else if (name.starts_with(ideographicSpace)) {
            name.remove_prefix(ideographicSpace.size());
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ReadBirthInput(ChartRecord& chart, const BirthInput& input, const platform::Clock& clock,
                    platform::Messages& messages)
{
    using platform::checkedRange;
    using platform::toInt;
    // A nameless chart would be saved as a nameless row and keep the result pages shut.
    if (isBlankName(input.name)) {
        messages.information("氏名を入力してください。");
        return false;
    }
    // Read into a copy and take it only when everything was readable: a refused input
    // writes nothing, so the record never holds half of this person's birth data.
    ChartRecord read = chart;
    try {
        read.name = input.name;
        read.sex = input.sex;
        read.birthDateText = input.yearText + "/" + input.monthText + "/" + input.dayText;
        read.year = toInt(input.yearText);
        // A month or day of 0 fits the record's field but names no date; refusing it here
        // gives the user the field and its range instead of a failed table lookup later.
        read.month = checkedRange(toInt(input.monthText), 1, 12, "月");
        read.day = checkedRange(toInt(input.dayText), 1, 31, "日");
        read.hour = checkedRange(toInt(input.hourText), 0, 23, "時");
        read.minute = checkedRange(toInt(input.minuteText), 0, 59, "分");
        read.birthTimeText = input.hourText + "." + input.minuteText + ".00";
        read.birthTimeLabel = input.hourText;
        read.birthTimeLabel.append("時 ").append(input.minuteText).append("分");
        if (!input.timeDiffText.empty()) {
            read.timeDiffText = input.timeDiffText;
            read.timeDiffMinutes = toInt(input.timeDiffText);
        } else {
            read.timeDiffText = std::string(1, '0');  // not = "0": GCC 12 -Wrestrict false positive
            read.timeDiffMinutes = 0;
        }
    } catch (const platform::ConversionError&) {
        messages.information("生年月日が正しく指定されていません。");
        return false;
    }
    // 30 February would otherwise read a zero sidereal time and houses for a day that
    // never was before the ephemeris lookup noticed.
    if (read.day > platform::daysInMonth(read.year, read.month)) {
        messages.information("生年月日「" + read.birthDateText + "」は存在しない日付です。" +
                             std::to_string(read.month) + "月は" +
                             std::to_string(platform::daysInMonth(read.year, read.month)) + "日までです。");
        return false;
    }

    const platform::Date today = clock.today();
    read.yearDiff = platform::checkedSub(today.year, read.year);
    if (read.month < today.month) {
        read.age = read.yearDiff;
    } else if (read.month == today.month) {
        read.age = read.day <= today.day ? read.yearDiff : read.yearDiff - 1;
    } else {
        read.age = read.yearDiff - 1;
    }
    chart = std::move(read);
    return true;
}

std::string namLabelText(const ChartRecord& chart)
{
    return chart.name + "  " + chart.birthDateText + "  " + std::to_string(chart.age) + "才";
}

std::string koseijiLabelText(const TDatacalc1& calc, const ChartRecord& chart)
{
    return "平均恒星時間 : " + calc.NormalizeTimeText(MeanSiderealTime(chart.month, chart.day), "BELLOW24");
}

std::string syuseijiLabelText(const ChartRecord& chart)
{
    // HH.MM of the normalised HH.MM.SS (ASCII, so five bytes are five characters).
    return "地方恒星時間：" + chart.localSiderealTime.substr(0, 5);
}

}  // namespace celmora::core
