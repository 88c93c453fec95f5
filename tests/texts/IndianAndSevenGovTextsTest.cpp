// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The Indian diagnosis answers (INDOBUN) and the Seven-Governors readings (DB7SEI).
// Both screens compute a key, scan the table from its first row and take the first row
// that matches; a key without a row silently gives an empty line or nothing. So every key
// the rules can compute needs exactly one row, in the order the tables are kept, and a
// row no rule can reach is text nobody reads. The key sets below are derived from the
// rules that compute them (which planet a question picks, which angles get an aspect
// name), not from the sources.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "TextChecker.h"
#include "core/calc1Unit.h"
#include "platform/Table.h"

namespace celmora::texts {
namespace {

const std::string sourceFolder = std::string(CELMORA_SOURCE_DIR) + "/data/bunsyodb/";
const std::string tableFolder = std::string(CELMORA_PROGRAM_DIR) + "/bunsyodb";

using Rows = std::vector<std::vector<std::string>>;

// Texts by different keys share well under a tenth of their 5-grams; above this one
// was written from the other.
constexpr double nearDuplicateLimit = 0.2;

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// です・ます throughout: every sentence ends in a polite form (a question too).
bool endsPolitely(std::string_view sentence)
{
    for (std::string_view mark : {"。", "？", "！"}) {
        if (sentence.ends_with(mark)) {
            sentence.remove_suffix(mark.size());
            break;
        }
    }
    if (sentence.ends_with("か")) sentence.remove_suffix(std::string_view("か").size());
    for (std::string_view form : {"ます", "です", "ません", "ました", "でした", "でしょう", "ください", "ましょう"}) {
        if (sentence.ends_with(form)) return true;
    }
    return false;
}

int hedges(std::string_view text)
{
    int count = 0;
    for (std::string_view hedge : {"でしょう", "かもしれません"}) {
        for (auto at = text.find(hedge); at != std::string_view::npos; at = text.find(hedge, at + hedge.size()))
            ++count;
    }
    return count;
}

// Sentence endings, hedging and the form of address, as the writing rules set them.
std::vector<TextIssue> checkStyle(const std::vector<KeyedText>& texts)
{
    std::vector<TextIssue> issues;
    for (const KeyedText& text : texts) {
        for (const std::string& sentence : splitSentences(text.text)) {
            if (!endsPolitely(sentence)) issues.push_back({text.key, "not a polite ending: 「" + sentence + "」"});
        }
        if (hedges(text.text) > 1) issues.push_back({text.key, "more than one でしょう or かもしれません"});
        if (!contains(text.text, "あなた")) issues.push_back({text.key, "does not address the client as あなた"});
    }
    return issues;
}

std::string listed(const std::vector<std::string>& faults)
{
    std::string shown;
    for (std::size_t i = 0; i < faults.size() && i < 40; ++i) shown += faults[i] + "\n";
    return std::to_string(faults.size()) + " faults:\n" + shown;
}

// Compares the keys of the source rows with the expected keys, both in table order, and
// says which are missing, which are no key of the table and where the order breaks.
std::vector<std::string> compareKeys(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    std::vector<std::string> faults;
    const std::set<std::string> wanted(expected.begin(), expected.end());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const std::string where = "row " + std::to_string(i + 1) + " " + actual[i];
        if (!wanted.count(actual[i])) faults.push_back(where + ": no rule computes this key");
        if (!seen.insert(actual[i]).second) faults.push_back(where + ": twice");
    }
    for (const std::string& key : expected) {
        if (!seen.count(key)) faults.push_back("missing " + key);
    }
    if (faults.empty() && actual != expected) {
        for (std::size_t i = 0; i < actual.size(); ++i) {
            if (actual[i] != expected[i]) {
                faults.push_back("row " + std::to_string(i + 1) + " " + actual[i] + ": out of order, expected " +
                                 expected[i]);
                break;
            }
        }
    }
    return faults;
}

// ---- INDOBUN -------------------------------------------------------------------------

namespace indian {

const std::vector<std::string> header{"no", "menu0", "star", "asp", "house", "etc1", "etc2", "bun", "bun2"};
enum Column { No, Menu, Star, Asp, House, Etc1, Etc2, Bun, Bun2 };

constexpr int planetCount = 7;
constexpr int signCount = 12;
constexpr int houseCount = 12;

// The lord of each sign, Aries first (the rulerships the Indian screens use).
constexpr std::array<int, signCount> signLord{5, 4, 3, 2, 1, 3, 4, 5, 6, 7, 7, 6};
const std::array<std::string, planetCount + 1> planetName{"", "太陽", "月", "水星", "金星", "火星", "木星", "土星"};

std::string signName(int sign)
{
    return std::string(core::signNames[static_cast<std::size_t>(sign - 1)]) + "座";
}

std::string houseName(int house)
{
    return "第" + std::to_string(house) + "ハウス";
}

std::set<int> range(int first, int last)
{
    std::set<int> values;
    for (int v = first; v <= last; ++v) values.insert(v);
    return values;
}

// The planet that answers for a house: the first planet standing in it, or else the lord
// of the house's sign. Either can be any of the seven.
std::set<int> housePlanets()
{
    std::set<int> values = range(1, planetCount);
    values.insert(signLord.begin(), signLord.end());
    return values;
}

// |Venus's sign - Saturn's sign|, less 6 above 6, over every pair of signs.
std::set<int> venusSaturnDistances()
{
    std::set<int> values;
    for (int venus = 1; venus <= signCount; ++venus) {
        for (int saturn = 1; saturn <= signCount; ++saturn) {
            int w = std::abs(venus - saturn);
            if (w > 6) w -= 6;
            values.insert(w);
        }
    }
    return values;
}

// The lord of Saturn's sign, over every sign Saturn can stand in.
std::set<int> saturnDispositors()
{
    return {signLord.begin(), signLord.end()};
}

enum class KeyField { Star, Asp, House };

struct Question {
    int menu;
    KeyField field;
    std::set<int> values;
    int askedHouse;  // the house whose planet answers, 0 when the key is no such planet
};

// Every question of the two diagnosis buttons, by question number.
std::vector<Question> questions()
{
    const std::set<int> planets = range(1, planetCount);
    const std::set<int> houses = range(1, houseCount);
    return {
        {1, KeyField::Star, planets, 0},  // the planet with the highest total
        {2, KeyField::Star, housePlanets(), 10},
        {3, KeyField::Star, housePlanets(), 2},
        {4, KeyField::Star, housePlanets(), 11},
        {5, KeyField::Star, housePlanets(), 4},
        {6, KeyField::Asp, venusSaturnDistances(), 0},
        {7, KeyField::House, houses, 0},               // Saturn's house
        {10, KeyField::Star, range(1, signCount), 0},  // the sign of Venus or of Mars
        {11, KeyField::Star, housePlanets(), 5},
        {12, KeyField::Star, housePlanets(), 7},
        {13, KeyField::Star, housePlanets(), 7},
        {14, KeyField::Star, saturnDispositors(), 0},
        {15, KeyField::House, houses, 0},  // Saturn's house
    };
}

std::string keyText(int menu, int star, int asp, int house)
{
    return "(menu " + std::to_string(menu) + ", star " + std::to_string(star) + ", asp " + std::to_string(asp) +
           ", house " + std::to_string(house) + ")";
}

struct ExpectedRow {
    const Question* question;
    int value;
    std::string key() const
    {
        const int star = question->field == KeyField::Star ? value : 0;
        const int asp = question->field == KeyField::Asp ? value : 0;
        const int house = question->field == KeyField::House ? value : 0;
        return keyText(question->menu, star, asp, house);
    }
};

// What a row must name so that a swapped or misnumbered row shows: the planet, sign,
// distance or house of its key, and the house the question asks about.
std::vector<std::string> namesFor(const ExpectedRow& row)
{
    const Question& q = *row.question;
    std::vector<std::string> names;
    if (q.askedHouse != 0) names.push_back(houseName(q.askedHouse));
    switch (q.menu) {
        case 6:
            names.push_back("金星");
            names.push_back("土星");
            names.push_back(row.value == 0 ? "同じ星座" : std::to_string(30 * row.value) + "度");
            break;
        case 7:
        case 15:
            names.push_back("土星");
            names.push_back(houseName(row.value));
            break;
        case 10:
            names.push_back(signName(row.value));
            break;
        case 14:
            names.push_back("土星");
            names.push_back(planetName[static_cast<std::size_t>(row.value)]);
            break;
        default:
            names.push_back(planetName[static_cast<std::size_t>(row.value)]);
            break;
    }
    return names;
}

class IndianTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        rows_ = readTsvRows(sourceFolder + "INDOBUN.tsv", header);
        questions_ = questions();
        for (const Question& q : questions_)
            for (const int v : q.values) expected_.push_back({&q, v});
    }

