// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli diagnose, run as a program on a fixture program folder (and on the
// installed data when the build has produced it).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "core/FixtureTables.h"
#include "platform/TempDir.h"

namespace celmora {
namespace {

using Json = nlohmann::ordered_json;
using testing::CliRun;
using testing::runCli;

class DiagnoseCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto engine = platform::makeSqliteTableEngine();
        testing::EphemerisDay day{"1980/01/01"};
        day.sun = {"山羊", "10.05"};
        day.moon0 = {"天秤", "2.00"};
        testing::writeYearTable(*engine, dir / "db", 1980, {day});
        testing::writeAspectTable(*engine, dir / "bunsyodb");
        testing::writeHouseTable(*engine, dir / "precidus", "Tokyo",
                                 {testing::houseRow("16.07.00", "牡羊", "29.58", "山羊", "24.07"),
                                  testing::houseRow("15.48.00", "うお", "20.00", "射手", "28.00"),
                                  testing::houseRow("00.19.00", "かに", "9.00", "うお", "20.00"),
                                  testing::houseRow("19.06.00", "獅子", "20.00", "牡牛", "28.00")});
    }

    CliRun diagnose(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--program-dir", dir.path(), "--now", "2024/06/15", "diagnose"});
        return runCli(args, dir / "stderr.txt");
    }

    testing::TempDir dir;
};

TEST_F(DiagnoseCommandTest, PrintsTheWholeRecord)
{
    const CliRun o =
        diagnose({"--name", "試験", "--date", "1980/01/01", "--time", "09:05", "--sex", "男", "--place", "東京"});
    ASSERT_EQ(o.status, 0) << o.err;
    ASSERT_FALSE(o.json.is_discarded()) << o.out;
    EXPECT_EQ(o.json["status"], "completed");
    EXPECT_EQ(o.json["messages"], Json::array());
    const Json& c = o.json["chart"];
    EXPECT_EQ(c["localSiderealTime"], "16.07.00");
    EXPECT_EQ(c["birthPlace"], "東京");
    EXPECT_EQ(c["timeDiffText"], "+19");
    EXPECT_EQ(c["age"], 44);
    EXPECT_EQ(c["pointDegText"][0], "10.27");   // index 1, the Sun
    EXPECT_EQ(c["pointSignName"][11], "牡羊");  // index 12, ASC
    EXPECT_EQ(c["houseSignName"][6], "天秤");   // house 7
    EXPECT_EQ(o.json["labels"]["syuseiji"], "地方恒星時間：16.07");

    // Every field by its own name, in declared order; arrays sized by their bounds.
    ASSERT_TRUE(c.is_object());
    EXPECT_EQ(c.begin().key(), "name");
    EXPECT_EQ((--c.end()).key(), "sevenGov");
    EXPECT_EQ(c.size(), 71u);
    EXPECT_EQ(c["houseSign"].size(), 12u);
    EXPECT_EQ(c["pointDegReal"].size(), 13u);
    EXPECT_EQ(c["harmonicLongitude"].size(), 9u);
    EXPECT_EQ(c["harmonicLongitude"][0].size(), 13u);
    EXPECT_EQ(c["harmonicQuality"].size(), 10u);  // rows 0..9
    EXPECT_EQ(c["dividedSignCount"][9].size(), 14u);
    EXPECT_EQ(c["strongPlanets"][0], (Json{{"point", 0}, {"countText", ""}, {"name", ""}}));
    EXPECT_EQ(c["aspectAngleFrequency"][10], (Json{{"angle", 144}, {"count", 0}}));
}

TEST_F(DiagnoseCommandTest, DayMissingFromTheYearTableIsRefusedWithoutPositions)
{
    // 2 January exists but the fixture's year table holds 1 January only.
    const CliRun o = diagnose({"--name", "試験", "--date", "1980/01/02", "--time", "12:00", "--place", "東京"});
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_EQ(o.json["status"], "refused");
    EXPECT_EQ(o.json["messages"], (Json{"1980/01/02 not found at Tkoyomifrm.get_planet."}));
    for (const Json& name : o.json["chart"]["pointSignName"]) EXPECT_EQ(name, "");
    EXPECT_EQ(o.json["chart"]["localSiderealTime"], "19.06.00");
}

