// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Damaged installed tables, as a user meets them: a copy of the program folder's
// tables with one file broken in one way, then the command-line program. Every case
// ends with a Japanese message and a non-zero exit status — never a crash, a hang or
// a chart reported as complete — and no file of the folder changes.

#include "cli/CliRunner.h"
#include "support/FolderSnapshot.h"
#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace celmora::testing {
namespace {

namespace fs = std::filesystem;

const fs::path installed(CELMORA_PROGRAM_DIR);

// The tables a diagnosis of 1980/01/01 09:05 in Tokyo reads.
enum class Kind { YearTable, HouseTable, AspectTable };

fs::path relativeFile(Kind kind)
{
    switch (kind) {
        case Kind::YearTable: return "db/1980.db";
        case Kind::HouseTable: return "precidus/Tokyo.db";
        case Kind::AspectTable: return "bunsyodb/ASPECT.db";
    }
    return {};
}

void sql(const fs::path& file, const std::string& statement)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, &error);
    const std::string text = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text;
}

struct Damage {
    const char* name;
    std::function<void(const fs::path& file, Kind kind)> apply;
};

void writeBytes(const fs::path& file, const std::string& bytes)
{
    fs::remove(file);
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A bad value in the field the diagnosis reads first.
void badValue(const fs::path& file, Kind kind)
{
    const std::string table = "records";  // the engine's table of rows in every file
    switch (kind) {
        case Kind::YearTable:
            sql(file, "PRAGMA journal_mode=DELETE; UPDATE \"" + table + "\" SET \"RAD太陽\"='99.99'");
            break;
        case Kind::HouseTable:
            sql(file, "PRAGMA journal_mode=DELETE; UPDATE \"" + table + "\" SET \"HA01\"='99.99'");
            break;
        case Kind::AspectTable:
            sql(file, "PRAGMA journal_mode=DELETE; UPDATE \"" + table + "\" SET \"度数\"='abc'");
            break;
    }
}

const std::vector<Damage> damages = {
    {"ZeroBytes", [](const fs::path& f, Kind) { writeBytes(f, ""); }},
    {"Truncated", [](const fs::path& f, Kind) { writeBytes(f, readBytes(f).substr(0, 1500)); }},
    {"RandomBytes",
     [](const fs::path& f, Kind) {
         std::mt19937 random(7);
         std::string bytes(8192, '\0');
         for (char& c : bytes) c = static_cast<char>(random());
         writeBytes(f, bytes);
     }},
    {"WrongSchema",
     [](const fs::path& f, Kind) {
         fs::remove(f);
         sql(f, "CREATE TABLE other(x TEXT); INSERT INTO other VALUES('1')");
     }},
    {"BadValue", badValue},
    {"Directory",
     [](const fs::path& f, Kind) {
         fs::remove(f);
         fs::create_directory(f);
     }},
    {"Fifo",
     [](const fs::path& f, Kind) {
         fs::remove(f);
         ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0);
     }},
    {"DanglingLink",
     [](const fs::path& f, Kind) {
         fs::remove(f);
         fs::create_symlink(f.parent_path() / "nowhere.db", f);
     }},
    {"Missing", [](const fs::path& f, Kind) { fs::remove(f); }},
};

struct Case {
    Kind kind;
    std::size_t damage;
};

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    const char* kinds[] = {"YearTable", "HouseTable", "AspectTable"};
    return std::string(kinds[static_cast<int>(info.param.kind)]) + "_" + damages[info.param.damage].name;
}

class HostileFiles : public ::testing::TestWithParam<Case> {};

TEST_P(HostileFiles, DiagnoseRefusesWithAMessageAndChangesNoFile)
{
    if (!fs::exists(installed / relativeFile(GetParam().kind))) GTEST_SKIP() << "no installed tables";
    TempDir tmp;
    const fs::path program = fs::path(tmp.path()) / "program";
    for (const char* folder : {"db", "precidus", "bunsyodb"}) fs::create_directories(program / folder);
    for (Kind k : {Kind::YearTable, Kind::HouseTable, Kind::AspectTable}) {
        fs::copy_file(installed / relativeFile(k), program / relativeFile(k));
    }
    const fs::path damaged = program / relativeFile(GetParam().kind);
    damages[GetParam().damage].apply(damaged, GetParam().kind);
    const FolderSnapshot before = snapshotFolder(program);

    const std::string user = tmp.path() + "/user";
    const CliRun run = runCli({"--program-dir", program.string(), "--user-dir", user, "--now", "2024/06/15", "diagnose",
                               "--name", "試験", "--date", "1980/01/01", "--time", "09:05", "--sex", "男", "--place",
                               "東京"},
                              tmp.path() + "/stderr.txt");
    EXPECT_TRUE(run.status == 1 || run.status == 2) << run.status << run.out;
    std::string messages = run.err;
    if (!run.json.is_discarded() && run.json.contains("messages")) messages += run.json["messages"].dump();
    EXPECT_NE(messages.find(relativeFile(GetParam().kind).stem().string()), std::string::npos) << messages;
    EXPECT_EQ(messages.find("内部エラー"), std::string::npos) << messages;
    EXPECT_EQ(snapshotFolder(program), before);

    // A command that reads no chart table is not stopped by a damaged one.
    const CliRun list = runCli({"--program-dir", program.string(), "--user-dir", user, "persons", "list"});
    EXPECT_EQ(list.status, 0) << list.out;
    EXPECT_EQ(snapshotFolder(program), before);
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (Kind k : {Kind::YearTable, Kind::HouseTable, Kind::AspectTable}) {
        for (std::size_t d = 0; d < damages.size(); ++d) cases.push_back({k, d});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryInstalledTable, HostileFiles, ::testing::ValuesIn(allCases()), caseName);

}  // namespace
}  // namespace celmora::testing