    static std::string rowKey(const std::vector<std::string>& row)
    {
        return keyText(std::stoi(row[Menu]), std::stoi(row[Star]), std::stoi(row[Asp]), std::stoi(row[House]));
    }

    static std::vector<KeyedText> texts()
    {
        std::vector<KeyedText> out;
        for (const auto& row : rows_) out.push_back({rowKey(row), row[Bun]});
        return out;
    }

    static inline Rows rows_;
    static inline std::vector<Question> questions_;
    static inline std::vector<ExpectedRow> expected_;
};

TEST_F(IndianTexts, EveryQuestionHasOneRowPerComputableKeyInQuestionOrder)
{
    std::vector<std::string> actual, expected;
    for (const auto& row : rows_) actual.push_back(rowKey(row));
    for (const ExpectedRow& row : expected_) expected.push_back(row.key());
    auto faults = compareKeys(actual, expected);
    // The editor's ID column numbers the rows in table order.
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i][No] != std::to_string(i + 1))
            faults.push_back("row " + std::to_string(i + 1) + " numbered " + rows_[i][No]);
    }
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

TEST_F(IndianTexts, KeyRangesFollowTheRules)
{
    // The values the lookups can receive, worked out by hand from the rules: any planet
    // answers for a house, and the Venus-Saturn rule folds 7..11 onto 1..5.
    EXPECT_EQ(housePlanets(), range(1, 7));
    EXPECT_EQ(venusSaturnDistances(), range(0, 6));
    EXPECT_EQ(saturnDispositors(), range(1, 7));
    EXPECT_EQ(expected_.size(), 106u);
}

