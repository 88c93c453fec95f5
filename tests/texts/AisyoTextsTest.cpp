// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The compatibility readings (AISYO) are found by a scan, not a key: for the person's
// body k and the partner's body l at a whole-degree separation s (0..180), the reading is
// the first row whose (惑星1, 惑星2) is (k, l) or (l, k) and whose 度数 ± 許容度 holds s.
// Both charts have all 13 bodies, so all 169 ordered pairs occur, a body with itself
// included (and Ascendant with Midheaven, which the natal grid skips). The source is
// held to the layout that makes this scan unambiguous:
//   - one row per unordered pair and angle: 惑星1 no later than 惑星2 in body order, so
//     a row written the other way round can never hide or double the intended one;
//   - an orb that depends on the angle only, and orbs of neighbouring angles that never
//     touch, so no separation falls into two rows and table order never picks a text;
//   - rows by 惑星1, 惑星2, then angle in the strength order the page prints.
// The texts are printed under a heading that names both people, and each row serves
// both directions of its pair: each opens by naming its own configuration the same
// neutral way and speaks to the couple as 「ふたり」, never to one side as 「あなた」.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TextChecker.h"
#include "core/ChartPoints.h"
#include "platform/Table.h"

namespace celmora::texts {
namespace {

const std::vector<std::string> fields{"惑星1", "惑星2", "度数", "許容度", "メモ"};
enum Column { Body1, Body2, Angle, Orb, Memo };

// The order in which the page writes its readings, strongest kind first.
constexpr std::array<int, 11> strengthOrder{0, 180, 90, 120, 150, 60, 45, 135, 30, 72, 144};
constexpr int bodyCount = core::point::count;
constexpr int maxSeparation = 180;

// A compatibility reading is a short paragraph under its heading line.
constexpr std::size_t memoMin = 150, memoMax = 250;
// Every row opens with the same naming pattern and rows of one pair share their two body
// names, which alone accounts for a few percent of shared 5-grams; two readings that
// share a quarter were written one from the other.
constexpr double nearDuplicateLimit = 0.25;

struct CompatRow {
    int line = 0;  // 1-based line of the source, the header being line 1
    std::string body1, body2;
    int angle = 0;
    int orb = 0;
    std::string memo;
};

std::vector<CompatRow> sourceRows()
{
    const auto raw = readTsvRows(std::string(CELMORA_SOURCE_DIR) + "/data/bunsyodb/AISYO.tsv", fields);
    std::vector<CompatRow> rows;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto& r = raw[i];
        rows.push_back({static_cast<int>(i) + 2, r[Body1], r[Body2], std::stoi(r[Angle]), std::stoi(r[Orb]), r[Memo]});
    }
    return rows;
}

std::string bodyName(int body)
{
    return std::string(core::pointNames[static_cast<std::size_t>(body - 1)]);
}

int bodyIndex(const std::string& name)
{
    for (int b = 1; b <= bodyCount; ++b)
        if (bodyName(b) == name) return b;
    return 0;
}

std::string key(const std::string& body1, const std::string& body2, int angle)
{
    std::string out;
    for (const std::string& part : {body1, body2, std::to_string(angle)}) out.append("(").append(part).append(")");
    return out;
}

std::string where(const CompatRow& row)
{
    return "line " + std::to_string(row.line) + " " + key(row.body1, row.body2, row.angle);
}

bool pairMatches(const CompatRow& row, const std::string& person, const std::string& partner)
{
    return (row.body1 == person && row.body2 == partner) || (row.body1 == partner && row.body2 == person);
}

bool orbHolds(const CompatRow& row, int separation)
{
    return row.angle - row.orb <= separation && separation <= row.angle + row.orb;
}

// The program's lookup: the first row of the pair, in either order, whose orb holds s.
const CompatRow* findCompatAspect(const std::vector<CompatRow>& rows, const std::string& person,
                                  const std::string& partner, int separation)
{
    for (const CompatRow& row : rows)
        if (pairMatches(row, person, partner) && orbHolds(row, separation)) return &row;
    return nullptr;
}

std::vector<KeyedText> memos(const std::vector<CompatRow>& rows)
{
    std::vector<KeyedText> out;
    for (const CompatRow& row : rows) out.push_back({where(row), row.memo});
    return out;
}

TEST(AisyoTexts, EveryUnorderedPairHasEachAngleOnceInPrintOrder)
{
    const auto rows = sourceRows();
    std::vector<std::string> expected;
    for (int i = 1; i <= bodyCount; ++i)
        for (int j = i; j <= bodyCount; ++j)
            for (const int angle : strengthOrder) expected.push_back(key(bodyName(i), bodyName(j), angle));
    // 91 unordered pairs, the 13 self-pairs included, times the 11 angles.
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CompatRow& row = rows[r];
        EXPECT_EQ(key(row.body1, row.body2, row.angle), expected[r]) << "line " << row.line;
        EXPECT_LE(bodyIndex(row.body1), bodyIndex(row.body2)) << where(row) << ": write the pair in body order";
    }
}

