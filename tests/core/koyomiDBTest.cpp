// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Planet positions from a small ephemeris year table in memory.

#include "core/ChartRecord.h"
#include "core/DataUnit1.h"
#include "core/koyomiDB.h"
#include "core/FixtureTables.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace celmora::core {
namespace {

using testing::EphemerisDay;

TEST(HourCorrections, SunMovesByHourTimesTwoAndAHalfRoundedToEven)
{
    const int expected[24] = {0,  2,  5,  8,  10, 12, 15, 18, 20, 22, 25, 28,
                              30, 32, 35, 38, 40, 42, 45, 48, 50, 52, 55, 58};
    for (int hour = 0; hour < 24; ++hour) EXPECT_EQ(sunHourCorrection(hour), expected[hour]) << hour;
}

TEST(HourCorrections, MoonMovesFromItsNearerRow)
{
    struct Row {
        int hour, minute, k;
    };
    const Row rows[] = {{0, 0, 0},    {0, 9, 0},     {0, 10, 5},    {11, 59, 355},
                        {12, 0, 0},   {12, 59, 25},  {23, 55, 355}, {6, 30, 195}};
    for (const Row& r : rows) EXPECT_EQ(moonHourCorrection(r.hour, r.minute), r.k) << r.hour << ":" << r.minute;
}

class GetPlanetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EphemerisDay day{"1980/03/21"};
        day.sun = {"牡羊", "29.50"};
        day.moon0 = {"うお", "10.00"};
        day.moon12 = {"うお", "29.40"};
        day.node = {"乙女", "3.31"};
        day.planets = {{{"牡羊", "5.07"}, {"牡牛", "14.30"}, {"双子", "29.59"}, {"かに", "0.00"},
                        {"獅子", "22.15"}, {"乙女", "23.44"}, {"天秤", "21.05"}, {"さそり", "20.58"}}};
        EphemerisDay next{"1980/03/22"};
        next.sun = {"牡牛", "0.49"};
        testing::writeYearTable(*env.tables, env.services.dirs.ephemerisDir(), 1980, {day, next});

        main.houseSignName[1] = "獅子";
        main.houseSign[1] = core::SignIndex(5);
        main.houseDegText[1] = "15.33";
        main.houseDegReal[1] = 15.5;
        main.houseSignName[10] = "牡牛";
        main.houseSign[10] = core::SignIndex(2);
        main.houseDegText[10] = "3.09";
        main.houseDegReal[10] = 3.2;
    }

    static ChartRecord birth(const std::string& date, int hour, int minute)
    {
        ChartRecord r;
        r.year = std::stoi(date.substr(0, 4));
        r.birthDateText = date;
        r.hour = hour;
        r.minute = minute;
        return r;
    }

    testing::TestServices env;
    TDatacalc1 calc;
    ChartRecord main;
    Tkoyomifrm koyomi{env.services, calc, main};
};

TEST_F(GetPlanetTest, SunAndMoonCrossIntoTheNextSign)
{
    ChartRecord r = birth("1980/03/21", 23, 55);
    ASSERT_TRUE(koyomi.get_planet(r));
    // Sun 29°50' + 58' (23 h) = 30°48' -> 牡牛 0°48'.
    EXPECT_EQ(r.pointSignName[1], "牡牛");
    EXPECT_EQ(r.pointDegText[1], "0.48");
    // Moon from the 12 h row 29°40' + 355' = 35°35' -> past うお into 牡羊 5°35'.
    EXPECT_EQ(r.pointSignName[2], "牡羊");
    EXPECT_EQ(r.pointSign[2], 1);
    EXPECT_EQ(r.pointDegText[2], "5.35");
    EXPECT_EQ(r.pointDeg[2], 6);
    EXPECT_DOUBLE_EQ(r.pointDegReal[2], 5.6);

    ChartRecord five = birth("1980/03/21", 5, 0);
    ASSERT_TRUE(koyomi.get_planet(five));
    EXPECT_EQ(five.pointSignName[1], "牡牛");
    EXPECT_EQ(five.pointDegText[1], "0.02");
    // Before noon the Moon comes from the 0 h row: 10°00' + 150'.
    EXPECT_EQ(five.pointSignName[2], "うお");
    EXPECT_EQ(five.pointDegText[2], "12.30");
    EXPECT_TRUE(env.messages.list.empty());
}

