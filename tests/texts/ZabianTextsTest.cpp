// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The Sabian degree table is read by position only: row r holds the image of sign
// (r - 1) / 30 + 1, degree (r - 1) % 30 + 1, and nothing checks seiza or dosu at load
// time. A missing, extra or swapped row therefore shows the wrong image for every
// degree after it without any error, so the source is held to the full 12 x 30 order,
// and each meaning must name its own sign and degree so a row moved with its meaning
// is caught too. The image (bun) is what the client reads, in the symbol window and on
// the AI page after a fixed lead-in sentence; memo explains it for the astrologer.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TextChecker.h"
#include "core/calc1Unit.h"
#include "platform/Table.h"

namespace celmora::texts {
namespace {

constexpr int signCount = 12;
constexpr int degreesPerSign = 30;
constexpr int slotCount = signCount * degreesPerSign;

const std::vector<std::string> fields{"id", "star", "seiza", "dosu", "bun", "memo"};
enum Column { Id, Star, Seiza, Dosu, Bun, Memo };

// Lengths a reader meets: an image fits two or three lines of the symbol window, its
// meaning a short paragraph.
constexpr std::size_t imageMin = 60, imageMax = 120;
constexpr std::size_t meaningMin = 120, meaningMax = 200;
// Distinct texts about different degrees share well under a tenth of their 5-grams;
// above this, one was written from the other.
constexpr double nearDuplicateLimit = 0.2;

std::vector<std::vector<std::string>> sourceRows()
{
    return readTsvRows(std::string(CELMORA_SOURCE_DIR) + "/data/bunsyodb/zabian.tsv", fields);
}

struct Slot {
    int sign;
    int degree;
};

// The slot the loader fills from the row at 0-based position `row`.
Slot slotOf(int row)
{
    return {row / degreesPerSign + 1, row % degreesPerSign + 1};
}

std::string signName(int sign)
{
    return std::string(core::signNames[static_cast<std::size_t>(sign - 1)]);
}

std::string where(int row)
{
    const Slot slot = slotOf(row);
    return signName(slot.sign) + "座" + std::to_string(slot.degree) + "度 (row " + std::to_string(row + 1) + ")";
}

std::vector<KeyedText> column(const std::vector<std::vector<std::string>>& rows, Column c)
{
    std::vector<KeyedText> out;
    for (std::size_t i = 0; i < rows.size(); ++i) out.push_back({where(static_cast<int>(i)), rows[i][c]});
    return out;
}

TEST(ZabianTexts, EverySlotHasItsRowInLoadingOrder)
{
    const auto rows = sourceRows();
    // Fewer rows would give the last row's image to every later degree; more are never read.
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(slotCount));
    for (int r = 0; r < slotCount; ++r) {
        const Slot slot = slotOf(r);
        EXPECT_EQ(rows[r][Seiza], std::to_string(slot.sign)) << where(r);
        EXPECT_EQ(rows[r][Dosu], std::to_string(slot.degree)) << where(r);
        EXPECT_EQ(rows[r][Id], std::to_string(r + 1)) << where(r);
    }
}

TEST(ZabianTexts, EachMeaningNamesItsOwnSignAndDegreeOnly)
{
    const auto rows = sourceRows();
    for (int r = 0; r < static_cast<int>(rows.size()) && r < slotCount; ++r) {
        const Slot slot = slotOf(r);
        const std::string& memo = rows[r][Memo];
        const std::string own = signName(slot.sign) + "座" + std::to_string(slot.degree) + "度";
        EXPECT_NE(memo.find(own), std::string::npos) << where(r) << " does not name " << own;
        for (int other = 1; other <= signCount; ++other) {
            if (other == slot.sign) continue;
            EXPECT_EQ(memo.find(signName(other) + "座"), std::string::npos)
                << where(r) << " names " << signName(other) << "座";
        }
    }
}

TEST(ZabianTexts, ImagesAreDistinctSingleLineScenes)
{
    const auto rows = sourceRows();
    std::set<std::string> seen;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string& image = rows[r][Bun];
        const int row = static_cast<int>(r);
        EXPECT_TRUE(seen.insert(image).second) << where(row) << " repeats an earlier image";
        // The image follows a fixed lead-in on one line of the AI page and fills one grid cell.
        EXPECT_EQ(image.find_first_of("\t\n"), std::string::npos) << where(row);
        EXPECT_TRUE(image.ends_with("。")) << where(row) << " ends unfinished";
        EXPECT_TRUE(rows[r][Memo].ends_with("。")) << where(row) << " meaning ends unfinished";
    }
}

TEST(ZabianTexts, TextsFitTheirPlaces)
{
    const auto rows = sourceRows();
    const auto images = checkLengths(column(rows, Bun), imageMin, imageMax);
    EXPECT_TRUE(images.empty()) << "images:\n" << describe(images);
    const auto meanings = checkLengths(column(rows, Memo), meaningMin, meaningMax);
    EXPECT_TRUE(meanings.empty()) << "meanings:\n" << describe(meanings);
}

TEST(ZabianTexts, NoSentenceIsUsedTwice)
{
    const auto rows = sourceRows();
    auto all = column(rows, Bun);
    for (auto& text : column(rows, Memo)) {
        text.key += " memo";
        all.push_back(std::move(text));
    }
    const auto issues = checkRepeatedSentences(all);
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST(ZabianTexts, NoTwoDegreesReadAlike)
{
    const auto rows = sourceRows();
    for (const Column c : {Bun, Memo}) {
        const auto issues = checkNearDuplicates(column(rows, c), nearDuplicateLimit);
        EXPECT_TRUE(issues.empty()) << (c == Bun ? "images:\n" : "meanings:\n") << describe(issues);
    }
}

// The compiled table, visited in its physical order as the program loads it at start.
TEST(ZabianTexts, CompiledTableLoadsEachImageIntoItsSlot)
{
    const std::string folder = std::string(CELMORA_PROGRAM_DIR) + "/bunsyodb";
    auto engine = platform::makeSqliteTableEngine();
    if (!engine->exists(folder, "zabian")) GTEST_SKIP() << "no compiled zabian table in " << folder;
    const auto rows = sourceRows();
    const auto table = engine->open(folder, "zabian");
    ASSERT_EQ(table->recordCount(), static_cast<int>(rows.size()));
    int r = 0;
    for (bool more = table->first(); more && r < slotCount; more = table->next(), ++r) {
        EXPECT_EQ(table->text("bun"), rows[r][Bun]) << where(r);
        EXPECT_EQ(table->text("seiza"), rows[r][Seiza]) << where(r);
    }
    EXPECT_EQ(r, slotCount);
}

}  // namespace
}  // namespace celmora::texts