TEST_F(IndianTexts, EachAnswerNamesItsKey)
{
    std::vector<TextIssue> issues;
    for (std::size_t i = 0; i < rows_.size() && i < expected_.size(); ++i) {
        if (rowKey(rows_[i]) != expected_[i].key()) continue;  // reported by the key test
        for (const std::string& name : namesFor(expected_[i])) {
            if (!contains(rows_[i][Bun], name)) issues.push_back({expected_[i].key(), "does not name " + name});
        }
    }
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST_F(IndianTexts, LengthsFitTheAnswerBox)
{
    const auto issues = checkLengths(texts(), 200, 350);
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST_F(IndianTexts, PoliteAddressedAndPlain)
{
    const auto issues = checkStyle(texts());
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST_F(IndianTexts, NoSentenceIsRepeatedAndNoTwoAnswersReadAlike)
{
    const auto repeated = checkRepeatedSentences(texts());
    EXPECT_TRUE(repeated.empty()) << describe(repeated);
    const auto alike = checkNearDuplicates(texts(), nearDuplicateLimit);
    EXPECT_TRUE(alike.empty()) << describe(alike);
}

// The compiled table, scanned as the diagnosis screen scans it.
TEST_F(IndianTexts, CompiledTableAnswersEveryQuestionWithItsRow)
{
    auto engine = platform::makeSqliteTableEngine();
    if (!engine->exists(tableFolder, "INDOBUN")) GTEST_SKIP() << "no compiled INDOBUN table in " << tableFolder;
    const auto table = engine->open(tableFolder, "INDOBUN");
    ASSERT_EQ(table->recordCount(), static_cast<int>(rows_.size()));
    for (const ExpectedRow& want : expected_) {
        const char* field = want.question->field == KeyField::Star  ? "star"
                            : want.question->field == KeyField::Asp ? "asp"
                                                                    : "house";
        std::string found;
        for (bool more = table->first(); more; more = table->next()) {
            if (table->integer("menu0") == want.question->menu && table->integer(field) == want.value) {
                found = table->text("bun");
                break;
            }
        }
        std::string source;
        for (const auto& row : rows_)
            if (rowKey(row) == want.key()) source = row[Bun];
        EXPECT_FALSE(found.empty()) << want.key();
        EXPECT_EQ(found, source) << want.key();
    }
}

}  // namespace indian

// ---- DB7SEI --------------------------------------------------------------------------

namespace sevengov {

const std::vector<std::string> header{"hosi1", "hosi2", "dosu", "memo"};
enum Column { Hosi1, Hosi2, Dosu, Memo };

constexpr int starCount = 7;
const std::array<std::string, starCount> starNames{"太陽", "太陰", "水星", "金星", "火星", "木星", "土星"};
const std::array<std::string, 13> palaceTitles{"命宮",   "身宮",   "財帛宮", "兄弟宮", "田宅宮", "男女宮", "奴僕宮",
                                               "夫妻宮", "疾厄宮", "遷移宮", "官禄宮", "福徳宮", "父母宮"};

// The angles (whole degrees, folded to 0..189) that get each aspect name.
struct AspectRange {
    const char* name;
    int from, to;
};
constexpr std::array<AspectRange, 4> aspects{{{"合", 0, 9}, {"刑", 81, 99}, {"会", 111, 129}, {"冲", 171, 189}}};

enum Star { Sun = 1, Moon, Mercury, Venus, Mars, Jupiter, Saturn };

// The widest angle two stars of one chart can make. Mercury never stands more than 28
// degrees from the Sun and Venus never more than 48 (greatest elongations 27.8 and 47.8
// degrees); the angle is taken between whole degrees, each rounded on its own, which
// can add one.
int widestAngle(int a, int b)
{
    const auto pair = [&](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    if (pair(Sun, Mercury)) return 28 + 1;
    if (pair(Sun, Venus)) return 48 + 1;
    if (pair(Mercury, Venus)) return 28 + 48 + 1;
    return 189;
}

// A palace cusp lies a whole number of signs from the Sun (life palace) or the Moon (body
// palace) plus less than 8 degrees, for any hour, so every star reaches every palace in
// every aspect; only star pairs have keys no chart computes.
bool canOccur(int a, int b, const AspectRange& aspect)
{
    return aspect.from <= widestAngle(a, b);
}

std::string keyText(const std::string& first, const std::string& second, const std::string& aspect)
{
    return "(" + first + ")(" + second + ")(" + aspect + ")";
}

struct ExpectedRow {
    std::string first, second, aspect;
    bool occurs;
    std::string key() const { return keyText(first, second, aspect); }
};

// The reading's order: star pairs a < b, then palace titles with each star.
std::vector<ExpectedRow> expectedRows()
{
    std::vector<ExpectedRow> rows;
    for (int a = 1; a < starCount; ++a)
        for (int b = a + 1; b <= starCount; ++b)
            for (const AspectRange& aspect : aspects)
                rows.push_back({starNames[a - 1], starNames[b - 1], aspect.name, canOccur(a, b, aspect)});
    for (const std::string& palace : palaceTitles)
        for (const std::string& star : starNames)
            for (const AspectRange& aspect : aspects) rows.push_back({palace, star, aspect.name, true});
    return rows;
}

class SevenGovTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        rows_ = readTsvRows(sourceFolder + "DB7SEI.tsv", header);
        expected_ = expectedRows();
    }

    static std::string rowKey(const std::vector<std::string>& row)
    {
        return keyText(row[Hosi1], row[Hosi2], row[Dosu]);
    }

    // The texts of rows whose key is expected with the given `occurs`.
    static std::vector<KeyedText> texts(bool occurs)
    {
        std::set<std::string> keys;
        for (const ExpectedRow& row : expected_)
            if (row.occurs == occurs) keys.insert(row.key());
        std::vector<KeyedText> out;
        for (const auto& row : rows_)
            if (keys.count(rowKey(row))) out.push_back({rowKey(row), row[Memo]});
        return out;
    }

    static inline Rows rows_;
    static inline std::vector<ExpectedRow> expected_;
};

TEST_F(SevenGovTexts, EveryKeyHasOneRowInReadingOrder)
{
    std::vector<std::string> actual, expected;
    for (const auto& row : rows_) actual.push_back(rowKey(row));
    for (const ExpectedRow& row : expected_) expected.push_back(row.key());
    EXPECT_EQ(expected.size(), 448u);
    const auto faults = compareKeys(actual, expected);
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

TEST_F(SevenGovTexts, OnlyTheInnerStarsHaveAnglesTheyCannotMake)
{
    std::vector<std::string> never;
    for (const ExpectedRow& row : expected_)
        if (!row.occurs) never.push_back(row.key());
    const std::vector<std::string> innerPairs{"(太陽)(水星)(刑)", "(太陽)(水星)(会)", "(太陽)(水星)(冲)",
                                              "(太陽)(金星)(刑)", "(太陽)(金星)(会)", "(太陽)(金星)(冲)",
                                              "(水星)(金星)(刑)", "(水星)(金星)(会)", "(水星)(金星)(冲)"};
    EXPECT_EQ(never, innerPairs);
}

TEST_F(SevenGovTexts, LengthsFitTheirKind)
{
    // A reading is one line of the reading box among many; a key no chart computes gets
    // a short line saying so.
    const auto readings = checkLengths(texts(true), 120, 220);
    EXPECT_TRUE(readings.empty()) << describe(readings);
    const auto shortLines = checkLengths(texts(false), 20, 80);
    EXPECT_TRUE(shortLines.empty()) << describe(shortLines);
}

// The lines follow one another under two headings only, so each names its two partners
// and its aspect in the first sentence, and no other star or palace there.
TEST_F(SevenGovTexts, EachOpensByNamingItsConfiguration)
{
    std::vector<TextIssue> issues;
    for (const auto& row : rows_) {
        const auto sentences = splitSentences(row[Memo]);
        const std::string first = sentences.empty() ? std::string() : sentences.front();
        for (const std::string& own : {row[Hosi1], row[Hosi2], row[Dosu]}) {
            if (!contains(first, own)) issues.push_back({rowKey(row), "the first sentence does not name " + own});
        }
        for (const std::string& star : starNames) {
            if (star != row[Hosi1] && star != row[Hosi2] && contains(first, star))
                issues.push_back({rowKey(row), "the first sentence names " + star});
        }
        for (const std::string& palace : palaceTitles) {
            if (palace != row[Hosi1] && contains(first, palace))
                issues.push_back({rowKey(row), "the first sentence names " + palace});
        }
    }
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST_F(SevenGovTexts, PoliteAddressedAndPlain)
{
    const auto issues = checkStyle(texts(true));
    EXPECT_TRUE(issues.empty()) << describe(issues);
}

TEST_F(SevenGovTexts, NoSentenceIsRepeatedAndNoTwoReadingsReadAlike)
{
    auto all = texts(true);
    for (auto& text : texts(false)) all.push_back(std::move(text));
    const auto repeated = checkRepeatedSentences(all);
    EXPECT_TRUE(repeated.empty()) << describe(repeated);
    const auto alike = checkNearDuplicates(all, nearDuplicateLimit);
    EXPECT_TRUE(alike.empty()) << describe(alike);
}

// The compiled table, scanned as the reading is composed.
TEST_F(SevenGovTexts, CompiledTableGivesEachKeyItsReading)
{
    auto engine = platform::makeSqliteTableEngine();
    if (!engine->exists(tableFolder, "DB7SEI")) GTEST_SKIP() << "no compiled DB7SEI table in " << tableFolder;
    const auto table = engine->open(tableFolder, "DB7SEI");
    ASSERT_EQ(table->recordCount(), static_cast<int>(rows_.size()));
    std::vector<std::string> scanned;
    for (bool more = table->first(); more; more = table->next())
        scanned.push_back(keyText(table->text("hosi1"), table->text("hosi2"), table->text("dosu")) +
                          table->text("memo"));
    std::vector<std::string> source;
    for (const auto& row : rows_) source.push_back(rowKey(row) + row[Memo]);
    // Same rows in the same order: the first match of every key is its source row.
    EXPECT_EQ(scanned, source);
}

}  // namespace sevengov

}  // namespace
}  // namespace celmora::texts
