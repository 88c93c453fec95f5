// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// House cusps and current-residence angles from small house tables in memory.

#include <gtest/gtest.h>

#include "core/ChartRecord.h"
#include "core/DataUnit1.h"
#include "core/FixtureTables.h"
#include "core/NowUnit1.h"
#include "core/situkohyodb.h"
#include "platform/Errors.h"
#include "platform/Table.h"
#include "support/TestServices.h"

namespace celmora::core {
namespace {

class HouseTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string folder = env.services.dirs.houseTableDir();
        testing::writeHouseTable(*env.tables, folder, "Tokyo",
                                 {testing::houseRow("00.00.00", "獅子", "15", "牡牛", "3"),
                                  testing::houseRow("16.07.00", "牡羊", "29.58", "山羊", "24.07"),
                                  testing::houseRow("23.59.00", "山羊", "1.05", "天秤", "0.31")});
        testing::writeHouseTable(*env.tables, folder, "Sapporo",
                                 {testing::houseRow("16.07.00", "牡牛", "2.10", "山羊", "26.40")});
        houses.openAtStartup();
    }

    testing::TestServices env;
    TDatacalc1 calc;
    Tsitukofrm houses{env.services, calc};
};

TEST_F(HouseTableTest, StartsOnTokyo)
{
    EXPECT_EQ(houses.currentTable(), houses::tokyo);
}

// The house tables are installed data: the component reads them and never writes,
// not even the index it looks sidereal times up with.
TEST_F(HouseTableTest, TableIsOpenedReadOnly)
{
    ASSERT_NE(houses.table(), nullptr);
    EXPECT_THROW(houses.table()->edit(), platform::TableError);
    EXPECT_EQ(env.tables->open(houses.folder(), "Tokyo")->indexNames(), std::vector<std::string>{})
        << "the index of the lookups was kept in memory, not written into the table";
    ChartRecord r;
    EXPECT_TRUE(houses.FindHouseCusps("16.07.00", r));
    EXPECT_EQ(r.houseSignName[1], "牡羊");
}

TEST_F(HouseTableTest, CuspsAndTheirOpposites)
{
    ChartRecord r;
    ASSERT_TRUE(houses.FindHouseCusps("00.00.00", r));
    struct Row {
        int house;
        const char* sign;
        int signNo;
        const char* deg;
        double real;
    };
    const Row rows[] = {
        {1, "獅子", 5, "15", 15.0},  {2, "獅子", 5, "20.10", 20.2},   {3, "獅子", 5, "25.20", 25.3},
        {4, "さそり", 8, "3", 3.0},  {5, "さそり", 8, "12.40", 12.7}, {6, "さそり", 8, "18.50", 18.8},
        {7, "水瓶", 11, "15", 15.0}, {8, "水瓶", 11, "20.10", 20.2},  {9, "水瓶", 11, "25.20", 25.3},
        {10, "牡牛", 2, "3", 3.0},   {11, "牡牛", 2, "12.40", 12.7},  {12, "牡牛", 2, "18.50", 18.8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.house);
        EXPECT_EQ(r.houseSignName[row.house], row.sign);
        EXPECT_EQ(r.houseSign[row.house], row.signNo);
        EXPECT_EQ(r.houseDegText[row.house], row.deg);
        EXPECT_DOUBLE_EQ(r.houseDegReal[row.house], row.real);
    }
    const int wholeFromLeo[] = {5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4};
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(r.wholeSignHouse[k], wholeFromLeo[k - 1]) << k;
    EXPECT_TRUE(env.messages.list.empty());
}

TEST_F(HouseTableTest, LastMinuteOfTheDayAndWholeSignsFromCapricorn)
{
    ChartRecord r;
    ASSERT_TRUE(houses.FindHouseCusps("23.59.00", r));
    const int wholeFromCapricorn[] = {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(r.wholeSignHouse[k], wholeFromCapricorn[k - 1]) << k;
    EXPECT_EQ(r.houseSignName[7], "かに");
    EXPECT_EQ(r.houseSignName[4], "牡羊");
}

TEST_F(HouseTableTest, MissingKeyIsReportedAndChangesNothing)
{
    ChartRecord r;
    ASSERT_TRUE(houses.FindHouseCusps("00.00.00", r));
    const ChartRecord before = r;
    // 24.00.00 never comes from the sidereal time (it is folded to 00.00.00);
    // a damaged table may lack any minute.
    for (const char* key : {"12.34.00", "24.00.00"}) {
        EXPECT_FALSE(houses.FindHouseCusps(key, r));
        EXPECT_EQ(env.messages.list.back().text,
                  std::string("室項表「Tokyo.db」に恒星時「") + key + "」の行がありません。");
    }
    EXPECT_EQ(r.houseSignName, before.houseSignName);
    EXPECT_EQ(r.houseDegText, before.houseDegText);
}

TEST_F(HouseTableTest, ResidenceAnglesFillOnlyHousesOneAndTenAndTheTableStays)
{
    ChartRecord r;
    r.localSiderealTime = "16.07.00";
    r.nowHouseDegText[2] = "untouched";
    // 札幌 (place 49) uses the Sapporo table.
    ASSERT_TRUE(SelectResidenceAngles(houses, r, 49));
    EXPECT_EQ(houses.currentTable(), 0);
    EXPECT_EQ(r.nowHouseSignName[1], "牡牛");
    EXPECT_EQ(r.nowHouseSign[1], 2);
    EXPECT_EQ(r.nowHouseDegText[1], "2.10");
    EXPECT_DOUBLE_EQ(r.nowHouseDegReal[1], 2.2);
    EXPECT_EQ(r.nowHouseSignName[10], "山羊");
    EXPECT_DOUBLE_EQ(r.nowHouseDegReal[10], 26.7);
    EXPECT_EQ(r.nowHouseDegText[2], "untouched");
    EXPECT_TRUE(r.nowHouseSignName[4].empty());
    EXPECT_TRUE(r.houseSignName[1].empty());

    // The component stays on the residence's table until another is selected.
    ChartRecord natal;
    ASSERT_TRUE(houses.FindHouseCusps("16.07.00", natal));
    EXPECT_EQ(natal.houseSignName[1], "牡牛");
    ASSERT_TRUE(houses.selectTable(houses::tokyo));
    ASSERT_TRUE(houses.FindHouseCusps("16.07.00", natal));
    EXPECT_EQ(natal.houseSignName[1], "牡羊");
}

TEST_F(HouseTableTest, NoTableOpen)
{
    houses.closeTable();
    ChartRecord r;
    r.localSiderealTime = "16.07.00";
    EXPECT_FALSE(houses.FindNowAngles(r));
    EXPECT_FALSE(houses.FindHouseCusps("16.07.00", r));
    EXPECT_EQ(env.messages.list.size(), 2u);
    EXPECT_FALSE(SelectResidenceAngles(houses, r, 28));  // 名古屋: no Nagoya table here
    EXPECT_EQ(env.messages.list.back().text, "室項表「Nagoya.db」がフォルダ「/fixture/precidus」にありません。");
}

}  // namespace
}  // namespace celmora::core
