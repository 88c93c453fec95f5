// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Local sidereal time, the place table, and the choice of house table by birthplace.

#include "core/ChartRecord.h"
#include "core/CurrentPersonRow.h"
#include "core/DataUnit1.h"
#include "core/FixtureTables.h"
#include "core/JisaUnit.h"
#include "core/situkohyodb.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace celmora::core {
namespace {

TEST(MeanSiderealTime, TableEntries)
{
    EXPECT_EQ(MeanSiderealTime(1, 1), "18.43.0");
    EXPECT_EQ(MeanSiderealTime(2, 29), "22.33.0");
    EXPECT_EQ(MeanSiderealTime(3, 22), "23.59.0");
    EXPECT_EQ(MeanSiderealTime(12, 31), "18.38.0");
    // Days that do not exist.
    EXPECT_EQ(MeanSiderealTime(2, 30), "0.0.0");
    EXPECT_EQ(MeanSiderealTime(4, 31), "0.0.0");
    EXPECT_THROW(MeanSiderealTime(0, 1), platform::RangeError);
    EXPECT_THROW(MeanSiderealTime(13, 1), platform::RangeError);
    EXPECT_THROW(MeanSiderealTime(1, 32), platform::RangeError);
}

// Catches a mistyped cell anywhere in the table: every day that exists lies 1 to 5
// minutes of time after the day before (3 or 4 nearly everywhere), whole minutes
// only, and exactly the days that never exist hold 0.0.0.
TEST(MeanSiderealTime, EveryDayFollowsTheDayBefore)
{
    platform::RecordingMessages messages;
    const TDatacalc1 calc;
    constexpr int daysIn[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int previous = calc.HMS2Sec(MeanSiderealTime(12, 31));
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            SCOPED_TRACE(std::to_string(month) + "/" + std::to_string(day));
            const std::string& text = MeanSiderealTime(month, day);
            if (day > daysIn[month]) {
                EXPECT_EQ(text, "0.0.0");
                continue;
            }
            const int seconds = calc.HMS2Sec(text);
            EXPECT_EQ(seconds % 60, 0);
            EXPECT_LT(seconds, 86400);
            const int step = ((seconds - previous) % 86400 + 86400) % 86400;
            EXPECT_GE(step, 60);
            EXPECT_LE(step, 300);
            previous = seconds;
        }
    }
    EXPECT_TRUE(messages.list.empty());
}

