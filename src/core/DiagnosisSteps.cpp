// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/DiagnosisSteps.h"

#include "core/BirthInput.h"
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

    ChartRecord& chart = mandata.chart();
    chart.sunHouse = 0;
    chart.patternRightTriangle = 0;
    chart.patternGrandTrine = 0;
    chart.patternIsosceles = 0;
    chart.patternSquare = 0;
    chart.patternRectangle = 0;
    chart.hardAspectCount = 0;
    chart.softAspectCount = 0;
    chart.workCount = 0;
    chart.homeCount = 0;
    chart.beliefCount = 0;
    chart.senseCount = 0;
    chart.earlyCount = 0;
    chart.lateCount = 0;
    chart.nowHouseSignName.fill("");
    chart.nowHouseSign.fill(SignIndex());
    chart.nowHouseDegText.fill("");
    chart.nowHouseDegReal.fill(0.0);
    chart.risingBodies.fill("");
    chart.culminatingBodies.fill("");
    if (!area1.empty()) chart.birthPlace = area1;
    for (int i = 1; i <= 11; ++i) chart.aspectAngleFrequency[i] = {aspectAngles[i - 1], 0};
}

bool ReadBirthInput(ChartRecord& chart, const BirthInput& input, const platform::Clock& clock,
                    platform::Messages& messages)
{
    using platform::checkedRange;
    using platform::toInt;
    try {
        chart.name = input.name;
        chart.sex = input.sex;
        chart.birthDateText = input.yearText + "/" + input.monthText + "/" + input.dayText;
        chart.year = toInt(input.yearText);
        // A month or day of 0 fits the record's field but names no date; refusing it here
        // gives the user the field and its range instead of a failed table lookup later.
        chart.month = checkedRange(toInt(input.monthText), 1, 12, "月");
        chart.day = checkedRange(toInt(input.dayText), 1, 31, "日");
        chart.hour = checkedRange(toInt(input.hourText), 0, 23, "時");
        chart.minute = checkedRange(toInt(input.minuteText), 0, 59, "分");
        chart.birthTimeText = input.hourText + "." + input.minuteText + ".00";
        chart.birthTimeLabel = input.hourText;
        chart.birthTimeLabel.append("時 ").append(input.minuteText).append("分");
        if (!input.timeDiffText.empty()) {
            chart.timeDiffText = input.timeDiffText;
            chart.timeDiffMinutes = toInt(input.timeDiffText);
        } else {
            chart.timeDiffText = std::string(1, '0');  // not = "0": GCC 12 -Wrestrict false positive
            chart.timeDiffMinutes = 0;
        }

        const platform::Date today = clock.today();
        chart.yearDiff = platform::checkedSub(today.year, chart.year);
        if (chart.month < today.month) {
            chart.age = chart.yearDiff;
        } else if (chart.month == today.month) {
            chart.age = chart.day <= today.day ? chart.yearDiff : chart.yearDiff - 1;
        } else {
            chart.age = chart.yearDiff - 1;
        }
    } catch (const platform::ConversionError&) {
        messages.information("生年月日が正しく指定されていません。");
        return false;
    }
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
