// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <vector>

#include "TempDir.h"
#include "platform/ProgramDir.h"
#include "support/FolderSnapshot.h"

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
    testing::TempDir program, data;
    fs::create_directories(program / "jinmei");
    std::ofstream(program / "jinmei/人名DB.db") << "installed";
    std::ofstream(program / "celmora.ini") << "[sound]\ncheck=True\n";
    fs::create_directories(program / "db");
    std::ofstream(program / "db/1980.db") << "year table";
    fs::permissions(program.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto installed = testing::snapshotFolder(program.path());
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);

    // The probe says what the permissions would say to anyone but root, who may write
    // into every folder: the installed copy is read-only.
    const auto dirs = ProgramDir::forExecutableDir(program.path(), [](const std::string&) { return false; });
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dirs.writableRoot(), data / "celmora");
    EXPECT_EQ(testing::fileHash(dirs.personDir() + "/人名DB.db"), testing::fileHash(program / "jinmei/人名DB.db"));
    EXPECT_EQ(testing::fileHash(dirs.settingsFile()), testing::fileHash(program / "celmora.ini"));
    EXPECT_FALSE(fs::exists(data / "celmora/db")) << "installed data is read where it is, not copied";
    EXPECT_TRUE(testing::snapshotDifferences(installed, testing::snapshotFolder(program.path())).empty());
}

TEST(ProgramDirTest, InstalledDataIsTheShippedFoldersAndWhatTheyHold)
{
    const ProgramDir dirs("/opt/celmora", "/home/u/.local/share/celmora");
    EXPECT_EQ(
        dirs.installedDataDirs(),
        (std::vector<std::string>{"/opt/celmora/db", "/opt/celmora/precidus", "/opt/celmora/bunsyodb",
                                  "/opt/celmora/icon", "/opt/celmora/bmp", "/opt/celmora/bmp2", "/opt/celmora/mmap"}));
    struct Case {
        const char* path;
        bool installed;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"/opt/celmora/db", true},
             {"/opt/celmora/db/", true},
             {"/opt/celmora/precidus/Tokyo.db", true},
             {"/opt/celmora/bunsyodb/ASPECT.db", true},
             {"/opt/celmora/icon/Sun.bmp", true},
             {"/opt/celmora/./mmap/../bmp2/x.bmp", true},
             {"/opt/celmora/db/../jinmei", false},  // the person tables, beside the program
             {"/opt/celmora/jinmei/人名DB.db", false},
             {"/opt/celmora", false},
             {"/opt/celmora/celmora.ini", false},
             {"/opt/celmora/dbx", false},  // a name that only begins like an installed folder
             {"/opt/celmora2/db", false},
             {"/home/u/.local/share/celmora/jinmei", false},
             {"db", false},  // relative: not inside the absolute program folder
             {"", false},
         }) {
        EXPECT_EQ(dirs.isInstalledData(c.path), c.installed) << c.path;
    }
    // When the program folder is its own user folder, the writable files stay outside.
    const ProgramDir beside("/opt/celmora", "/opt/celmora");
    EXPECT_FALSE(beside.isInstalledData(beside.personDir()));
    EXPECT_FALSE(beside.isInstalledData(beside.settingsFile()));
    EXPECT_TRUE(beside.isInstalledData(beside.ephemerisDir()));
}

TEST(ProgramDirTest, ExecutableDirIsTheTestBinaryFolder)
{
    EXPECT_TRUE(fs::exists(ProgramDir::executableDir() + "/platform_tests"));
}

}  // namespace
}  // namespace celmora::platform