TEST(LocalSiderealTime, Cases)
{
    platform::RecordingMessages messages;
    const TDatacalc1 calc;
    struct Row {
        const char* name;
        int month, day;
        const char* birthTime;
        int diff;
        const char* expected;
    };
    const Row rows[] = {
        {"morning in Tokyo: 18.43 - 2.55 + 19'", 1, 1, "09.05.00", 19, "16.07.00"},
        {"afternoon wraps past 24 h", 3, 22, "14.30.00", 25, "02.54.00"},
        {"noon on a day whose mean time is 0.0.0", 2, 30, "12.00.00", 0, "00.00.00"},
        {"negative difference larger than t", 3, 25, "12.00.00", -29, "23.41.00"},
        {"negative difference smaller than t", 1, 1, "12.00.00", -29, "18.14.00"},
        {"positive difference past midnight", 3, 21, "11.54.00", 25, "00.15.00"},
        {"midnight birth", 1, 1, "00.00.00", 0, "06.43.00"},
        {"late evening", 12, 31, "23.59.00", 0, "06.37.00"},
        // Clock time is added one to one: 6 h after noon is 6 h of sidereal time.
        {"one to one", 6, 1, "18.00.00", 0, "10.39.00"},
        // Differences of more than a day (typed into the box) keep the time of day.
        {"difference of 25 h", 1, 1, "12.00.00", 1500, "19.43.00"},
        {"difference of 50 h", 1, 1, "12.00.00", 3000, "20.43.00"},
        {"difference of -50 h", 1, 1, "12.00.00", -3000, "16.43.00"},
        {"difference of exactly -24 h", 1, 1, "12.00.00", -1440, "18.43.00"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ChartRecord chart;
        chart.month = r.month;
        chart.day = r.day;
        chart.birthTimeText = r.birthTime;
        chart.timeDiffMinutes = r.diff;
        LocalSiderealTime(calc, chart);
        EXPECT_EQ(chart.localSiderealTime, r.expected);
    }
    EXPECT_TRUE(messages.list.empty());
}

TEST(Places, TableAndNames)
{
    struct Row {
        int no;
        const char* name;
        const char* diff;
        int houseTable;
    };
    const Row rows[] = {{1, "那覇", "-29", 5},  {15, "松江", "-08", 2},  {24, "津", "+06", 3},
                        {28, "名古屋", "+08", 3}, {37, "東京", "+19", 2}, {41, "小笠原", "+29", 5},
                        {46, "仙台", "+23", 1},  {50, "根室", "+42", 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.no);
        EXPECT_EQ(place(r.no).name, r.name);
        EXPECT_EQ(place(r.no).timeDiff, r.diff);
        EXPECT_EQ(place(r.no).houseTable, r.houseTable);
        EXPECT_EQ(findPlace(r.name), r.no);
    }
    EXPECT_THROW(place(51), platform::RangeError);
    EXPECT_EQ(findPlace("東京 "), 0);
    EXPECT_EQ(findPlace(""), 0);
    // Six columns, a kanji taking two.
    EXPECT_EQ(storedPlaceName(37), "東京  ");
    EXPECT_EQ(storedPlaceName(24), "津    ");
    EXPECT_EQ(storedPlaceName(28), "名古屋");
    EXPECT_EQ(areaListItem(37), "東京   +19");
}

class BirthplaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string folder = env.services.dirs.houseTableDir();
        testing::writeHouseTable(*env.tables, folder, "Tokyo", {testing::houseRow("16.07.00", "牡羊", "1", "山羊", "2")});
        testing::writeHouseTable(*env.tables, folder, "Fukuoka", {testing::houseRow("16.07.00", "うお", "1", "山羊", "2")});
        houses.setAreaBoxUpdater([this](int no) { areaBox.push_back(no); });
    }

    testing::TestServices env;
    TDatacalc1 calc;
    Tsitukofrm houses{env.services, calc};
    std::vector<int> areaBox;
};

TEST_F(BirthplaceTest, ChoosesThePlacesTableOrTokyos)
{
    struct Row {
        const char* name;
        int table;
    };
    const Row rows[] = {{"那覇", 5}, {"東京", 2}, {"東京 ", 2}, {"", 2}, {"ロンドン", 2}, {"小笠原", 5}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(SelectBirthplaceTables(houses, r.name));
        EXPECT_EQ(houses.currentTable(), r.table);
        EXPECT_EQ(areaBox.back(), r.table);
    }
    EXPECT_TRUE(env.messages.list.empty());
}

TEST_F(BirthplaceTest, MissingHouseTableNamesTableAndFolder)
{
    EXPECT_FALSE(SelectBirthplaceTables(houses, "名古屋"));
    EXPECT_EQ(env.messages.texts(),
              std::vector<std::string>{"室項表「Nagoya.db」がフォルダ「/fixture/precidus」にありません。"});
    EXPECT_FALSE(houses.isOpen());
    EXPECT_TRUE(areaBox.empty());
}

TEST(ChooseBirthplace, WritesChartAndPersonRow)
{
    struct Row : CurrentPersonRow {
        void setTimeDiffAndArea(const std::string& diff, const std::string& area) override
        {
            writes.emplace_back(diff, area);
        }
        std::vector<std::pair<std::string, std::string>> writes;
    } row;
    ChartRecord chart;
    EXPECT_EQ(ChooseBirthplace(chart, &row, 24), "+06");
    EXPECT_EQ(chart.birthPlace, "津");
    EXPECT_EQ(row.writes, (std::vector<std::pair<std::string, std::string>>{{"+06", "津"}}));
    // Without a person table only the chart changes.
    EXPECT_EQ(ChooseBirthplace(chart, nullptr, 1), "-29");
    EXPECT_EQ(chart.birthPlace, "那覇");
}

}  // namespace
}  // namespace celmora::core
