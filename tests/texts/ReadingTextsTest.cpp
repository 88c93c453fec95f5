// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The reading texts under data/bunsyodb/: every key the program can look up has exactly
// one row, in the order the lookups rely on (a pair's 概要 before its angles), with a
// text of a length that fits its place on the pages. When the compiled tables are in
// the program folder, they must read back as the sources say.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/ChartPoints.h"
#include "core/calc1Unit.h"
#include "platform/Table.h"

namespace celmora::testing {
namespace {

using Row = std::vector<std::string>;

const std::string sourceFolder = std::string(CELMORA_SOURCE_DIR) + "/data/bunsyodb";
const std::string tableFolder = std::string(CELMORA_PROGRAM_DIR) + "/bunsyodb";

// Key rows are generated in this order of アスペクト for every pair.
constexpr std::array<const char*, 12> pairRowOrder{"概要", "0",   "180", "90", "45",  "135",
                                                   "150",  "120", "60",  "72", "144", "30"};

// One field of a source line: \t, \n and \\ stand for tab, line break and backslash.
std::string unescape(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char c = field[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c;
    }
    return out;
}

const std::vector<std::string> planetFields{"惑星", "星座", "メモ", "ビジネス"};
const std::vector<std::string> aspectFields{"惑星1", "惑星2", "アスペクト", "メモ", "ビジネス"};

// The data rows of a source; the header row must name the table's fields in order.
std::vector<Row> readSource(const std::string& file, const std::vector<std::string>& fields)
{
    const std::size_t width = fields.size();
    std::ifstream in(sourceFolder + "/" + file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    std::vector<Row> rows;
    std::string line;
    bool header = true;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') ADD_FAILURE() << file << ":" << lineNo << " has CR LF";
        Row row;
        std::stringstream cells(line);
        std::string field;
        while (std::getline(cells, field, '\t')) row.push_back(unescape(field));
        if (!line.empty() && line.back() == '\t') row.emplace_back();
        EXPECT_EQ(row.size(), width) << file << ":" << lineNo;
        row.resize(width);
        if (header) {
            EXPECT_EQ(row, fields) << file << " header";
        } else {
            rows.push_back(std::move(row));
        }
        header = false;
    }
    return rows;
}

// Characters as a reader counts them: UTF-8 code points.
int length(const std::string& text)
{
    int n = 0;
    for (const unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

struct Range {
    int min;
    int max;
};

void expectLength(const std::string& text, Range range, const std::string& where)
{
    const int n = length(text);
    EXPECT_TRUE(n >= range.min && n <= range.max)
        << where << ": " << n << " characters, expected " << range.min << ".." << range.max;
}

std::string key(const Row& row, std::size_t keyFields)
{
    std::string out;
    for (std::size_t i = 0; i < keyFields; ++i) out += "(" + row[i] + ")";
    return out;
}

// Every (惑星, 星座) key the pages and the classification pages look up, in table order:
// the bodies in their signs, the bodies alone, the signs alone, the bodies 1..10 with "ASP".
std::vector<Row> expectedPlanetKeys()
{
    std::vector<Row> keys;
    for (const auto body : core::pointNames)
        for (const auto sign : core::signNames) keys.push_back({std::string(body), std::string(sign)});
    for (const auto body : core::pointNames) keys.push_back({std::string(body), ""});
    for (const auto sign : core::signNames) keys.push_back({"", std::string(sign)});
    for (int body = 1; body <= core::point::lastBody; ++body)
        keys.push_back({std::string(core::pointNames[body - 1]), "ASP"});
    return keys;
}

std::vector<Row> expectedAspectKeys()
{
    std::vector<Row> keys;
    for (int i = 1; i <= core::point::count; ++i)
        for (int m = i + 1; m <= core::point::count; ++m)
            for (const char* angle : pairRowOrder)
                keys.push_back({std::string(core::pointNames[i - 1]), std::string(core::pointNames[m - 1]), angle});
    return keys;
}

bool isAscMcPair(const Row& row)
{
    return row[0] == core::pointNames[core::point::Asc - 1] && row[1] == core::pointNames[core::point::Mc - 1];
}

// Length ranges by the place a text takes: a page paragraph, a business note, a minor aspect.
struct PlanetTextRule {
    const char* name;
    bool (*applies)(const Row&);
    Range memo;
    Range business;
};

const PlanetTextRule planetRules[] = {
    {"body in sign",
     [](const Row& r) { return !r[0].empty() && !r[1].empty() && r[1] != "ASP"; },
     {200, 400},
     {120, 250}},
    {"body alone", [](const Row& r) { return !r[0].empty() && r[1].empty(); }, {200, 400}, {120, 250}},
    {"sign alone", [](const Row& r) { return r[0].empty(); }, {200, 400}, {120, 250}},
    {"body with many aspects", [](const Row& r) { return r[1] == "ASP"; }, {150, 300}, {120, 250}},
};

struct AspectTextRule {
    const char* name;
    std::set<std::string> angles;
    Range memo;
    Range business;  // min 0: may be empty
};

const AspectTextRule aspectRules[] = {
    {"summary", {"概要"}, {120, 250}, {0, 200}},
    {"major angle", {"0", "180", "90", "120", "150", "60"}, {150, 300}, {80, 200}},
    {"minor angle", {"45", "135", "30", "72", "144"}, {80, 150}, {80, 200}},
};

TEST(ReadingTextSources, PlanetSignTableHasEveryKeyOnceInLookupOrder)
{
    const auto rows = readSource("惑星星座BUN.tsv", planetFields);
    const auto expected = expectedPlanetKeys();
    ASSERT_EQ(rows.size(), expected.size());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(key(rows[i], 2) == key(expected[i], 2))
            << "line " << i + 2 << ": " << key(rows[i], 2) << ", expected " << key(expected[i], 2);
        EXPECT_TRUE(seen.insert(key(rows[i], 2)).second) << "repeated key " << key(rows[i], 2);
    }
}

TEST(ReadingTextSources, AspectTableHasEveryPairWithItsSummaryFirst)
{
    const auto rows = readSource("ASPBUN.tsv", aspectFields);
    const auto expected = expectedAspectKeys();
    ASSERT_EQ(rows.size(), expected.size());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(key(rows[i], 3) == key(expected[i], 3))
            << "line " << i + 2 << ": " << key(rows[i], 3) << ", expected " << key(expected[i], 3);
        EXPECT_TRUE(seen.insert(key(rows[i], 3)).second) << "repeated key " << key(rows[i], 3);
    }
}

TEST(ReadingTextSources, NamesAreTheSystemsBodyAndSignNames)
{
    const std::set<std::string> bodies(core::pointNames.begin(), core::pointNames.end());
    std::set<std::string> signs(core::signNames.begin(), core::signNames.end());
    signs.insert("ASP");
    for (const auto& row : readSource("惑星星座BUN.tsv", planetFields)) {
        EXPECT_TRUE(row[0].empty() || bodies.count(row[0])) << row[0];
        EXPECT_TRUE(row[1].empty() || signs.count(row[1])) << row[1];
    }
    for (const auto& row : readSource("ASPBUN.tsv", aspectFields)) {
        EXPECT_TRUE(bodies.count(row[0])) << row[0];
        EXPECT_TRUE(bodies.count(row[1])) << row[1];
    }
}

TEST(ReadingTextSources, PlanetSignTextsFitTheirPlaces)
{
    for (const auto& row : readSource("惑星星座BUN.tsv", planetFields)) {
        int rules = 0;
        for (const auto& rule : planetRules) {
            if (!rule.applies(row)) continue;
            ++rules;
            expectLength(row[2], rule.memo, key(row, 2) + " メモ (" + rule.name + ")");
            expectLength(row[3], rule.business, key(row, 2) + " ビジネス (" + rule.name + ")");
        }
        EXPECT_EQ(rules, 1) << key(row, 2);
    }
}

TEST(ReadingTextSources, AspectTextsFitTheirPlacesAndOnlyAscMcIsEmpty)
{
    for (const auto& row : readSource("ASPBUN.tsv", aspectFields)) {
        if (isAscMcPair(row)) continue;
        int rules = 0;
        for (const auto& rule : aspectRules) {
            if (!rule.angles.count(row[2])) continue;
            ++rules;
            expectLength(row[3], rule.memo, key(row, 3) + " メモ (" + rule.name + ")");
            expectLength(row[4], rule.business, key(row, 3) + " ビジネス (" + rule.name + ")");
        }
        EXPECT_EQ(rules, 1) << key(row, 3);
    }
}

// Lookups take the first row whose key fields equal the key, scanning in table order.
std::optional<Row> firstMatch(platform::Table& table, const std::vector<std::string>& fields, const Row& wanted)
{
    for (bool more = table.first(); more; more = table.next()) {
        bool equal = true;
        for (std::size_t i = 0; i < wanted.size() && equal; ++i) equal = table.text(fields[i]) == wanted[i];
        if (!equal) continue;
        Row row;
        for (const auto& field : fields) row.push_back(table.text(field));
        return row;
    }
    return std::nullopt;
}

struct CompiledCase {
    const char* name;
    const char* table;
    const char* source;
    std::vector<std::string> fields;
    std::vector<Row> keys;  // a few keys from the start, the middle and the end
};

const CompiledCase compiledCases[] = {
    {"planet_sign",
     "惑星星座BUN",
     "惑星星座BUN.tsv",
     planetFields,
     {{"太陽", "牡羊"}, {"ドラゴンヘッド", "うお"}, {"MC", ""}, {"", "かに"}, {"冥王星", "ASP"}}},
    {"aspect",
     "ASPBUN",
     "ASPBUN.tsv",
     aspectFields,
     {{"太陽", "月", "概要"},
      {"太陽", "月", "30"},
      {"金星", "火星", "150"},
      {"冥王星", "ASC", "0"},
      {"ドラゴンヘッド", "MC", "144"}}},
};

TEST(CompiledReadingTexts, TablesReadBackAsTheSourcesSay)
{
    auto engine = platform::makeSqliteTableEngine();
    for (const auto& c : compiledCases) {
        if (!engine->exists(tableFolder, c.table)) GTEST_SKIP() << "no compiled " << c.table << " in " << tableFolder;
    }
    for (const auto& c : compiledCases) {
        SCOPED_TRACE(c.name);
        const auto source = readSource(c.source, c.fields);
        const auto table = engine->openReadOnly(tableFolder, c.table);  // installed: never written
        EXPECT_EQ(table->recordCount(), static_cast<int>(source.size()));
        for (const auto& wanted : c.keys) {
            const auto fromTable = firstMatch(*table, c.fields, wanted);
            std::optional<Row> fromSource;
            for (const auto& row : source) {
                if (std::equal(wanted.begin(), wanted.end(), row.begin())) {
                    fromSource = row;
                    break;
                }
            }
            EXPECT_EQ(fromTable, fromSource) << key(wanted, wanted.size());
        }
    }
}

}  // namespace
}  // namespace celmora::testing
