// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The Diagnose run through the composition root, on small tables in memory.

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/Workstation.h"
#include "core/BirthInput.h"
#include "core/DetailGrids.h"
#include "core/DiagnosisRun.h"
#include "core/FixtureTables.h"
#include "core/ManData1.h"
#include "core/situkohyodb.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

namespace celmora::app {
namespace {

using core::BirthInput;
using core::DiagnosisStep;

class DiagnosisRunTest : public ::testing::Test {
protected:
    DiagnosisRunTest()
    {
        testing::EphemerisDay newYear{"1980/01/01"};
        newYear.sun = {"山羊", "10.05"};
        newYear.moon0 = {"天秤", "2.00"};
        newYear.moon12 = {"天秤", "8.10"};
        newYear.node = {"乙女", "18.40"};
        testing::EphemerisDay second{"1980/01/02"};
        second.sun = {"山羊", "11.06"};
        testing::writeYearTable(*env.tables, env.services.dirs.ephemerisDir(), 1980, {newYear, second});
        const std::string houses = env.services.dirs.houseTableDir();
        testing::writeAspectTable(*env.tables, env.services.dirs.textDir());
        testing::writeHouseTable(*env.tables, houses, "Tokyo",
                                 {testing::houseRow("16.07.00", "牡羊", "29.58", "山羊", "24.07"),
                                  testing::houseRow("16.11.00", "牡牛", "0.50", "山羊", "25.10"),
                                  testing::houseRow("15.44.00", "うお", "20.00", "射手", "28.00"),
                                  testing::houseRow("00.19.00", "かに", "9.00", "うお", "20.00"),
                                  testing::houseRow("21.45.00", "獅子", "3.30", "牡牛", "13.00"),
                                  testing::houseRow("19.10.00", "獅子", "20.00", "牡牛", "28.00")});
        testing::writeHouseTable(*env.tables, houses, "Sapporo",
                                 {testing::houseRow("16.13.00", "牡牛", "2.10", "山羊", "26.40")});
        station = std::make_unique<Workstation>(env.services);
        // Record every step that runs, in order.
        for (int s = 1; s <= core::diagnosisStepCount; ++s) {
            station->run().afterStep(static_cast<DiagnosisStep>(s),
                                     [this, s](core::DiagnosisContext&) { ran.push_back(s); });
        }
    }

    static BirthInput tokyo(const std::string& date, const std::string& hh = "09", const std::string& mm = "05")
    {
        return {"試験", date.substr(0, 4), date.substr(5, 2), date.substr(8, 2), hh, mm, "男", "+19", "東京"};
    }

    std::vector<int> stepsUpTo(int last) const
    {
        std::vector<int> steps;
        for (int s = 1; s <= last; ++s) steps.push_back(s);
        return steps;
    }

