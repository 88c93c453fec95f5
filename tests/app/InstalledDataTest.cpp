// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The build's program folder is installed data: every command of celmora-cli, and
// diagnoses in this process over every house table and years across the whole range,
// leave each of its files byte for byte as it was and put no file beside them (no
// "-wal", "-shm" or "-journal" of a table), whatever the user may write (root included).
// The writable files go to a temporary user folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <sstream>

#include "app/Workstation.h"
#include "cli/CliRunner.h"
#include "core/BirthInput.h"
#include "core/DiagnosisRun.h"
#include "core/koyomiDB.h"
#include "core/situkohyodb.h"
#include "platform/Errors.h"
#include "platform/Table.h"
#include "platform/TempDir.h"
#include "support/FolderSnapshot.h"
#include "support/TestServices.h"

namespace celmora {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const platform::ProgramDir installed(CELMORA_PROGRAM_DIR, CELMORA_PROGRAM_DIR);

bool dataBuilt()
{
    return fs::exists(installed.ephemerisDir() + "/1985.db") && fs::exists(installed.houseTableDir() + "/Tokyo.db");
}

std::string differencesText(const testing::FolderSnapshot& before)
{
    std::string text;
    for (const std::string& line : testing::snapshotDifferences(before, testing::snapshotProgramFolder(installed))) {
        text += line + "\n";
    }
    return text;
}

// One command line of celmora-cli; "{user}" stands for the temporary user folder.
struct CliCase {
    const char* name;
    std::vector<std::string> args;
};

// In this order: the person added first is diagnosed, exported and printed later.
const std::vector<CliCase> cliCases = {
    {"diagnose",
     {"diagnose", "--name", "山田 花子", "--date", "1985/07/23", "--time", "14:35", "--sex", "女", "--place", "東京"}},
    {"persons add",
     {"persons", "add", "--name", "試験花子", "--date", "1900/01/01", "--time", "09:05", "--sex", "女", "--place",
      "札幌"}},
    {"persons list", {"persons", "list", "--list", "1"}},
    {"diagnose --save", {"diagnose", "--person", "試験花子", "--save"}},
    {"persons export", {"persons", "export", "{user}/persons.csv"}},
    {"persons import", {"persons", "import", "{user}/persons.csv", "--list", "2"}},
    {"wheel png",
     {"wheel", "--name", "試験", "--date", "2200/12/31", "--time", "23:59", "--place", "福岡", "--out",
      "{user}/wheel.png"}},
    {"wheel svg",
     {"wheel", "--name", "試験", "--date", "2000/02/29", "--place", "大阪", "--style", "symbol", "--stars", "--arabic",
      "--mansions", "--bands", "--aspects", "hard,soft", "--out", "{user}/wheel.svg"}},
    {"wheel pdf",
     {"wheel", "--name", "試験", "--date", "1950/06/15", "--place", "仙台", "--text", "--out", "{user}/wheel.pdf"}},
    {"print-page",
     {"print-page", "--name-line", "鑑定書", "--text", "一行目\n二行目", "--person", "試験花子", "--pdf",
      "{user}/page.pdf"}},
};

// The command names celmora-cli lists under "commands:" in its help.
std::set<std::string> listedCommands()
{
    std::istringstream help(testing::runCli({"--help"}).out);
    std::set<std::string> names;
    bool inList = false;
    for (std::string line; std::getline(help, line);) {
        if (line == "commands:") {
            inList = true;
        } else if (inList && line.empty()) {
            break;
        } else if (inList) {
            std::istringstream words(line);
            std::string name;
            words >> name;
            names.insert(name);
        }
    }
    return names;
}

class InstalledDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!dataBuilt()) GTEST_SKIP() << "the build did not produce the installed data in " << installed.root();
        before = testing::snapshotProgramFolder(installed);
    }

    testing::TempDir user;
    testing::FolderSnapshot before;
};

TEST_F(InstalledDataTest, EveryCommandOfTheCommandLineProgram)
{
    // A command added to the program needs a row here.
    std::set<std::string> covered;
    for (const CliCase& c : cliCases) covered.insert(c.args.front());
    EXPECT_EQ(listedCommands(), covered);

    for (const CliCase& c : cliCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{"--user-dir", user.path(), "--now", "2026/12/09"};
        for (std::string a : c.args) {
            if (const auto at = a.find("{user}"); at != std::string::npos) a.replace(at, 6, user.path());
            args.push_back(a);
        }
        const testing::CliRun run = testing::runCli(args, user / "stderr.txt");
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        ASSERT_EQ(differencesText(before), "");
    }
}

TEST_F(InstalledDataTest, DiagnosesInThisProcessOverEveryHouseTable)
{
    struct Place {
        const char* name;
        const char* timeDifference;
    };
    // One birthplace per house table, and years from both ends of the range.
    const std::vector<std::pair<Place, const char*>> births = {
        {{"札幌", "+25"}, "1900"},   {{"仙台", "+23"}, "1950"}, {{"東京", "+19"}, "1985"},
        {{"名古屋", "+08"}, "2000"}, {{"大阪", "+02"}, "2100"}, {{"福岡", "-18"}, "2200"},
    };
    {
        testing::TestServices env(platform::ProgramDir(installed.root(), user.path()),
                                  platform::makeSqliteTableEngine(), {2026, 12, 9});
        app::Workstation ws(env.services);
        ws.records().setPersonWriteBack(false);
        // Each lookup opens its table again, as the original screens did.
        ws.chartCore().koyomi().setReopenEveryCall(true);
        ws.chartCore().houses().setReopenEveryCall(true);
        for (const auto& [place, year] : births) {
            SCOPED_TRACE(place.name);
            ASSERT_TRUE(ws.run().run({"試験", year, "02", "28", "06", "30", "男", place.timeDifference, place.name}))
                << (env.messages.list.empty() ? "" : env.messages.list.front().text);
        }
        for (int table = 0; table < 6; ++table) ASSERT_TRUE(ws.chartCore().houses().selectTable(table)) << table;
        ws.western().reloadAspectTable();

        // A write on an installed table is refused, not carried out.
        ASSERT_NE(ws.chartCore().houses().table(), nullptr);
        platform::Table& houses = *ws.chartCore().houses().table();
        for (const auto& write : std::vector<std::function<void()>>{
                 [&] { houses.edit(); },
                 [&] { houses.append(); },
                 [&] { houses.deleteRecord(); },
                 [&] { platform::bulkInsert(houses, {{"24.00.00"}}); },
             }) {
            try {
                write();
                ADD_FAILURE() << "no TableError";
            } catch (const platform::TableError& e) {
                EXPECT_THAT(e.what(), HasSubstr("読み取り専用"));
            }
        }
        // Nothing beside the tables even while they are open (and pooled).
        ASSERT_EQ(differencesText(before), "");
    }
    EXPECT_EQ(differencesText(before), "");
}

}  // namespace
}  // namespace celmora
