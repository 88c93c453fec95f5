// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The drawing commands live in celmora-cli-render.so beside the executable and are
// loaded only when one of them runs: a copy of the executable without the module
// still lists them and shows their help, refuses to run them with a message that
// names the missing file, and computes as before.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRunner.h"
#include "platform/TempDir.h"

namespace celmora {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

class DrawingModuleTest : public ::testing::Test {
protected:
    DrawingModuleTest() { fs::copy_file(testing::cliProgram(), lone); }

    testing::CliRun runLone(const std::vector<std::string>& args)
    {
        return testing::runProgram(lone, args, dir / "stderr.txt");
    }

    testing::TempDir dir;
    std::string lone = dir / "celmora-cli";
};

TEST_F(DrawingModuleTest, WithoutTheModuleTheDrawingCommandsAreListedButRefused)
{
    const testing::CliRun help = runLone({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("  print-page  print a reading page"));
    EXPECT_THAT(help.out, HasSubstr("  wheel       diagnose birth data and draw the natal wheel"));
    const testing::CliRun usage = runLone({"wheel", "--help"});
    EXPECT_EQ(usage.status, 0);
    EXPECT_THAT(usage.out, HasSubstr("--out FILE.png|FILE.svg|FILE.pdf"));

    const struct {
        const char* command;
        std::vector<std::string> args;
    } drawing[] = {
        {"wheel", {"wheel", "--date", "1980/01/01", "--out", dir / "w.png"}},
        {"print-page", {"print-page", "--name-line", "x", "--text", "y", "--pdf", dir / "p.pdf"}},
    };
    for (const auto& d : drawing) {
        SCOPED_TRACE(d.command);
        std::vector<std::string> args{"--program-dir", CELMORA_PROGRAM_DIR, "--user-dir", dir.path()};
        args.insert(args.end(), d.args.begin(), d.args.end());
        const testing::CliRun run = runLone(args);
        EXPECT_EQ(run.status, 1);
        ASSERT_FALSE(run.json.is_discarded()) << run.out;
        EXPECT_EQ(run.json["command"], d.command);
        EXPECT_EQ(run.json["status"], "error");
        const std::string expected = "描画モジュール「" + (dir / "celmora-cli-render.so") + "」がありません。";
        EXPECT_THAT(run.json["error"].get<std::string>(), HasSubstr(expected));
        EXPECT_THAT(run.err, HasSubstr(expected));
    }
    EXPECT_FALSE(fs::exists(dir / "w.png"));
}

// The module is found beside the executable, not in the data folder --program-dir names.
TEST_F(DrawingModuleTest, TheModuleBesideTheExecutableServesAnyProgramFolder)
{
    fs::copy_file(fs::path(CELMORA_PROGRAM_DIR) / "celmora-cli-render.so", dir / "celmora-cli-render.so");
    fs::create_directory(dir / "data");
    for (const char* folder : {"db", "precidus", "bunsyodb", "icon", "bmp", "bmp2"}) {
        fs::create_directory_symlink(fs::path(CELMORA_PROGRAM_DIR) / folder, fs::path(dir / "data") / folder);
    }
    const testing::CliRun run = runLone({"--program-dir", dir / "data", "--now", "2024/06/15", "wheel", "--name", "試験", "--date",
                                         "1980/01/01", "--time", "09:05", "--place", "東京", "--out", dir / "w.svg"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.json["status"], "completed");
    EXPECT_TRUE(fs::exists(dir / "w.svg"));
}

}  // namespace
}  // namespace celmora