    testing::TestServices env;
    std::unique_ptr<Workstation> station;
    std::vector<int> ran;
};

TEST_F(DiagnosisRunTest, CompleteRunFillsTheRecordInOrder)
{
    ASSERT_TRUE(station->run().run(tokyo("1980/01/01")));
    EXPECT_EQ(ran, stepsUpTo(22));
    EXPECT_TRUE(env.messages.list.empty());

    const core::ChartRecord& c = station->chart();
    EXPECT_EQ(c.name, "試験");
    EXPECT_EQ(c.birthDateText, "1980/01/01");
    EXPECT_EQ(c.birthPlace, "東京");
    EXPECT_EQ(c.birthTimeText, "09.05.00");
    EXPECT_EQ(c.birthTimeLabel, "09時 05分");
    EXPECT_EQ(c.timeDiffText, "+19");
    EXPECT_EQ(c.timeDiffMinutes, 19);
    EXPECT_EQ(c.yearDiff, 44);  // today is 2024/06/15
    EXPECT_EQ(c.age, 44);
    EXPECT_EQ(c.localSiderealTime, "16.07.00");
    EXPECT_EQ(c.houseSignName[1], "牡羊");
    EXPECT_EQ(c.houseSignName[7], "天秤");
    EXPECT_EQ(c.wholeSignHouse[12], 12);
    // Sun 10°05' + 22' (9 h); Moon from the 0 h row 2°00' + 270' + 0'.
    EXPECT_EQ(c.pointDegText[1], "10.27");
    EXPECT_EQ(c.pointDegText[2], "6.30");
    EXPECT_EQ(c.pointSignName[12], "牡羊");
    EXPECT_EQ(c.pointDegText[13], "24.07");
    EXPECT_EQ(c.aspectAngleFrequency[7].angle, 30);

    const core::DiagnosisLabels& labels = station->run().labels();
    EXPECT_EQ(labels.namlbl, "試験  1980/01/01  44才");
    EXPECT_EQ(labels.koseijilbl, "平均恒星時間 : 18.43.00");
    EXPECT_EQ(labels.syuseiji, "地方恒星時間：16.07");

    const auto houseRows = core::houseGridRows(c);
    EXPECT_EQ(houseRows[6], (core::GridRow{"第7ハウス", "天秤", "29.58"}));
    const auto starRows = core::starGridRows(c);
    ASSERT_EQ(starRows.size(), 11u);
    EXPECT_EQ(starRows[10], (core::GridRow{"ドラゴンヘッド", "乙女", "18.40"}));
}

TEST_F(DiagnosisRunTest, AgeCountsCompletedYears)
{
    struct Row {
        const char* name;
        const char* date;
        int age;
    };
    // Today is 2024/06/15.
    const Row rows[] = {{"birthday today", "1980/06/15", 44},
                        {"birthday tomorrow", "1980/06/16", 43},
                        {"earlier month", "1980/01/02", 44},
                        {"later month", "1980/07/01", 43}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        // Days missing from the fixture year end the run at the positions, after the age.
        station->run().run(tokyo(r.date));
        EXPECT_EQ(station->chart().yearDiff, 44);
        EXPECT_EQ(station->chart().age, r.age);
    }
}

TEST_F(DiagnosisRunTest, UnreadableBirthDataIsRefusedBeforeAnyComputation)
{
    BirthInput input = tokyo("1980/01/01");
    input.minuteText = "O5";
    EXPECT_FALSE(station->run().run(input));
    EXPECT_EQ(env.messages.texts(), std::vector<std::string>{"生年月日が正しく指定されていません。"});
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_TRUE(station->chart().localSiderealTime.empty());
    // All or nothing: the hour before the bad minute is not taken either.
    EXPECT_EQ(station->chart().hour, 0);
    EXPECT_TRUE(station->chart().name.empty());

    input = tokyo("1980/01/01");
    input.timeDiffText = "+1９";
    EXPECT_FALSE(station->run().run(input));
}

TEST_F(DiagnosisRunTest, OutOfRangeHourEndsTheRunWithAnError)
{
    ran.clear();
    EXPECT_THROW(station->run().run(tokyo("1980/01/01", "24")), platform::RangeError);
    EXPECT_EQ(ran, std::vector<int>{1});
}

TEST_F(DiagnosisRunTest, BirthFieldOutOfItsRangeEndsTheRunWithoutAMessage)
{
    struct Row {
        const char* name;
        const char* month;
        const char* day;
        const char* hour;
        const char* minute;
    };
    const Row rows[] = {
        {"month 13", "13", "01", "09", "05"},        {"negative month", "-1", "01", "09", "05"},
        {"day 32", "01", "32", "09", "05"},          {"negative day", "01", "-01", "09", "05"},
        {"negative hour", "01", "01", "-1", "05"},   {"minute 60", "01", "01", "09", "60"},
        {"negative minute", "01", "01", "09", "-5"}, {"month 00", "00", "01", "09", "05"},
        {"day 00", "01", "00", "09", "05"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Workstation fresh(env.services);
        std::vector<int> steps;
        for (int s = 1; s <= core::diagnosisStepCount; ++s) {
            fresh.run().afterStep(static_cast<DiagnosisStep>(s),
                                  [&steps, s](core::DiagnosisContext&) { steps.push_back(s); });
        }
        BirthInput input = tokyo("1980/01/01");
        input.monthText = r.month;
        input.dayText = r.day;
        input.hourText = r.hour;
        input.minuteText = r.minute;
        EXPECT_THROW(fresh.run().run(input), platform::RangeError);
        EXPECT_EQ(steps, std::vector<int>{1});
        EXPECT_TRUE(env.messages.list.empty());
        // Nothing of a refused input is taken, not even what came before the bad field.
        EXPECT_TRUE(fresh.chart().name.empty());
        EXPECT_EQ(fresh.chart().year, 0);
        EXPECT_TRUE(fresh.chart().birthTimeText.empty());
        EXPECT_TRUE(fresh.chart().localSiderealTime.empty());
        EXPECT_TRUE(fresh.run().labels().namlbl.empty());
    }
}

TEST_F(DiagnosisRunTest, EmptyTimeDifferenceIsZero)
{
    BirthInput input = tokyo("1980/01/01", "09", "01");
    input.timeDiffText.clear();
    ASSERT_TRUE(station->run().run(input));
    EXPECT_EQ(station->chart().timeDiffText, "0");
    EXPECT_EQ(station->chart().timeDiffMinutes, 0);
    // 18.43 - 2.59, nothing added.
    EXPECT_EQ(station->chart().localSiderealTime, "15.44.00");
}

TEST_F(DiagnosisRunTest, DayMissingFromTheYearTableEndsTheRunWithOnlyThisRunsResults)
{
    ASSERT_TRUE(station->run().run(tokyo("1980/01/01")));
    ASSERT_EQ(station->chart().pointSignName[1], "山羊");
    ran.clear();
    // 3 January exists but is not in the fixture's year table; 12:00 (+19) finds 19.10.00.
    BirthInput third = tokyo("1980/01/03", "12", "00");
    third.name = "別人";
    EXPECT_FALSE(station->run().run(third));
    EXPECT_EQ(env.messages.texts(), std::vector<std::string>{"1980/01/03 not found at Tkoyomifrm.get_planet."});
    EXPECT_EQ(ran, stepsUpTo(9));
    EXPECT_EQ(station->run().endedAt(), DiagnosisStep::PlanetPositions);

    // What this run's earlier steps wrote stays; nothing of the previous person's chart
    // is left beside it.
    const core::ChartRecord& c = station->chart();
    EXPECT_EQ(c.name, "別人");
    EXPECT_EQ(c.houseSignName[1], "獅子");
    EXPECT_EQ(station->run().labels().namlbl, "別人  1980/01/03  44才");
    for (int p = 1; p <= 11; ++p) EXPECT_EQ(c.pointSignName[p], "") << p;
    EXPECT_EQ(c.chartAngle[1], 0);

    ASSERT_TRUE(station->run().run(tokyo("1980/01/01")));
    EXPECT_EQ(station->run().endedAt(), std::nullopt);
}

TEST_F(DiagnosisRunTest, InputRefusedAtReadingLeavesNoChart)
{
    struct Row {
        const char* name;
        const char* person;
        const char* date;
        const char* message;
    };
    const Row rows[] = {
        {"empty name", "", "1980/01/01", "氏名を入力してください。"},
        {"blank name", "  \t", "1980/01/01", "氏名を入力してください。"},
        {"full-width blank name", "\u3000\u3000", "1980/01/01", "氏名を入力してください。"},
        {"30 February", "試験", "1980/02/30", "生年月日「1980/02/30」は存在しない日付です。2月は29日までです。"},
        {"29 February outside a leap year", "試験", "2023/02/29",
         "生年月日「2023/02/29」は存在しない日付です。2月は28日までです。"},
        {"29 February 1900", "試験", "1900/02/29", "生年月日「1900/02/29」は存在しない日付です。2月は28日までです。"},
        {"31 April", "試験", "1980/04/31", "生年月日「1980/04/31」は存在しない日付です。4月は30日までです。"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(station->run().run(tokyo("1980/01/01")));
        env.messages.list.clear();
        ran.clear();
        BirthInput input = tokyo(r.date);
        input.name = r.person;
        EXPECT_FALSE(station->run().run(input));
        EXPECT_EQ(env.messages.texts(), std::vector<std::string>{r.message});
        EXPECT_EQ(ran, std::vector<int>{1});  // nothing after the reading ran, nothing was saved
        EXPECT_EQ(station->run().endedAt(), DiagnosisStep::ReadBirthInput);
        EXPECT_TRUE(station->chart().name.empty());
        EXPECT_TRUE(station->chart().pointSignName[1].empty());
        EXPECT_TRUE(station->chart().houseSignName[1].empty());
        EXPECT_TRUE(station->run().labels().namlbl.empty());
    }
    // A leap day is read; here the run goes on to the houses (and ends at the fixture's
    // missing year table).
    ran.clear();
    EXPECT_FALSE(station->run().run(tokyo("1980/02/29")));
    EXPECT_GE(ran.size(), 2u);
}

TEST_F(DiagnosisRunTest, ScreensOfStepsNotReachedAreToldToClear)
{
    std::vector<int> cleared;
    for (int s = 1; s <= core::diagnosisStepCount; ++s) {
        station->run().whenSkipped(static_cast<DiagnosisStep>(s),
                                   [&cleared, s](core::DiagnosisContext&) { cleared.push_back(s); });
    }
    const auto from = [](int first) {
        std::vector<int> steps;
        for (int s = first; s <= core::diagnosisStepCount; ++s) steps.push_back(s);
        return steps;
    };
    struct Row {
        const char* name;
        BirthInput input;
        std::vector<int> cleared;
    };
    BirthInput nameless = tokyo("1980/01/01");
    nameless.name.clear();
    const Row rows[] = {
        {"complete run", tokyo("1980/01/01"), {}},
        {"refused at reading", nameless, from(2)},
        {"missing house-table row", tokyo("1980/01/01", "10", "00"), from(8)},
        {"missing day", tokyo("1980/01/03", "12", "00"), from(10)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        cleared.clear();
        station->run().run(r.input);
        EXPECT_EQ(cleared, r.cleared);
    }
    // An error that propagates clears the screens too before it reaches the boundary.
    cleared.clear();
    EXPECT_THROW(station->run().run(tokyo("1980/01/01", "24")), platform::RangeError);
    EXPECT_EQ(cleared, from(2));
}

TEST_F(DiagnosisRunTest, MissingTablesEndTheRunAtTheirStep)
{
    EXPECT_FALSE(station->run().run(tokyo("1981/01/01")));
    EXPECT_EQ(env.messages.texts(),
              std::vector<std::string>{"天文暦の年テーブル「1981」がフォルダ「/fixture/db」にありません。"});
    EXPECT_EQ(ran, stepsUpTo(9));

    ran.clear();
    BirthInput osaka = tokyo("1980/01/01");
    osaka.area1 = "大阪";
    EXPECT_FALSE(station->run().run(osaka));
    EXPECT_EQ(env.messages.list.back().text, "室項表「Oosaka.db」がフォルダ「/fixture/precidus」にありません。");
    EXPECT_EQ(ran, stepsUpTo(2));

    ran.clear();
    EXPECT_FALSE(station->run().run(tokyo("1980/01/01", "10", "00")));  // 17.02.00 is not in the fixture
    EXPECT_EQ(env.messages.list.back().text, "室項表「Tokyo.db」に恒星時「17.02.00」の行がありません。");
    EXPECT_EQ(ran, stepsUpTo(7));
}

TEST_F(DiagnosisRunTest, ResetClearsAccumulatedResultsAndKeepsPlaceWithoutArea)
{
    core::ChartRecord& c = station->chart();
    ASSERT_TRUE(station->run().run(tokyo("1980/01/01")));
    c.hardAspectCount = 5;
    c.lateCount = 3;
    c.risingBodies[2] = "月";
    c.nowHouseSignName[1] = "牡牛";
    c.aspectAngleFrequency[1] = {90, 4};
    station->chartCore().mandata().ProgressedChart(37).year = 2017;
    station->chartCore().mandata().TransitChart(2).year = 2024;

    // What the reset left, seen right after step 1 (step 14 counts the aspects again).
    int hardAfterReset = -1;
    station->run().afterStep(DiagnosisStep::ResetChart,
                             [&](core::DiagnosisContext& ctx) { hardAfterReset = ctx.chart.hardAspectCount; });
    BirthInput noArea = tokyo("1980/01/01");
    noArea.area1.clear();
    ASSERT_TRUE(station->run().run(noArea));
    EXPECT_EQ(c.birthPlace, "東京");  // the previous person's place stays
    EXPECT_EQ(hardAfterReset, 0);
    EXPECT_EQ(c.lateCount, 0);
    EXPECT_TRUE(c.risingBodies[2].empty());
    EXPECT_TRUE(c.nowHouseSignName[1].empty());
    EXPECT_EQ(c.aspectAngleFrequency[1], (core::AngleCount{0, 0}));
    EXPECT_EQ(c.aspectAngleFrequency[11], (core::AngleCount{144, 0}));
    EXPECT_EQ(station->chartCore().mandata().ProgressedChart(37).year, 0);
    EXPECT_EQ(station->chartCore().mandata().TransitChart(2).year, 0);
}

TEST_F(DiagnosisRunTest, ResidenceTableIsLeftForTheBirthplaceOnTheNextRun)
{
    ASSERT_TRUE(station->chartCore().houses().selectTable(0));
    ASSERT_TRUE(station->run().run(tokyo("1980/01/01")));
    EXPECT_EQ(station->chartCore().houses().currentTable(), 2);
    EXPECT_EQ(station->chart().houseSignName[1], "牡羊");
}

TEST_F(DiagnosisRunTest, EachStepIsSetOnceAndAStepCanEndTheRun)
{
    // The modules own steps 1-8, 10, 13, 14 and 18; setting one of them again is a
    // wiring fault that must not silently replace the module's action.
    for (DiagnosisStep owned : {DiagnosisStep::ResetChart, DiagnosisStep::PlanetPositions, DiagnosisStep::Aspects,
                                DiagnosisStep::WriteBackPerson}) {
        SCOPED_TRACE(std::string(core::diagnosisStepName(owned)));
        EXPECT_TRUE(station->run().hasStep(owned));
        EXPECT_THROW(station->run().setStep(owned, [](core::DiagnosisContext&) {}), std::logic_error);
    }
    // A step nobody owns yet takes an action once; an action that gives up ends the run there.
    std::vector<std::string> seen;
    EXPECT_FALSE(station->run().hasStep(DiagnosisStep::CompositePatterns));
    station->run().setStep(DiagnosisStep::CompositePatterns, [&](core::DiagnosisContext& c) {
        seen.push_back(c.chart.pointSignName[1]);
        throw platform::CommandAborted();
    });
    EXPECT_FALSE(station->run().run(tokyo("1980/01/01")));
    EXPECT_EQ(seen, std::vector<std::string>{"山羊"});
    EXPECT_EQ(ran, stepsUpTo(14));
    EXPECT_EQ(core::diagnosisStepName(DiagnosisStep::ShowDetailPage), "ShowDetailPage");
}

}  // namespace
}  // namespace celmora::app
