// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The future readings (data/bunsyodb/MIRAI-*.tsv). Progressions and transits look a row up
// by (moving body, natal body, angle), so every key the program can ask for needs its row,
// in the order the first-match scan relies on. The readings are listed one after another
// with no heading between them, so each must open by naming its configuration, say
// something of its own, and fit the length of its kind.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "TextChecker.h"
#include "core/ChartPoints.h"

namespace celmora::texts {
namespace {

namespace point = core::point;

const std::string sourceFolder = std::string(CELMORA_SOURCE_DIR) + "/data/bunsyodb/";
const std::vector<std::string> header{"進行惑星", "出生惑星", "度数", "メモ"};

// The table is written in two parts, each holding a run of moving bodies.
struct Part {
    const char* file;
    int firstMoving, lastMoving;
};
constexpr std::array<Part, 2> parts{
    {{"MIRAI-1.tsv", point::Sun, point::Jupiter}, {"MIRAI-2.tsv", point::Saturn, point::Mc}}};

// The strength order the listings sort by. It is also the row order within a pair: with a
// transit orb of 3 a separation of 147 lies within both 144 and 150, and the scan takes
// the first row, which must be 150.
constexpr std::array<int, 11> angleOrder{0, 180, 90, 120, 150, 60, 45, 135, 30, 72, 144};

bool isMajor(int angle)
{
    return angle == 0 || angle == 60 || angle == 90 || angle == 120 || angle == 180;
}

// Which keys can never be looked up for a reading.
//
// Transit readings are listed for the Moon, Mars, Jupiter, Saturn..Pluto and the transit
// Ascendant and Midheaven; over the years these reach every angle to every natal point (the
// transit angles are those of the chosen residence, which can lie anywhere). The Sun,
// Mercury, Venus and the Dragon Head reach the natal points only by progression, and a
// progressed body stays within a bounded distance of where it started:
//   - the one-degree method (and the Tessaro method for all but the Moon) moves a body
//     exactly one degree a year, so over ages 1..100 it gets 1..100 degrees from its own
//     natal place, never 0;
//   - the one-day method follows the ephemeris for 100 days;
//   - natal Mercury stays within 28 degrees of the Sun, natal Venus within 48.
// So between the Sun, Mercury and Venus only angles up to the largest whole-degree
// separation of a progressed body from a natal one occur; the limits below are the
// largest over both methods for births 1900..2200 and ages 1..100, computed from the
// ephemeris. The Dragon Head moves only by the one-degree rule. Any other natal point can
// stand anywhere from the moving body, so every angle to it occurs.
// A key beyond that reach gets a short line instead of a reading.
int progressedReach(int moving, int natal)
{
    constexpr int sun = 0, mercury = 1, venus = 2;
    constexpr int reach[3][3] = {
        // natal  Sun  Mercury  Venus
        {102, 128, 149},  // progressed Sun
        {128, 139, 174},  // progressed Mercury
        {149, 174, 126},  // progressed Venus
    };
    const auto inner = [](int body) {
        return body == point::Sun ? sun : body == point::Mercury ? mercury : body == point::Venus ? venus : -1;
    };
    if (moving == point::Node && natal == point::Node) return 100;
    if (inner(moving) < 0 || inner(natal) < 0) return 180;
    return reach[inner(moving)][inner(natal)];
}

bool cannotOccur(int moving, int natal, int angle)
{
    if (moving == point::Node && natal == point::Node && angle == 0) return true;
    return angle > progressedReach(moving, natal);
}

struct LengthRange {
    std::size_t min, max;
};
constexpr LengthRange majorLength{150, 250}, minorLength{90, 150}, shortLine{15, 70};

LengthRange lengthFor(int moving, int natal, int angle)
{
    if (cannotOccur(moving, natal, angle)) return shortLine;
    return isMajor(angle) ? majorLength : minorLength;
}

std::string bodyName(int point)
{
    return std::string(core::pointNames[static_cast<std::size_t>(point - 1)]);
}

std::string keyText(const std::string& moving, const std::string& natal, const std::string& angle)
{
    return "(" + moving + ")(" + natal + ")(" + angle + ")";
}

struct Row {
    std::string file;
    int line = 0;  // 1-based line in its file
    std::string moving, natal, angle, text;
    std::string key() const { return keyText(moving, natal, angle); }
};

struct ExpectedKey {
    int moving, natal, angle;
    std::string key() const { return keyText(bodyName(moving), bodyName(natal), std::to_string(angle)); }
};

class MiraiTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const Part& part : parts) {
            const std::string path = sourceFolder + part.file;
            if (!std::filesystem::exists(path)) continue;  // the table refuses to build; said below
            present_.push_back(part);
            const auto rows = readTsvRows(path, header);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                rows_.push_back({part.file, static_cast<int>(i) + 2, rows[i][0], rows[i][1], rows[i][2], rows[i][3]});
            }
        }
    }

    // Every key of the present parts' moving bodies, in table order.
    static std::vector<ExpectedKey> expectedKeys()
    {
        std::vector<ExpectedKey> keys;
        for (const Part& part : present_)
            for (int moving = part.firstMoving; moving <= part.lastMoving; ++moving)
                for (int natal = 1; natal <= point::count; ++natal)
                    for (const int angle : angleOrder) keys.push_back({moving, natal, angle});
        return keys;
    }

    static std::vector<KeyedText> texts()
    {
        std::vector<KeyedText> out;
        for (const Row& row : rows_) out.push_back({row.key(), row.text});
        return out;
    }

    static inline std::vector<Part> present_;
    static inline std::vector<Row> rows_;
};

