// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli print-page: a reading page into a PDF file, run as a program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <utility>

#include "cli/CliRunner.h"
#include "core/FixtureTables.h"
#include "platform/TempDir.h"

namespace celmora {
namespace {

using Json = nlohmann::ordered_json;

class PrintPageCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto engine = platform::makeSqliteTableEngine();
        testing::EphemerisDay day{"1980/01/01"};
        day.sun = {"山羊", "10.05"};
        testing::writeYearTable(*engine, dir / "db", 1980, {day});
        testing::writeAspectTable(*engine, dir / "bunsyodb");
        testing::writeHouseTable(*engine, dir / "precidus", "Tokyo",
                                 {testing::houseRow("16.07.00", "牡羊", "29.58", "山羊", "24.07")});
        std::ofstream body(dir / "body.txt");
        for (int i = 1; i <= 120; ++i) body << "【" << i << "】太陽は山羊座にあり、堅実で責任感が強い人です。\r\n";
    }

    std::pair<int, Json> cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--program-dir", dir.path(), "--now", "2024/06/15"});
        testing::CliRun run = testing::runCli(args);
        return {run.status, std::move(run.json)};
    }

    testing::TempDir dir;
};

TEST_F(PrintPageCommandTest, PrintsTheBodyOverNumberedPagesWithTheBirthLine)
{
    cli({"persons", "add", "--name", "試験花子", "--date", "1980/01/01", "--time", "09:05", "--place", "東京"});
    const auto [status, json] = cli({"print-page", "--person", "試験花子", "--name-line", "試験花子 様の鑑定",
                                     "--text-file", dir / "body.txt", "--pdf", dir / "page.pdf"});
    ASSERT_EQ(status, 0) << json.dump();
    EXPECT_EQ(json["pageLabels"], (Json{"Page 1", "Page 2", "Page 3"}));
    EXPECT_EQ(json["QRbirth"], "1980/01/01  09時 05分生れ");
    EXPECT_GT(std::filesystem::file_size(dir / "page.pdf"), 1000u);
}

TEST_F(PrintPageCommandTest, RefusesWhatItCannotPrint)
{
    EXPECT_EQ(cli({"print-page", "--name-line", "x", "--text", "本文"}).first, 1);        // no --pdf
    EXPECT_EQ(cli({"print-page", "--name-line", "x", "--pdf", dir / "a.pdf"}).first, 1);  // no body
    EXPECT_EQ(cli({"print-page", "--person", "いない人", "--text", "本文", "--pdf", dir / "b.pdf"}).first, 2);
    const auto [status, json] = cli({"print-page", "--text", "本文", "--pdf", dir / "missing/c.pdf"});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(json["status"], "error");
}

}  // namespace
}  // namespace celmora