TEST(AisyoTexts, AnAnglesOrbIsTheSameForEveryPair)
{
    const auto rows = sourceRows();
    std::map<int, const CompatRow*> first;
    for (const CompatRow& row : rows) {
        EXPECT_GE(row.orb, 0) << where(row);
        const auto [it, inserted] = first.emplace(row.angle, &row);
        if (!inserted) {
            EXPECT_EQ(row.orb, it->second->orb) << where(row) << " has another orb than " << where(*it->second);
        }
    }
}

// Walks every ordered pair the page forms over every separation it can compute.
TEST(AisyoTexts, EverySeparationOfEveryPairFallsIntoAtMostOneRowAndEachAngleIntoItsOwn)
{
    const auto rows = sourceRows();
    for (int k = 1; k <= bodyCount; ++k) {
        for (int l = 1; l <= bodyCount; ++l) {
            const std::string person = bodyName(k), partner = bodyName(l);
            std::vector<const CompatRow*> pairRows;
            for (const CompatRow& row : rows)
                if (pairMatches(row, person, partner)) pairRows.push_back(&row);
            for (int s = 0; s <= maxSeparation; ++s) {
                std::vector<const CompatRow*> holding;
                for (const CompatRow* row : pairRows)
                    if (orbHolds(*row, s)) holding.push_back(row);
                EXPECT_LE(holding.size(), 1u) << person << "-" << partner << " at " << s << " is held by "
                                              << where(*holding.front()) << " and " << where(*holding.back());
            }
            for (const int angle : strengthOrder) {
                const CompatRow* found = findCompatAspect(rows, person, partner, angle);
                ASSERT_NE(found, nullptr) << person << "-" << partner << " at exactly " << angle;
                EXPECT_EQ(found->angle, angle) << person << "-" << partner << " at exactly " << angle;
            }
        }
    }
}

// The lookup's edge cases, with the orbs of the table as shipped.
TEST(AisyoTexts, LookupFindsTheRowTheCompatibilityPageExpects)
{
    struct Case {
        const char* name;
        const char* person;
        const char* partner;
        int separation;
        std::optional<int> angle;
    };
    const Case cases[] = {
        {"the person as his own partner: a body with itself at 0", "月", "月", 0, 0},
        {"trine at the far end of its orb", "金星", "火星", 125, 120},
        {"the same row serves the reversed pair", "火星", "金星", 115, 120},
        {"one degree past the trine's orb", "金星", "火星", 126, std::nullopt},
        {"opposition held up to 180 from below", "太陽", "土星", 174, 180},
        {"the gap between biquintile and quincunx", "水星", "木星", 146, std::nullopt},
        {"quincunx's lower edge", "水星", "木星", 148, 150},
        {"Ascendant with Midheaven across two charts", "MC", "ASC", 90, 90},
        {"node with itself half a cycle apart", "ドラゴンヘッド", "ドラゴンヘッド", 180, 180},
    };
    const auto rows = sourceRows();
    for (const Case& c : cases) {
        const CompatRow* found = findCompatAspect(rows, c.person, c.partner, c.separation);
        if (!c.angle) {
            EXPECT_EQ(found, nullptr) << c.name << ": found " << where(*found);
            continue;
        }
        ASSERT_NE(found, nullptr) << c.name;
        EXPECT_EQ(found->angle, *c.angle) << c.name;
    }
}

