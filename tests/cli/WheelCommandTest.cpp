// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli wheel (and the wheel part of diagnose), run as a program on the
// installed tables and pictures, linked into a temporary program folder.

#include "cli/CliRunner.h"
#include "platform/TempDir.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace celmora {
namespace {

using Json = nlohmann::ordered_json;
using testing::fileText;

class WheelCommandTest : public ::testing::Test {
protected:
    WheelCommandTest()
    {
        namespace fs = std::filesystem;
        for (const char* folder : {"db", "precidus", "bunsyodb", "icon", "bmp", "bmp2"}) {
            fs::create_directory_symlink(fs::path(CELMORA_PROGRAM_DIR) / folder, fs::path(dir / folder));
        }
    }

    // Runs the program with the birth data of one person and `extra` options; the
    // exit status, with the JSON printed in `json`.
    int run(const std::string& command, const std::vector<std::string>& extra)
    {
        std::vector<std::string> args{"--program-dir", dir.path(), "--now", "2026/12/09", command};
        for (const char* a :
             {"--name", "山田 花子", "--date", "1985/07/23", "--time", "14:35", "--sex", "女", "--place", "東京"}) {
            args.emplace_back(a);
        }
        args.insert(args.end(), extra.begin(), extra.end());
        testing::CliRun result = testing::runCli(args, dir / "stderr.txt");
        json = std::move(result.json);
        err = std::move(result.err);
        return result.status;
    }

    testing::TempDir dir;
    Json json;
    std::string err;
};

// Width and height from a PNG's header chunk.
std::pair<int, int> pngSize(const std::string& bytes)
{
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

TEST_F(WheelCommandTest, DrawsTheWheelIntoEachFormat)
{
    struct Row {
        const char* file;
        const char* signature;
    };
    const Row rows[] = {{"wheel.png", "\x89PNG"}, {"wheel.pdf", "%PDF"}, {"wheel.svg", "<?xml"}};
    for (const Row& r : rows) {
        const std::string out = dir / r.file;
        ASSERT_EQ(run("wheel", {"--out", out, "--size", "640", "--stars", "--aspects", "hard,soft"}), 0) << err;
        EXPECT_EQ(json["status"], "completed");
        EXPECT_EQ(json["messages"], Json::array());
        EXPECT_EQ(json["size"], 640);
        const std::string bytes = fileText(out);
        EXPECT_EQ(bytes.rfind(r.signature, 0), 0u) << r.file;
    }
    EXPECT_EQ(pngSize(fileText(dir / "wheel.png")), std::make_pair(640, 640));
    EXPECT_NE(fileText(dir / "wheel.svg").find("width=\"640\""), std::string::npos);
}

TEST_F(WheelCommandTest, PrintsTheFrameAndEveryPair)
{
    ASSERT_EQ(run("wheel", {"--out", dir / "w.png"}), 0) << err;
    const Json w = json["wheel"];
    EXPECT_EQ(w["cuspAngle"][0], 180);
    EXPECT_EQ(w["signStart"].size(), 12u);
    EXPECT_EQ(w["mansionStart"].size(), 27u);
    EXPECT_EQ(w["angleBand"].size(), 80u);
    ASSERT_EQ(w["pairs"].size(), 78u);
    EXPECT_EQ(w["pairs"][0]["pair"], (Json{1, 2}));
    const Json& ascMc = w["pairs"][77];
    EXPECT_EQ(ascMc["pair"], (Json{12, 13}));
    EXPECT_EQ(ascMc["hasAspect"], false);
    EXPECT_EQ(ascMc["aspectAngle"], 0);
    const Json arabic = json["arabicParts"];

    // diagnose prints the same frame beside the record, and the counts agree with it.
    ASSERT_EQ(run("diagnose", {}), 0) << err;
    EXPECT_EQ(json["wheel"], w);
    int hard = 0, soft = 0;
    for (const Json& p : w["pairs"]) {
        if (p["hasAspect"] == true) (p["isHard"] == true ? hard : soft) += 1;
    }
    EXPECT_EQ(json["chart"]["hardAspectCount"], hard);
    EXPECT_EQ(json["chart"]["softAspectCount"], soft);

    // The five Arabic parts from the same chart: 財 is A + Jupiter − Sun, 愛 A + Venus − Sun.
    ASSERT_EQ(arabic.size(), 5u);
    const Json& angle = json["chart"]["chartAngle"];
    auto wrapped = [](int a) { return a < 0 ? a + 360 : a > 360 ? a - 360 : a; };
    const int asc = angle[11];
    const int sun = angle[0];
    struct Row {
        const char* mark;
        const char* meaning;
        int expected;
    };
    const Row rows[] = {{"財", "(財産の増加)", wrapped(asc + angle[5].get<int>() - sun)},
                        {"婚", "(結婚の予感)", -1},
                        {"死", "(死の予感)", -1},
                        {"幸", "(幸運の予感)", -1},
                        {"愛", "(愛の予感)", wrapped(asc + angle[3].get<int>() - sun)}};
    for (std::size_t k = 0; k < 5; ++k) {
        const Json& part = arabic[k];
        EXPECT_EQ(part["mark"], rows[k].mark);
        const std::string text = part["text"];
        EXPECT_TRUE(text.ends_with(rows[k].meaning)) << text;
        EXPECT_GT(text.size(), std::string(rows[k].meaning).size()) << "sign and degrees before the meaning";
        if (rows[k].expected >= 0) {
            EXPECT_EQ(part["angle"], rows[k].expected) << rows[k].mark;
        }
    }
}

TEST_F(WheelCommandTest, RefusesWhatItCannotDraw)
{
    struct Row {
        const char* name;
        std::vector<std::string> extra;
        int status;
    };
    const Row rows[] = {
        {"no --out", {}, 1},
        {"unknown format", {"--out", "w.gif"}, 1},
        {"smaller than the smallest wheel", {"--out", "w.png", "--size", "602"}, 1},
        {"size not a number", {"--out", "w.png", "--size", "6x"}, 1},
        {"unknown style", {"--out", "w.png", "--style", "bold"}, 1},
        {"unknown aspects", {"--out", "w.png", "--aspects", "all"}, 1},
        {"unwritable file", {"--out", "/nonexistent-folder/w.png"}, 1},
    };
    for (const Row& r : rows) {
        std::vector<std::string> extra = r.extra;
        EXPECT_EQ(run("wheel", extra), r.status) << r.name;
        EXPECT_FALSE(err.empty()) << r.name;
    }
    EXPECT_EQ(json["status"], "error");  // the unwritable file: the run itself completed
}

}  // namespace
}  // namespace celmora
