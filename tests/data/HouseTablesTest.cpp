// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The Placidus house tables of the six cities: layout, 1440 rows in sidereal-time
// order, the Ascendant and Midheaven against their closed formulas (which depend only
// on the sidereal time, the latitude and the obliquity), and all six cusps against
// swetest for an instant whose local sidereal time is the row's key.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <ostream>
#include <sstream>
#include <vector>

#include "DataTestSupport.h"
#include "platform/Table.h"

namespace celmora::testing {
namespace {

struct City {
    const char* table;
    double latitude;  // degrees north, as the birthplace screen assigns the tables
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const City& c, std::ostream* out)
{
    *out << c.table;
}

const std::vector<City> cities = {
    {"Sapporo", 43 + 4 / 60.0}, {"Sendai", 38 + 16 / 60.0}, {"Tokyo", 35 + 41 / 60.0},
    {"Nagoya", 35 + 11 / 60.0}, {"Oosaka", 34 + 41 / 60.0}, {"Fukuoka", 33 + 35 / 60.0},
};

constexpr double obliquityJ2000 = 23.4392911;  // degrees, mean obliquity of J2000.0
const std::vector<std::string> cuspFields = {"HA01", "HA02", "HA03", "HA10", "HA11", "HA12"};

// The fixture is shared by tests running in parallel: read as the program reads
// installed data, never written.
std::unique_ptr<platform::Table> openCity(const std::string& name)
{
    static auto engine = platform::makeSqliteTableEngine();
    return engine->openReadOnly(fixtureDir + "/precidus", name);
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}
double degrees(double radians)
{
    const double d = radians * 180.0 / std::numbers::pi;
    return d < 0 ? d + 360.0 : d;
}

// Closed forms with θ the sidereal time as an angle (right ascension of the meridian),
// φ the latitude and ε the obliquity:
//   MC  = atan2(sin θ, cos θ cos ε)
//   ASC = atan2(cos θ, −(sin θ cos ε + tan φ sin ε))
double midheaven(double theta)
{
    return degrees(std::atan2(std::sin(radians(theta)), std::cos(radians(theta)) * std::cos(radians(obliquityJ2000))));
}
double ascendant(double theta, double latitude)
{
    const double t = radians(theta), e = radians(obliquityJ2000);
    return degrees(std::atan2(std::cos(t), -(std::sin(t) * std::cos(e) + std::tan(radians(latitude)) * std::sin(e))));
}

// A rounded minute plus the last digits of two computations.
constexpr double roundingToleranceMinutes = 0.5 + 0.01;

class HouseTables : public ::testing::TestWithParam<City> {};

TEST_P(HouseTables, LayoutAndOneRowPerSiderealMinute)
{
    const auto table = openCity(GetParam().table);
    const std::vector<std::string> expected = {"HHMMSS", "HA01S", "HA01",  "HA02S", "HA02",  "HA03S", "HA03",
                                               "HA10S",  "HA10",  "HA11S", "HA11",  "HA12S", "HA12"};
    ASSERT_EQ(table->fields().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(table->fields()[i].name, expected[i]);
    EXPECT_EQ(table->recordCount(), 1440);
    int minute = 0;
    for (bool ok = table->first(); ok; ok = table->next(), ++minute) {
        char key[32];
        std::snprintf(key, sizeof key, "%02d.%02d.00", minute / 60, minute % 60);
        ASSERT_EQ(table->text("HHMMSS"), key);
    }
    EXPECT_EQ(minute, 1440);
}

TEST_P(HouseTables, LookupThroughTheProgramsIndex)
{
    // The program selects the index "JIKOKU" on the key for every lookup. The builder
    // stores it in the file, since the program never writes an installed table, and
    // seals the file: a rollback journal (header bytes 18 and 19 are 1), no log beside it.
    const std::string file = fixtureDir + "/precidus/" + GetParam().table + ".db";
    EXPECT_FALSE(std::filesystem::exists(file + "-wal"));
    {
        std::ifstream in(file, std::ios::binary);
        char header[20] = {};
        in.read(header, sizeof header);
        EXPECT_EQ(header[18], 1);
        EXPECT_EQ(header[19], 1);
    }
    const auto table = openCity(GetParam().table);
    EXPECT_EQ(table->indexNames(), std::vector<std::string>{"JIKOKU"});
    table->addIndex("JIKOKU", "HHMMSS");  // as the program does: the stored index, nothing written
    table->selectIndex("JIKOKU");
    for (const char* key : {"00.00.00", "13.07.00", "23.59.00"}) {
        ASSERT_TRUE(table->findKey({key})) << key;
        EXPECT_EQ(table->text("HHMMSS"), key);
    }
    EXPECT_FALSE(table->findKey({"24.00.00"}));
}

TEST_P(HouseTables, CuspsAdvanceSmoothlyThroughTheDay)
{
    // Every cusp moves forward by less than a degree and a half per sidereal minute at
    // these latitudes; a garbled row, a wrong carry into the next sign or a swapped
    // column shows up as a jump.
    const auto table = openCity(GetParam().table);
    std::vector<int> previous(cuspFields.size(), -1);
    for (bool ok = table->first(); ok; ok = table->next()) {
        for (std::size_t c = 0; c < cuspFields.size(); ++c) {
            const auto now = longitudeMinutes(table->text(cuspFields[c] + "S"), table->text(cuspFields[c]));
            ASSERT_TRUE(now) << table->text("HHMMSS") << " " << cuspFields[c];
            if (previous[c] >= 0) {
                const int step = minutesApart(*now, previous[c]);
                EXPECT_TRUE(step >= 0 && step < 90) << table->text("HHMMSS") << " " << cuspFields[c] << " " << step;
            }
            previous[c] = *now;
        }
    }
}

TEST_P(HouseTables, AscendantAndMidheavenMatchTheClosedForms)
{
    const City& city = GetParam();
    const auto table = openCity(city.table);
    int minute = 0;
    for (bool ok = table->first(); ok; ok = table->next(), ++minute) {
        const double theta = minute / 4.0;
        const auto asc = longitudeMinutes(table->text("HA01S"), table->text("HA01"));
        const auto mc = longitudeMinutes(table->text("HA10S"), table->text("HA10"));
        ASSERT_TRUE(asc && mc);
        ASSERT_LE(std::abs(std::remainder(*asc - ascendant(theta, city.latitude) * 60, 21600)),
                  roundingToleranceMinutes)
            << city.table << " " << table->text("HHMMSS") << " ASC " << table->text("HA01S") << table->text("HA01");
        ASSERT_LE(std::abs(std::remainder(*mc - midheaven(theta) * 60, 21600)), roundingToleranceMinutes)
            << city.table << " " << table->text("HHMMSS") << " MC " << table->text("HA10S") << table->text("HA10");
    }
}

INSTANTIATE_TEST_SUITE_P(SixCities, HouseTables, ::testing::ValuesIn(cities),
                         [](const ::testing::TestParamInfo<City>& info) { return std::string(info.param.table); });

std::map<std::string, double> swetestHouses(double longitude, double latitude)
{
    std::ostringstream command;
    command.precision(10);
    command << "swetest -emos -b1.1.2000 -ut12:00 -p -house" << longitude << "," << latitude << ",P -fPl -head";
    std::istringstream out(runCommand(command.str()).output);
    std::map<std::string, double> values;
    std::string line;
    while (std::getline(out, line)) {
        const std::size_t last = line.find_last_of(' ');
        if (last == std::string::npos) continue;
        std::string name = line.substr(0, last);
        name.erase(name.find_last_not_of(' ') + 1);
        values[name] = std::stod(line.substr(last + 1));
    }
    return values;
}

TEST(HouseTablesAgainstSwetest, TokyoCuspsWithinTwoMinutes)
{
    if (!swetestAvailable()) GTEST_SKIP() << "swetest is not installed";
    // swetest computes houses for a place and an instant. Place the observer at the
    // longitude that makes the local sidereal time equal to the row's key on 1 January
    // 2000 12:00 UT; swetest then uses the true obliquity of that date, which differs
    // from the table's J2000 value by a few arc-seconds only.
    const double latitude = 35 + 41 / 60.0;
    const double greenwichArmc = swetestHouses(0, latitude).at("ARMC");
    const auto table = openCity("Tokyo");
    const char* const swetestNames[] = {"house  1", "house  2", "house  3", "house 10", "house 11", "house 12"};
    for (int minute : {0, 197, 385, 611, 722, 1003, 1260, 1439}) {
        const double longitude = std::remainder(minute / 4.0 - greenwichArmc, 360.0);
        const auto houses = swetestHouses(longitude, latitude);
        ASSERT_NEAR(std::remainder(houses.at("ARMC") - minute / 4.0, 360.0), 0.0, 1e-5);
        char key[32];
        std::snprintf(key, sizeof key, "%02d.%02d.00", minute / 60, minute % 60);
        ASSERT_TRUE(table->findKey({key}));
        for (std::size_t c = 0; c < cuspFields.size(); ++c) {
            const auto cusp = longitudeMinutes(table->text(cuspFields[c] + "S"), table->text(cuspFields[c]));
            ASSERT_TRUE(cusp);
            EXPECT_LE(std::abs(std::remainder(*cusp - houses.at(swetestNames[c]) * 60, 21600)), 2.0)
                << key << " " << cuspFields[c];
        }
    }
}

}  // namespace
}  // namespace celmora::testing