TEST(AisyoTexts, EachReadingOpensWithItsOwnConfigurationAndSpeaksToTheCouple)
{
    const auto rows = sourceRows();
    for (const CompatRow& row : rows) {
        const std::string opening =
            "一方の" + row.body1 + "ともう一方の" + row.body2 + "が" + std::to_string(row.angle) + "度";
        EXPECT_TRUE(row.memo.starts_with(opening)) << where(row) << " should open with 「" << opening << "」";
        EXPECT_NE(row.memo.find("ふたり"), std::string::npos) << where(row);
        // The same row is read by either side of the couple, so it singles out neither.
        for (const char* address : {"あなた", "相手"})
            EXPECT_EQ(row.memo.find(address), std::string::npos) << where(row) << " says 「" << address << "」";
        EXPECT_TRUE(row.memo.ends_with("。")) << where(row) << " ends unfinished";
        EXPECT_EQ(row.memo.find_first_of("\t\n"), std::string::npos) << where(row);
    }
}

TEST(AisyoTexts, ReadingsSayPlainlyWhatTheyGive)
{
    for (const CompatRow& row : sourceRows()) {
        int hedges = 0;
        for (const std::string hedge : {"でしょう", "かもしれません"})
            for (auto at = row.memo.find(hedge); at != std::string::npos; at = row.memo.find(hedge, at + 1)) ++hedges;
        EXPECT_LE(hedges, 1) << where(row) << " hedges " << hedges << " times";
    }
}

TEST(AisyoTexts, ReadingsFitUnderTheirHeading)
{
    const auto issues = checkLengths(memos(sourceRows()), memoMin, memoMax);
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST(AisyoTexts, NoSentenceIsUsedTwice)
{
    const auto issues = checkRepeatedSentences(memos(sourceRows()));
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST(AisyoTexts, NoTwoConfigurationsReadAlike)
{
    const auto issues = checkNearDuplicates(memos(sourceRows()), nearDuplicateLimit);
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

// The compiled table, in the physical order the program loads it at start-up.
TEST(AisyoTexts, CompiledTableHoldsTheSourceRowsInOrder)
{
    const std::string folder = std::string(CELMORA_PROGRAM_DIR) + "/bunsyodb";
    auto engine = platform::makeSqliteTableEngine();
    if (!engine->exists(folder, "AISYO")) GTEST_SKIP() << "no compiled AISYO table in " << folder;
    const auto rows = sourceRows();
    const auto table = engine->open(folder, "AISYO");
    ASSERT_EQ(table->recordCount(), static_cast<int>(rows.size()));
    std::size_t r = 0;
    for (bool more = table->first(); more && r < rows.size(); more = table->next(), ++r) {
        EXPECT_EQ(table->text("惑星1"), rows[r].body1) << where(rows[r]);
        EXPECT_EQ(table->text("惑星2"), rows[r].body2) << where(rows[r]);
        EXPECT_EQ(table->integer("度数"), rows[r].angle) << where(rows[r]);
        EXPECT_EQ(table->integer("許容度"), rows[r].orb) << where(rows[r]);
        EXPECT_EQ(table->text("メモ"), rows[r].memo) << where(rows[r]);
    }
    EXPECT_EQ(r, rows.size());
}

}  // namespace
}  // namespace celmora::texts
