// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "core/ChartRecordFields.h"
#include "core/DiagnosisSteps.h"
#include "core/ManData1.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace celmora::core {
namespace {

TEST(ChartRecord, StartsEmptyAndZero)
{
    const ChartRecord chart;
    EXPECT_TRUE(chart.name.empty());
    EXPECT_EQ(chart.month, 0);
    EXPECT_EQ(chart.pointSign[13], 0);
    EXPECT_EQ(chart.harmonicQuality[0][4], 0);
    EXPECT_EQ(chart.dividedDegreeText[10][13], "");
    EXPECT_EQ(chart.strongPlanets[4].point, 0);
}

TEST(ChartRecord, BirthFieldsKeepTheirRange)
{
    ChartRecord chart;
    chart.month = 12;
    chart.hour = 23;
    chart.minute = 59;
    chart.day = 31;
    EXPECT_THROW(chart.month = 13, platform::RangeError);
    EXPECT_THROW(chart.hour = 24, platform::RangeError);
    EXPECT_THROW(chart.minute = -1, platform::RangeError);
    EXPECT_THROW(chart.day = 32, platform::RangeError);
    EXPECT_EQ(chart.month + chart.day, 43);
    EXPECT_THROW(chart.pointSign[14] = SignIndex(1), platform::RangeError);
    EXPECT_THROW(chart.harmonicQuality[10][1] = 1, platform::RangeError);
}

TEST(Tmandata, PageKeysReportAChangeOnceAndEachKeyByItself)
{
    Tmandata data;
    ChartRecord& chart = data.chart();
    // Both keys start empty: the first visit computes even before any chart exists.
    EXPECT_FALSE(data.ChangedSinceAiPage());
    chart.name = "試験";
    chart.birthDateText = "1980/01/01";
    chart.birthTimeText = "09.05.00";
    EXPECT_TRUE(data.ChangedSinceAiPage());
    EXPECT_FALSE(data.ChangedSinceAiPage());
    EXPECT_TRUE(data.ChangedSinceBusinessPage());

    struct Row {
        const char* name;
        std::string ChartRecord::*field;
        const char* value;
    };
    const Row rows[] = {
        {"name", &ChartRecord::name, "別人"},
        {"date", &ChartRecord::birthDateText, "1980/01/02"},
        {"time", &ChartRecord::birthTimeText, "09.06.00"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        chart.*r.field = r.value;
        EXPECT_TRUE(data.ChangedSinceAiPage());
        EXPECT_FALSE(data.ChangedSinceAiPage());
    }
    // The business key still holds the first chart's texts.
    EXPECT_TRUE(data.ChangedSinceBusinessPage());
}

TEST(Tmandata, FurtherRecordsAreDistinctAndBounded)
{
    Tmandata data;
    data.ProgressedChart(100).year = 2080;
    data.TransitChart(4).year = 2024;
    data.MonthlyTransitCharts(11, 12).year = 2030;
    data.PartnerChart().name = "相手";
    EXPECT_EQ(data.ProgressedChart(1).year, 0);
    EXPECT_EQ(data.ProgressedChart(100).year, 2080);
    EXPECT_EQ(data.MonthlyTransitCharts(1, 1).year, 0);
    EXPECT_TRUE(data.chart().name.empty());
    EXPECT_NE(&data.PartnerChart(), &data.IndianTransitChart());
    EXPECT_THROW(data.ProgressedChart(101), platform::RangeError);
    EXPECT_THROW(data.TransitChart(0), platform::RangeError);
    EXPECT_THROW(data.MonthlyTransitCharts(12, 1), platform::RangeError);
}

TEST(ChartRecordFields, EveryFieldListedOnceInDeclaredOrder)
{
    std::vector<std::string> names;
    const ChartRecord record;
    forEachChartField(record, [&names](const char* name, const auto&) { names.emplace_back(name); });
    ASSERT_EQ(static_cast<int>(names.size()), chartFieldCount);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.front(), "name");
    EXPECT_EQ(names[1], "birthDateText");
    EXPECT_EQ(names.back(), "sevenGov");
}

TEST(ChartRecordFields, ClearingReturnsEveryFieldToItsStateBeforeTheFirstRun)
{
    ChartRecord record;
    record.name = "試験";
    record.month = 12;
    record.age = 44;
    record.houseDegReal[12] = 23.4;
    record.pointSignName[13] = "山羊";
    record.harmonicQuality[0][4] = 3;
    record.dividedDegreeText[10][13] = "1.02";
    record.aspectRanking[13] = {5, 13};
    record.strongPlanets[4] = {7, "3", "土星"};
    record.aspectAngleFrequency[1] = {0, 2};
    record.lateCount = 9;
    clearChartRecord(record);

    // Compare field by field with a record that never saw a run.
    const ChartRecord fresh;
    std::vector<std::function<bool(const void*)>> equalToFresh;
    forEachChartField(fresh, [&](const char*, const auto& field) {
        equalToFresh.push_back(
            [&field](const void* other) { return field == *static_cast<const std::remove_cvref_t<decltype(field)>*>(other); });
    });
    std::size_t i = 0;
    forEachChartField(record, [&](const char* name, auto& field) {
        EXPECT_TRUE(equalToFresh.at(i++)(&field)) << name;
    });
    EXPECT_EQ(i, equalToFresh.size());
}

// The further records are allocated on first use: a record reads as created at
// start-up, keeps its address once handed out, and a reset does not create the ones
// nobody has used.
TEST(Tmandata, FurtherRecordsAppearOnFirstUseAndStayPut)
{
    Tmandata data;
    EXPECT_EQ(data.ProgressedChartIfUsed(37), nullptr);
    EXPECT_EQ(data.TransitChartIfUsed(2), nullptr);

    ChartRecord& progressed = data.ProgressedChart(37);
    EXPECT_EQ(data.ProgressedChartIfUsed(37), &progressed);
    EXPECT_TRUE(progressed.name.empty());
    EXPECT_EQ(progressed.year, 0);
    EXPECT_EQ(progressed.harmonicDegreeText[9][13], "");
    progressed.year = 2017;
    data.TransitChart(2).year = 2024;

    // Using every other record moves none that was handed out.
    for (int age = 1; age <= Tmandata::progressedCount; ++age) data.ProgressedChart(age).age = age;
    for (int y = 1; y <= Tmandata::monthlyYearSlots; ++y) {
        for (int m = 1; m <= Tmandata::monthsPerYear; ++m) data.MonthlyTransitCharts(y, m).year = 2000 + y;
    }
    EXPECT_EQ(&data.ProgressedChart(37), &progressed);
    EXPECT_EQ(progressed.year, 2017);
    EXPECT_EQ(progressed.age, 37);

    ResetChart(data, "");
    EXPECT_EQ(progressed.year, 0);
    EXPECT_EQ(data.TransitChart(2).year, 0);
    EXPECT_EQ(data.TransitChartIfUsed(1), nullptr);
    EXPECT_EQ(data.TransitChartIfUsed(4), nullptr);

    EXPECT_THROW(data.ProgressedChartIfUsed(0), platform::RangeError);
    EXPECT_THROW(data.TransitChartIfUsed(5), platform::RangeError);
}

}  // namespace
}  // namespace celmora::core