TEST_F(DiagnoseCommandTest, DiffOverridesThePlace)
{
    const CliRun o =
        diagnose({"--name", "試験", "--date", "1980/01/01", "--time", "09:05", "--place", "東京", "--diff", "+00"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.json["chart"]["timeDiffText"], "+00");
    EXPECT_EQ(o.json["chart"]["localSiderealTime"], "15.48.00");
    EXPECT_EQ(o.json["chart"]["birthPlace"], "東京");
}

TEST_F(DiagnoseCommandTest, ErrorsAndRefusals)
{
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* message;  // in "messages", or "error" for status 1
    };
    const Row rows[] = {
        {"unreadable year", {"--name", "試験", "--date", "198O/01/01"}, 2, "生年月日が正しく指定されていません。"},
        {"missing year table", {"--name", "試験", "--date", "1979/01/01", "--time", "09:05"}, 2, nullptr},
        {"hour out of range", {"--name", "試験", "--date", "1980/01/01", "--time", "24:00"}, 1, nullptr},
        {"no name", {"--date", "1980/01/01", "--time", "09:05"}, 2, "氏名を入力してください。"},
        {"blank name", {"--name", "　", "--date", "1980/01/01", "--time", "09:05"}, 2, "氏名を入力してください。"},
        {"day the month does not have",
         {"--name", "試験", "--date", "1980/02/30", "--time", "12:00"},
         2,
         "生年月日「1980/02/30」は存在しない日付です。2月は29日までです。"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const CliRun o = diagnose(r.args);
        EXPECT_EQ(o.status, r.status) << o.out << o.err;
        if (r.status == 2) {
            ASSERT_EQ(o.json["messages"].size(), 1u);
            if (r.message) {
                EXPECT_EQ(o.json["messages"][0], r.message);
            }
        } else {
            EXPECT_EQ(o.json["status"], "error");
            EXPECT_FALSE(o.json["error"].get<std::string>().empty());
            EXPECT_NE(o.err.find(o.json["error"].get<std::string>()), std::string::npos);
        }
    }
    // A place outside the list or a malformed command line prints usage, no JSON.
    EXPECT_EQ(diagnose({"--date", "1980/01/01", "--place", "ロンドン"}).status, 1);
    EXPECT_EQ(diagnose({"--date", "1980-01-01"}).status, 1);
}

// A computing command never loads the toolkit: only the drawing commands do, from
// their own module. The dynamic loader names every library it starts.
TEST_F(DiagnoseCommandTest, LoadsNoToolkitLibrary)
{
    const CliRun o = testing::runProgram(testing::cliProgram(),
                                         {"--program-dir", dir.path(), "--now", "2024/06/15", "diagnose", "--name",
                                          "試験", "--date", "1980/01/01", "--time", "09:05", "--place", "東京"},
                                         dir / "stderr.txt", "LD_DEBUG=libs");
    ASSERT_EQ(o.status, 0) << o.out;
    EXPECT_THAT(o.err, ::testing::HasSubstr("calling init: ")) << "the loader reported nothing";
    EXPECT_THAT(o.err, ::testing::Not(::testing::HasSubstr("libQt")));
}

// The installed data of this build, when the data builders have produced it.
TEST(DiagnoseCommandRealData, TokyoNewYear1980)
{
    const std::filesystem::path program(CELMORA_PROGRAM_DIR);
    if (!std::filesystem::exists(program / "db" / "1980.db") ||
        !std::filesystem::exists(program / "precidus" / "Tokyo.db")) {
        GTEST_SKIP() << "no installed ephemeris and house tables in " << program;
    }
    testing::TempDir tmp;
    // Installed data from the build, writable files (person lists) in a folder of our own.
    const CliRun o = runCli({"--user-dir", tmp.path(), "--now", "2024/06/15", "diagnose", "--name", "試験", "--date",
                             "1980/01/01", "--time", "09:05", "--sex", "男", "--place", "東京"},
                            tmp / "stderr.txt");
    ASSERT_EQ(o.status, 0) << o.out << o.err;
    const Json& c = o.json["chart"];
    EXPECT_EQ(c["localSiderealTime"], "16.07.00");
    // Typed birth data touches no person list: none is opened, none is created.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(tmp.path()) / "jinmei" / "人名DB.db"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(tmp.path()) / "jinmei" / "人名2DB.db"));
    for (int p = 0; p < 13; ++p) {
        EXPECT_NE(c["pointSignName"][p], "") << p + 1;
        EXPECT_NE(c["pointDegText"][p], "") << p + 1;
        EXPECT_GE(c["pointSign"][p].get<int>(), 1) << p + 1;
    }
    for (int h = 0; h < 12; ++h) EXPECT_NE(c["houseSignName"][h], "") << h + 1;
    // The Sun on 1 January is in Capricorn.
    EXPECT_EQ(c["pointSignName"][0], "山羊");
}

}  // namespace
}  // namespace celmora
