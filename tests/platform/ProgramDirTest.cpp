// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "platform/ProgramDir.h"

namespace celmora::platform {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDirTest, WritableProgramFolderKeepsEverythingBesideTheProgram)
{
    const auto dirs = ProgramDir::resolve(
        "/opt/celmora", [](const std::string&) { return true; }, "/home/u/.local/share/celmora");
    EXPECT_EQ(dirs.writableRoot(), "/opt/celmora");
    EXPECT_EQ(dirs.personDir(), "/opt/celmora/jinmei");
    EXPECT_EQ(dirs.settingsFile(), "/opt/celmora/celmora.ini");
    EXPECT_EQ(dirs.tempDir(), "/opt/celmora");
    EXPECT_EQ(dirs.ephemerisDir(), "/opt/celmora/db");
    EXPECT_EQ(dirs.houseTableDir(), "/opt/celmora/precidus");
    EXPECT_EQ(dirs.textDir(), "/opt/celmora/bunsyodb");
    EXPECT_EQ(dirs.soundFile("WAV01.WAV"), "/opt/celmora/WAV01.WAV");
    EXPECT_EQ(dirs.file("bmp2/x.bmp"), "/opt/celmora/bmp2/x.bmp");
}

TEST(ProgramDirTest, ReadOnlyProgramFolderSendsOnlyWritableFilesToTheUserFolder)
{
    testing::TempDir user;
    std::vector<std::string> probed;
    const auto dirs = ProgramDir::resolve(
        "/usr/lib/celmora",
        [&](const std::string& folder) {
            probed.push_back(folder);
            return false;
        },
        user.path());
    EXPECT_EQ(probed, std::vector<std::string>{"/usr/lib/celmora"});
    EXPECT_EQ(dirs.root(), "/usr/lib/celmora");
    EXPECT_EQ(dirs.personDir(), user / "jinmei");
    EXPECT_EQ(dirs.settingsFile(), user / "celmora.ini");
    EXPECT_EQ(dirs.tempDir(), user / "tmp");
    EXPECT_TRUE(fs::is_directory(user / "tmp"));
    // Installed data stay where they were installed.
    EXPECT_EQ(dirs.ephemerisDir(), "/usr/lib/celmora/db");
    EXPECT_EQ(dirs.iconDir(), "/usr/lib/celmora/icon");
    EXPECT_EQ(dirs.signPictureDir(), "/usr/lib/celmora/bmp");
    EXPECT_EQ(dirs.signSymbolDir(), "/usr/lib/celmora/bmp2");
}

TEST(ProgramDirTest, WritabilityProbeCreatesAFile)
{
    testing::TempDir dir;
    EXPECT_TRUE(ProgramDir::isWritableFolder(dir.path()));
    EXPECT_FALSE(ProgramDir::isWritableFolder(dir / "missing"));
    EXPECT_TRUE(fs::is_empty(dir.path())) << "the probe file is removed again";
    if (::geteuid() != 0) {
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(ProgramDir::isWritableFolder(dir.path()));
    }
}

TEST(ProgramDirTest, InstalledCopySeedsTheUserFolder)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root can write into any folder";
    testing::TempDir program, data;
    fs::create_directories(program / "jinmei");
    std::ofstream(program / "jinmei/人名DB.db") << "installed";
    std::ofstream(program / "celmora.ini") << "[sound]\ncheck=True\n";
    fs::permissions(program.path(), fs::perms::owner_read | fs::perms::owner_exec);
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);

    const auto dirs = ProgramDir::forExecutableDir(program.path());
    EXPECT_EQ(dirs.writableRoot(), data / "celmora");
    EXPECT_TRUE(fs::exists(dirs.personDir() + "/人名DB.db"));
    EXPECT_TRUE(fs::exists(dirs.settingsFile()));
    ::unsetenv("XDG_DATA_HOME");
}

TEST(ProgramDirTest, ExecutableDirIsTheTestBinaryFolder)
{
    EXPECT_TRUE(fs::exists(ProgramDir::executableDir() + "/platform_tests"));
}

}  // namespace
}  // namespace celmora::platform
