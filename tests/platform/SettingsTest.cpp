// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Errors.h"
#include "platform/Settings.h"
#include "platform/SettingsKeys.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace celmora::platform {
namespace {

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(IniSettingsTest, MissingFileSectionOrKeyGivesTheFallback)
{
    testing::TempDir dir;
    const auto missing = makeIniSettings(dir / "celmora.ini");
    EXPECT_EQ(missing->readString(keys::soundCheck.section, keys::soundCheck.key, keys::soundCheck.fallback), "True");

    std::ofstream(dir / "celmora.ini") << "[sound]\ncheck=False\n";
    const auto settings = makeIniSettings(dir / "celmora.ini");
    EXPECT_EQ(settings->readString("sound", "check", "True"), "False");
    EXPECT_EQ(settings->readString("sound", "volume", "5"), "5");
    EXPECT_EQ(settings->readString("jinmei", "check", "none"), "none") << "a key of another section does not count";
}

TEST(IniSettingsTest, WritesRoundTripAndKeepTheRestOfTheFile)
{
    testing::TempDir dir;
    const std::string path = dir / "sub/celmora.ini";  // the folder is created on first write
    auto settings = makeIniSettings(path);
    settings->writeString("jinmei", "name", "山田 太郎");
    settings->writeString("jinmei", "yy", "1970");
    settings->writeString("sound", "check", "False");
    settings->writeString("jinmei", "yy", "1971");
    EXPECT_EQ(settings->readString("jinmei", "name", ""), "山田 太郎");
    EXPECT_EQ(settings->readString("jinmei", "yy", ""), "1971");
    EXPECT_EQ(settings->readString("sound", "check", ""), "False");
    EXPECT_EQ(contentOf(path), "[jinmei]\nname=山田 太郎\nyy=1971\n\n[sound]\ncheck=False\n");

    // Hand-edited files (BOM, CRLF, blanks, comments, other case) are read and kept.
    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF; 設定\r\n[Jinmei]\r\n Name = 花子 \r\nsex=女\r\n";
    EXPECT_EQ(settings->readString("jinmei", "name", ""), "花子");
    settings->writeString("jinmei", "sex", "男");
    EXPECT_EQ(contentOf(path), "; 設定\n[Jinmei]\n Name = 花子 \nsex=男\n");
}

TEST(IniSettingsTest, RewriteReplacesTheFileAtomically)
{
    testing::TempDir dir;
    const std::string path = dir / "celmora.ini";
    auto settings = makeIniSettings(path);
    settings->writeString("sound", "check", "True");
    // A reader holding the old file keeps seeing the whole old content: the new one
    // is a different file renamed over it, not the old one rewritten in place.
    std::ifstream heldOpen(path);
    settings->writeString("sound", "check", "False");
    std::string line;
    std::getline(heldOpen, line);
    std::getline(heldOpen, line);
    EXPECT_EQ(line, "check=True");
    EXPECT_EQ(settings->readString("sound", "check", ""), "False");

    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1u) << "no temporary file is left behind";
}

// A value with a line break would end its line and could add a section or key of its
// own (a person's name written for the sibling program): refused, file untouched.
TEST(IniSettingsTest, LineBreaksCannotSmuggleEntriesIntoTheFile)
{
    testing::TempDir dir;
    const std::string before = "[sound]\ncheck=False\n";
    std::ofstream(dir / "celmora.ini") << before;
    const auto settings = makeIniSettings(dir / "celmora.ini");
    const std::vector<std::array<std::string, 3>> cases = {
        {"jinmei", "name", "山田\n[sound]\ncheck=True"},
        {"jinmei", "name", "山田\r"},
        {"jinmei", "name", std::string("a\0b", 3)},
        {"jinmei", "na\nme", "x"},
        {"jin\nmei", "name", "x"},
    };
    for (const auto& [section, key, value] : cases) {
        SCOPED_TRACE(value);
        EXPECT_THROW(settings->writeString(section, key, value), CommandError);
    }
    EXPECT_EQ(contentOf(dir / "celmora.ini"), before);
    EXPECT_EQ(settings->readString("sound", "check", "True"), "False");
}

}  // namespace
}  // namespace celmora::platform
