// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli persons and diagnose --person, run as a program on a fixture program
// folder whose person lists start empty.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "core/FixtureTables.h"
#include "platform/TempDir.h"

namespace celmora {
namespace {

using Json = nlohmann::ordered_json;
using testing::CliRun;
using testing::fileText;

class PersonsCommandTest : public ::testing::Test {
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
                                  testing::houseRow("15.48.00", "うお", "20.00", "射手", "28.00")});
    }

    CliRun cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--program-dir", dir.path(), "--now", "2024/06/15"});
        return testing::runCli(args);
    }

    Json rows(const char* list = "1") { return cli({"persons", "list", "--list", list}).json["rows"]; }

    testing::TempDir dir;
};

TEST_F(PersonsCommandTest, AddedPersonDiagnosedWithSaveShowsTheSummaryInTheList)
{
    const CliRun added = cli({"persons", "add", "--name", "試験花子", "--date", "1980/01/01", "--time", "09:05",
                              "--sex", "女", "--place", "東京"});
    ASSERT_EQ(added.status, 0) << added.out;
    EXPECT_EQ(added.json["row"]["No"], 1);
    EXPECT_EQ(added.json["row"]["時差"], "+19");
    EXPECT_EQ(added.json["row"]["AREA1"], "東京");
    EXPECT_EQ(rows()[0]["太陽"], "");

    // A diagnosis of birth options writes no row; one of the person without --save neither.
    ASSERT_EQ(cli({"diagnose", "--date", "1980/01/01", "--time", "09:05", "--place", "東京", "--name", "別人"}).status,
              0);
    ASSERT_EQ(cli({"diagnose", "--person", "試験花子"}).status, 0);
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0]["太陽"], "");

    const CliRun saved = cli({"diagnose", "--person", "試験花子", "--save"});
    ASSERT_EQ(saved.status, 0) << saved.out;
    EXPECT_EQ(saved.json["chart"]["birthPlace"], "東京");  // read from the row's AREA1
    EXPECT_EQ(saved.json["chart"]["localSiderealTime"], "16.07.00");
    const Json row = rows()[0];
    EXPECT_EQ(row["氏名"], "試験花子");
    EXPECT_EQ(row["太陽"], "山羊");
    EXPECT_EQ(row["太陽角度"], 10);
    EXPECT_EQ(row["ASC"], "牡羊");
    EXPECT_EQ(row["ASC角度"], 30);  // 29.58 rounds up
    EXPECT_EQ(row["MC"], "山羊");
    EXPECT_EQ(row, saved.json["person"]);
}

TEST_F(PersonsCommandTest, UnknownPersonIsRefused)
{
    const CliRun o = cli({"diagnose", "--person", "いない人", "--save"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.json["messages"], (Json{"「いない人」は人名１にありません。"}));
    EXPECT_EQ(rows().size(), 0u);
}

TEST_F(PersonsCommandTest, CsvExportImportedIntoTheSecondListRoundTrips)
{
    cli({"persons", "add", "--name", "Smith, \"Jo\"", "--date", "1980/01/01", "--diff", "-29"});
    cli({"persons", "add", "--name", "試験花子", "--date", "1980/01/01", "--time", "09:05", "--place", "東京"});
    cli({"diagnose", "--person", "試験花子", "--save"});
    ASSERT_EQ(cli({"persons", "export", dir / "one.csv"}).status, 0);

    const CliRun imported = cli({"persons", "import", dir / "one.csv", "--list", "2"});
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_EQ(imported.json["imported"], 2);
    ASSERT_EQ(cli({"persons", "export", dir / "two.csv", "--list", "2"}).status, 0);
    EXPECT_EQ(fileText(dir / "two.csv"), fileText(dir / "one.csv"));
    EXPECT_EQ(rows("2"), rows("1"));
}

TEST_F(PersonsCommandTest, MalformedCsvIsRefusedWholeWithItsLine)
{
    std::ofstream(dir / "bad.csv") << "氏名,年度\n花子,1959\n太郎,1960,x\n";
    const CliRun o = cli({"persons", "import", dir / "bad.csv"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.json["line"], 3);
    EXPECT_NE(o.json["error"].get<std::string>().find("3行目"), std::string::npos);
    EXPECT_EQ(rows().size(), 0u);
}

}  // namespace
}  // namespace celmora