TEST_F(GetPlanetTest, OtherBodiesAreCopiedAndConverted)
{
    ChartRecord r = birth("1980/03/21", 12, 0);
    ASSERT_TRUE(koyomi.get_planet(r));
    EXPECT_EQ(r.pointSignName[3], "牡羊");
    EXPECT_EQ(r.pointDegText[3], "5.07");
    EXPECT_EQ(r.pointSignName[10], "さそり");
    EXPECT_EQ(r.pointDegText[10], "20.58");
    EXPECT_EQ(r.pointDeg[10], 21);
    EXPECT_DOUBLE_EQ(r.pointDegReal[10], 21.0);
    EXPECT_EQ(r.pointDeg[5], 30);  // 29.59 rounds up to 30 whole degrees
    EXPECT_EQ(r.pointSignName[11], "乙女");
    EXPECT_EQ(r.pointSign[11], 6);
    EXPECT_EQ(r.pointDeg[11], 4);
    // At 12:00 the Moon is the 12 h row itself.
    EXPECT_EQ(r.pointDegText[2], "29.40");
}

TEST_F(GetPlanetTest, AnglesComeFromTheMainChartForAnyRecord)
{
    ChartRecord transit = birth("1980/03/22", 6, 0);
    ASSERT_TRUE(koyomi.get_planet(transit));
    EXPECT_EQ(transit.pointSignName[12], "獅子");
    EXPECT_EQ(transit.pointSign[12], 5);
    EXPECT_EQ(transit.pointDegText[12], "15.33");
    EXPECT_EQ(transit.pointDeg[12], 16);  // 15.5 rounds half to even
    EXPECT_EQ(transit.pointSignName[13], "牡牛");
    EXPECT_EQ(transit.pointDeg[13], 3);
    EXPECT_DOUBLE_EQ(transit.pointDegReal[13], 3.2);
    // Sun 0°49' + 15' (6 h).
    EXPECT_EQ(transit.pointDegText[1], "1.04");
}

TEST_F(GetPlanetTest, MissingDayLeavesTheRecordAndSaysSo)
{
    ChartRecord r = birth("1980/03/21", 12, 0);
    ASSERT_TRUE(koyomi.get_planet(r));
    const ChartRecord before = r;
    r.birthDateText = "1980/02/30";
    EXPECT_FALSE(koyomi.get_planet(r));
    EXPECT_EQ(env.messages.texts(), std::vector<std::string>{"1980/02/30 not found at Tkoyomifrm.get_planet."});
    EXPECT_EQ(r.pointSignName, before.pointSignName);
    EXPECT_EQ(r.pointDegText, before.pointDegText);
    EXPECT_EQ(r.pointDegReal, before.pointDegReal);
}

TEST_F(GetPlanetTest, MissingYearTableNamesTableAndFolder)
{
    ChartRecord r = birth("1979/03/21", 12, 0);
    EXPECT_FALSE(koyomi.get_planet(r));
    ASSERT_EQ(env.messages.list.size(), 1u);
    EXPECT_EQ(env.messages.list[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(env.messages.list[0].text, "天文暦の年テーブル「1979」がフォルダ「/fixture/db」にありません。");
    EXPECT_TRUE(r.pointSignName[1].empty());
}

TEST_F(GetPlanetTest, ReusingTheOpenTableGivesTheSameAsReopening)
{
    testing::writeYearTable(*env.tables, env.services.dirs.ephemerisDir(), 1981, {EphemerisDay{"1981/01/01"}});
    const char* dates[] = {"1980/03/21", "1981/01/01", "1980/03/22", "1980/03/22", "1980/12/31"};
    Tkoyomifrm reopening{env.services, calc, main};
    reopening.setReopenEveryCall(true);
    for (const char* date : dates) {
        ChartRecord a = birth(date, 7, 45);
        ChartRecord b = a;
        EXPECT_EQ(koyomi.get_planet(a), reopening.get_planet(b)) << date;
        EXPECT_EQ(a.pointDegText, b.pointDegText) << date;
        EXPECT_EQ(a.pointSignName, b.pointSignName) << date;
    }
}

TEST_F(GetPlanetTest, HarmonicStepRunsOnTheFilledRecordOnly)
{
    std::vector<const ChartRecord*> seen;
    koyomi.setComputeHarmonics([&](ChartRecord& r) { seen.push_back(&r); });
    ChartRecord r = birth("1980/03/21", 12, 0);
    ASSERT_TRUE(koyomi.get_planet(r));
    r.birthDateText = "1980/03/23";
    EXPECT_FALSE(koyomi.get_planet(r));
    EXPECT_EQ(seen, std::vector<const ChartRecord*>{&r});
}

TEST_F(GetPlanetTest, UnknownSignNameInTheTableEndsTheCommand)
{
    EphemerisDay bad{"1982/01/01"};
    bad.sun = {"牡羊座", "1.00"};
    testing::writeYearTable(*env.tables, env.services.dirs.ephemerisDir(), 1982, {bad});
    ChartRecord r = birth("1982/01/01", 0, 0);
    EXPECT_THROW(koyomi.get_planet(r), platform::CommandError);
}

}  // namespace
}  // namespace celmora::core
