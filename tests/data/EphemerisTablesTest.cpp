// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The ephemeris year tables: layout, one row per day, and positions checked against
// the command-line program of the astronomy library (an independent route to the same
// theory) and against the published instants of equinoxes and solstices.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <vector>

#include "DataTestSupport.h"
#include "platform/Errors.h"
#include "platform/Table.h"
#include "platform/TempDir.h"

namespace celmora::testing {
namespace {

namespace chr = std::chrono;

// Installed data (the program folder's, or the fixture shared by parallel tests): read
// as the program reads it, never written.
std::unique_ptr<platform::Table> openYear(const std::string& folder, int year)
{
    static auto engine = platform::makeSqliteTableEngine();
    return engine->openReadOnly(folder, std::to_string(year));
}

std::string dateKey(const chr::year_month_day& d)
{
    char key[32];
    std::snprintf(key, sizeof key, "%04d/%02u/%02u", static_cast<int>(d.year()), static_cast<unsigned>(d.month()),
                  static_cast<unsigned>(d.day()));
    return key;
}

TEST(EphemerisTableLayout, FieldsSizesAndKeyAsDocumented)
{
    const auto table = openYear(fixtureDir + "/db", 2000);
    // Field order and sizes of the year table, as the ephemeris screen and get_planet use them.
    const std::vector<std::pair<std::string, int>> expected = {
        {"YYMMDD", 10},   {"WIN太陽", 10},   {"RAD太陽", 8},   {"WIN月0", 10},    {"RAD月0", 8},
        {"WIN月1", 10},   {"RAD月1", 8},     {"WINドラ", 10},  {"RADドラ", 8},    {"WIN水星", 10},
        {"RAD水星", 8},   {"WIN金星", 10},   {"RAD金星", 8},   {"WIN火星", 10},   {"RAD火星", 8},
        {"WIN木星", 10},  {"RAD木星", 8},    {"WIN土星", 10},  {"RAD土星", 8},    {"WIN天王星", 10},
        {"RAD天王星", 8}, {"WIN海王星", 10}, {"RAD海王星", 8}, {"WIN冥王星", 10}, {"RAD冥王星", 8},
    };
    ASSERT_EQ(table->fields().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(table->fields()[i].name, expected[i].first);
        EXPECT_EQ(table->fields()[i].type, platform::FieldType::Text);
        EXPECT_EQ(table->fields()[i].size, expected[i].second);
        EXPECT_EQ(table->fields()[i].required, i == 0);
    }
}

TEST(EphemerisTableLayout, PrimaryIndexRefusesASecondRowForADay)
{
    TempDir scratch;  // a copy: the fixture stays untouched whatever the engine does
    std::filesystem::copy_file(fixtureDir + "/db/2000.db", scratch / "2000.db");
    const auto engine = platform::makeSqliteTableEngine();
    const auto table = engine->open(scratch.path(), "2000");  // for writing
    table->append();
    table->setText("YYMMDD", "2000/01/01");
    EXPECT_THROW(table->post(), platform::TableError);
    table->cancel();
    EXPECT_EQ(table->recordCount(), 366);
}

class EphemerisYearRows : public ::testing::TestWithParam<int> {};

TEST_P(EphemerisYearRows, OneRowPerCalendarDayInKeyOrder)
{
    const int year = GetParam();
    const auto table = openYear(fixtureDir + "/db", year);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    EXPECT_EQ(table->recordCount(), leap ? 366 : 365);
    chr::sys_days day = chr::year_month_day(chr::year(year), chr::January, chr::day(1));
    int rows = 0;
    for (bool ok = table->first(); ok; ok = table->next(), day += chr::days(1), ++rows) {
        ASSERT_EQ(table->text("YYMMDD"), dateKey(chr::year_month_day(day)));
        for (const auto& field : table->fields()) {
            if (field.name.rfind("WIN", 0) != 0) continue;
            const std::string suffix = field.name.substr(3);
            ASSERT_TRUE(longitudeMinutes(table->text(field.name), table->text("RAD" + suffix)))
                << table->text("YYMMDD") << " " << suffix << ": " << table->text(field.name) << " "
                << table->text("RAD" + suffix);
        }
    }
    EXPECT_EQ(rows, table->recordCount());
}

INSTANTIATE_TEST_SUITE_P(FixtureYears, EphemerisYearRows,
                         ::testing::Values(1900, 1950, 1979, 1980, 1981, 1999, 2000, 2001, 2100, 2200));

TEST(EphemerisInstalledSet, EveryYearFrom1900To2200)
{
    if (!CELMORA_DATA_BUILT) GTEST_SKIP() << "the build does not produce the installed data";
    const std::string folder = std::string(CELMORA_PROGRAM_DIR) + "/db";
    for (int year = 1900; year <= 2200; ++year) {
        SCOPED_TRACE(year);
        ASSERT_TRUE(std::filesystem::exists(folder + "/" + std::to_string(year) + ".db"));
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        EXPECT_EQ(openYear(folder, year)->recordCount(), leap ? 366 : 365);
    }
    EXPECT_FALSE(std::filesystem::exists(folder + "/1899.db"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/2201.db"));
}

// swetest's bodies in the order of "-p0123456789m", with the column suffix they fill.
const std::vector<std::pair<const char*, int>> swetestColumns = {
    {"太陽", 0}, {"月0", 1},    {"水星", 2},   {"金星", 3},   {"火星", 4},  {"木星", 5},
    {"土星", 6}, {"天王星", 7}, {"海王星", 8}, {"冥王星", 9}, {"ドラ", 10},
};

std::vector<double> swetestLongitudes(const chr::year_month_day& utDate, int utHour, const char* bodies)
{
    std::ostringstream command;
    command << "swetest -emos -b" << static_cast<unsigned>(utDate.day()) << "." << static_cast<unsigned>(utDate.month())
            << "." << static_cast<int>(utDate.year()) << " -ut" << utHour << ":00 -p" << bodies << " -fl -head";
    const CommandResult result = runCommand(command.str());
    std::vector<double> values;
    std::istringstream in(result.output);
    double value = 0;
    while (in >> value) values.push_back(value);
    return values;
}

// The table's minute must be the true longitude rounded to the nearest minute. The
// two computations may differ in the last digits, so a one-minute difference is
// accepted only where the true value lies within this much of a rounding edge.
constexpr double roundingEdgeToleranceMinutes = 3.0 / 60.0;  // 3 arc-seconds

void expectAgrees(const std::string& what, const std::string& sign, const std::string& degreeText, double trueLongitude)
{
    const auto table = longitudeMinutes(sign, degreeText);
    ASSERT_TRUE(table) << what << ": " << sign << " " << degreeText;
    const double trueMinutes = trueLongitude * 60.0;
    const int expected = static_cast<int>(std::lround(trueMinutes)) % 21600;
    const int difference = minutesApart(*table, expected);
    if (difference == 0) return;
    const double edgeDistance = std::abs(trueMinutes - std::floor(trueMinutes) - 0.5);
    EXPECT_TRUE(std::abs(difference) == 1 && edgeDistance < roundingEdgeToleranceMinutes)
        << what << ": table " << sign << " " << degreeText << ", swetest " << trueLongitude << "°";
}

TEST(EphemerisPositions, AgreeWithSwetestToTheMinute)
{
    if (!swetestAvailable()) GTEST_SKIP() << "swetest is not installed";
    // Several decades, both ends of the range, month and leap-day boundaries.
    const std::vector<chr::year_month_day> dates = {
        chr::year(1900) / 1 / 1,  chr::year(1900) / 7 / 15, chr::year(1950) / 3 / 21,  chr::year(1950) / 11 / 30,
        chr::year(1979) / 2 / 28, chr::year(1980) / 2 / 29, chr::year(1981) / 12 / 31, chr::year(1999) / 8 / 11,
        chr::year(2000) / 1 / 1,  chr::year(2000) / 6 / 30, chr::year(2001) / 3 / 1,   chr::year(2100) / 2 / 28,
        chr::year(2100) / 3 / 1,  chr::year(2200) / 1 / 1,  chr::year(2200) / 12 / 31,
    };
    for (const auto& date : dates) {
        const auto table = openYear(fixtureDir + "/db", static_cast<int>(date.year()));
        const std::string key = dateKey(date);
        ASSERT_TRUE(table->findKey({key})) << key;
        // 0:00 JST is 15:00 UT of the day before; 12:00 JST is 03:00 UT of the same day.
        const chr::year_month_day dayBefore{chr::sys_days(date) - chr::days(1)};
        const std::vector<double> midnight = swetestLongitudes(dayBefore, 15, "0123456789m");
        ASSERT_EQ(midnight.size(), swetestColumns.size()) << key;
        for (const auto& [suffix, index] : swetestColumns) {
            expectAgrees(key + " " + suffix, table->text(std::string("WIN") + suffix),
                         table->text(std::string("RAD") + suffix), midnight[static_cast<std::size_t>(index)]);
        }
        const std::vector<double> noon = swetestLongitudes(date, 3, "1");
        ASSERT_EQ(noon.size(), 1u) << key;
        expectAgrees(key + " 月1", table->text("WIN月1"), table->text("RAD月1"), noon[0]);
    }
}

struct SeasonCase {
    const char* name;
    int year;
    unsigned month, lastDayBefore;  // the event falls after 0:00 JST of this day and before the next 0:00
    const char* signBefore;
    const char* signAfter;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SeasonCase& c, std::ostream* out)
{
    *out << c.name;
}

class EphemerisSeasons : public ::testing::TestWithParam<SeasonCase> {};

// Instants of the equinoxes and solstices (UT, rounded to the minute) from the published
// tables of the astronomical almanac, converted to JST:
//   1980 March equinox    Mar 20 11:10 UT = Mar 20 20:10 JST
//   2000 March equinox    Mar 20 07:35 UT = Mar 20 16:35 JST
//   2000 June solstice    Jun 21 01:48 UT = Jun 21 10:48 JST
//   2000 Sept. equinox    Sep 22 17:28 UT = Sep 23 02:28 JST
//   2000 Dec. solstice    Dec 21 13:37 UT = Dec 21 22:37 JST
TEST_P(EphemerisSeasons, SunChangesSignBetweenTheRowsAroundTheEvent)
{
    const SeasonCase& c = GetParam();
    const auto table = openYear(fixtureDir + "/db", c.year);
    const chr::year_month_day before = chr::year(c.year) / c.month / c.lastDayBefore;
    const chr::year_month_day after{chr::sys_days(before) + chr::days(1)};
    ASSERT_TRUE(table->findKey({dateKey(before)}));
    EXPECT_EQ(table->text("WIN太陽"), c.signBefore);
    EXPECT_EQ(table->text("RAD太陽").substr(0, 3), "29.");
    ASSERT_TRUE(table->findKey({dateKey(after)}));
    EXPECT_EQ(table->text("WIN太陽"), c.signAfter);
    EXPECT_EQ(table->text("RAD太陽").substr(0, 2), "0.");
}

INSTANTIATE_TEST_SUITE_P(PublishedInstants, EphemerisSeasons,
                         ::testing::Values(SeasonCase{"MarchEquinox1980", 1980, 3, 20, "うお", "牡羊"},
                                           SeasonCase{"MarchEquinox2000", 2000, 3, 20, "うお", "牡羊"},
                                           SeasonCase{"JuneSolstice2000", 2000, 6, 21, "双子", "かに"},
                                           SeasonCase{"SeptemberEquinox2000", 2000, 9, 23, "乙女", "天秤"},
                                           SeasonCase{"DecemberSolstice2000", 2000, 12, 21, "射手", "山羊"}),
                         [](const ::testing::TestParamInfo<SeasonCase>& info) { return std::string(info.param.name); });

TEST(EphemerisPositions, SunOnNewYear2000IsInCapricorn)
{
    const auto table = openYear(fixtureDir + "/db", 2000);
    ASSERT_TRUE(table->findKey({"2000/01/01"}));
    EXPECT_EQ(table->text("WIN太陽"), "山羊");
    // The Sun's apparent longitude at 31 December 1999 15:00 UT is 279.48° (279°29′),
    // 9°29′ into Capricorn, which begins at 270°.
    const auto minutes = longitudeMinutes(table->text("WIN太陽"), table->text("RAD太陽"));
    ASSERT_TRUE(minutes);
    EXPECT_NEAR(*minutes, 279 * 60 + 29, 1);
}

}  // namespace
}  // namespace celmora::testing