TEST_F(MiraiTexts, BothPartsExist)
{
    // The schema lists both parts and the compiler refuses the table without either.
    EXPECT_EQ(present_.size(), parts.size());
}

TEST_F(MiraiTexts, EveryKeyHasOneRowInLookupOrder)
{
    const std::vector<ExpectedKey> expected = expectedKeys();
    std::map<std::string, const Row*> byKey;
    std::vector<std::string> faults;
    for (const Row& row : rows_) {
        if (!byKey.emplace(row.key(), &row).second)
            faults.push_back(row.file + ":" + std::to_string(row.line) + ": " + row.key() + " twice");
    }
    std::set<std::string> wanted;
    for (const ExpectedKey& key : expected) {
        wanted.insert(key.key());
        if (!byKey.count(key.key())) faults.push_back("missing " + key.key());
    }
    // A row in the wrong part would still be found by the program, but the parts are
    // written by body ranges, so it is a row someone will look for in vain.
    for (const Row& row : rows_) {
        if (!wanted.count(row.key()))
            faults.push_back(row.file + ":" + std::to_string(row.line) + ": " + row.key() + " is no key of this part");
    }
    for (const Part& part : present_) {
        for (const Row& row : rows_) {
            if (row.file != part.file) continue;
            const auto moving = std::find(core::pointNames.begin(), core::pointNames.end(), row.moving);
            const int number = static_cast<int>(moving - core::pointNames.begin()) + 1;
            if (number < part.firstMoving || number > part.lastMoving)
                faults.push_back(row.file + ":" + std::to_string(row.line) + ": " + row.moving +
                                 " belongs to another part");
        }
    }
    // Order: the expected keys that are present must appear in expected order.
    std::vector<std::string> actualOrder;
    for (const Row& row : rows_)
        if (wanted.count(row.key())) actualOrder.push_back(row.key());
    std::vector<std::string> expectedOrder;
    for (const ExpectedKey& key : expected)
        if (byKey.count(key.key())) expectedOrder.push_back(key.key());
    const auto mismatch =
        std::mismatch(actualOrder.begin(), actualOrder.end(), expectedOrder.begin(), expectedOrder.end());
    if (mismatch.first != actualOrder.end()) {
        const Row& row = *byKey.at(*mismatch.first);
        faults.push_back(row.file + ":" + std::to_string(row.line) + ": " + row.key() + " out of order, expected " +
                         *mismatch.second + " here");
    }
    std::string shown;
    for (std::size_t i = 0; i < faults.size() && i < 40; ++i) shown += faults[i] + "\n";
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << shown;
}

TEST_F(MiraiTexts, LengthsFitTheirKind)
{
    std::vector<TextIssue> issues;
    for (const Row& row : rows_) {
        const auto number = [](const std::string& name) {
            return static_cast<int>(std::find(core::pointNames.begin(), core::pointNames.end(), name) -
                                    core::pointNames.begin()) +
                   1;
        };
        const LengthRange range = lengthFor(number(row.moving), number(row.natal), std::stoi(row.angle));
        const auto found = checkLengths({{row.key(), row.text}}, range.min, range.max);
        issues.insert(issues.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(issues.empty()) << issues.size() << " rows:\n" << describe(issues);
}

TEST_F(MiraiTexts, EachOpensByNamingBothBodies)
{
    std::vector<TextIssue> issues;
    for (const Row& row : rows_) {
        const auto sentences = splitSentences(row.text);
        const std::string first = sentences.empty() ? std::string() : sentences.front();
        // A body with its own natal place may be named once ("ドラゴンヘッド同士の…").
        const bool bothNamed =
            first.find(row.moving) != std::string::npos && first.find(row.natal) != std::string::npos;
        if (!bothNamed)
            issues.push_back({row.key(), "the first sentence does not name " + row.moving + " and " + row.natal});
    }
    EXPECT_TRUE(issues.empty()) << issues.size() << " rows:\n" << describe(issues);
}

TEST_F(MiraiTexts, NoSentenceIsRepeated)
{
    const auto issues = checkRepeatedSentences(texts());
    EXPECT_TRUE(issues.empty()) << issues.size() << " sentences:\n" << describe(issues);
}

TEST_F(MiraiTexts, NoTwoRowsAreNearlyAlike)
{
    const auto issues = checkNearDuplicates(texts(), 0.35);
    EXPECT_TRUE(issues.empty()) << issues.size() << " pairs:\n" << describe(issues);
}

}  // namespace
}  // namespace celmora::texts
