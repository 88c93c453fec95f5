// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The Japanese text order: the comparison itself, and indexes of both table engines
// that sort and search by it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/JapaneseOrder.h"
#include "platform/Table.h"

namespace celmora::platform {
namespace {

using ::testing::ElementsAreArray;

// In the expected order: Latin letters, kana by the syllabary whatever the script,
// kanji in the order of the national character set (by code point they would read
// 伊藤, 佐藤, 和暦, 山田, 渡辺).
const std::vector<std::string> expectedOrder = {
    "", "ABE", "suzuki", "あおき", "カトウ", "さとう", "たなか", "伊藤", "佐藤", "山田", "渡辺", "和暦",
};

int sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

TEST(JapaneseOrder, EveryPairComparesAsTheExpectedListOrdersIt)
{
    for (std::size_t i = 0; i < expectedOrder.size(); ++i) {
        for (std::size_t j = 0; j < expectedOrder.size(); ++j) {
            const int expected = i < j ? -1 : (i > j ? 1 : 0);
            EXPECT_EQ(sign(compareJapanese(expectedOrder[i], expectedOrder[j])), expected)
                << expectedOrder[i] << " / " << expectedOrder[j];
        }
    }
}

struct EqualityCase {
    const char* a;
    const char* b;
    bool equal;
};

TEST(JapaneseOrder, OnlyTextsEqualAfterFoldingAsciiCaseAreEqual)
{
    const EqualityCase cases[] = {
        {"Suzuki", "SUZUKI", true}, {"佐藤", "佐藤", true},   {"さとう", "サトウ", false},
        {"佐藤", "佐藤 ", false},   {"ｻﾄｳ", "サトウ", false}, {"Ａ", "a", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compareJapanese(c.a, c.b) == 0, c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(sign(compareJapanese(c.a, c.b)), -sign(compareJapanese(c.b, c.a))) << c.a << " / " << c.b;
    }
}

TEST(JapaneseOrder, InvalidUtf8AndNulBytesOrderTotally)
{
    const std::vector<std::string> odd = {std::string("\xff\xfe", 2), std::string("a\0b", 3), std::string("a\0c", 3),
                                          std::string("\xe4\xbd", 2), "a"};
    for (const auto& a : odd) {
        EXPECT_EQ(compareJapanese(a, a), 0);
        for (const auto& b : odd) {
            if (a != b) {
                EXPECT_NE(compareJapanese(a, b), 0);
            }
            EXPECT_EQ(sign(compareJapanese(a, b)), -sign(compareJapanese(b, a)));
        }
    }
}

enum class Engine { File, Memory };

class JapaneseIndex : public ::testing::TestWithParam<Engine> {
protected:
    JapaneseIndex()
        : engine(GetParam() == Engine::File ? makeSqliteTableEngine() : makeMemoryTableEngine()), folder(dir / "db")
    {
    }

    std::unique_ptr<Table> names(TextOrder order)
    {
        TableDef def;
        def.fields = {{"No", FieldType::AutoInc}, {"氏名", FieldType::Text, 16}};
        auto t = engine->create(folder, "人名DB", def);
        t->addIndex("SIMEI", "氏名", order);
        std::vector<std::string> shuffled = expectedOrder;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(12));
        for (const auto& name : shuffled) {
            t->append();
            t->setText("氏名", name);
            t->post();
        }
        return t;
    }

    static std::vector<std::string> inOrder(Table& t)
    {
        std::vector<std::string> out;
        for (bool more = t.first(); more; more = t.next()) out.push_back(t.text("氏名"));
        return out;
    }

    testing::TempDir dir;
    std::unique_ptr<TableEngine> engine;
    std::string folder;
};

TEST_P(JapaneseIndex, RowsComeInTheJapaneseOrderAlsoAfterReopening)
{
    auto t = names(TextOrder::Japanese);
    t->selectIndex("SIMEI");
    EXPECT_THAT(inOrder(*t), ElementsAreArray(expectedOrder));

    t.reset();
    auto again = engine->open(folder, "人名DB");
    again->selectIndex("SIMEI");
    EXPECT_THAT(inOrder(*again), ElementsAreArray(expectedOrder));
}

struct NearestCase {
    const char* key;
    const char* expected;
};

TEST_P(JapaneseIndex, NearestSearchAgreesWithTheOrder)
{
    auto t = names(TextOrder::Japanese);
    t->selectIndex("SIMEI");
    const NearestCase cases[] = {
        {"佐藤", "佐藤"},     {"佐", "佐藤"},       {"中村", "渡辺"},  // 中 lies between 山 and 渡
        {"和", "和暦"},       {"Suzuki", "suzuki"}, {"さ", "さとう"},
        {"かとう", "カトウ"}, {"龍", "和暦"},  // after every name: the last row
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(t->findNearest({c.key})) << c.key;
        EXPECT_EQ(t->text("氏名"), c.expected) << c.key;
    }
    EXPECT_TRUE(t->findKey({"SUZUKI"}));
    EXPECT_EQ(t->text("氏名"), "suzuki");
    EXPECT_FALSE(t->findKey({"佐"}));
}

TEST_P(JapaneseIndex, AnIndexMadeInTheOtherOrderIsRebuilt)
{
    auto t = names(TextOrder::NoCase);
    t->selectIndex("SIMEI");
    ASSERT_NE(inOrder(*t), expectedOrder);  // code order puts 和暦 before 山田
    t->addIndex("SIMEI", "氏名", TextOrder::Japanese);
    EXPECT_THAT(inOrder(*t), ElementsAreArray(expectedOrder));
    t->addIndex("SIMEI", "氏名", TextOrder::NoCase);
    EXPECT_NE(inOrder(*t), expectedOrder);
}

TEST_P(JapaneseIndex, AReadOnlyTableSortsInTheOrderAskedFor)
{
    names(TextOrder::NoCase).reset();
    auto t = engine->openReadOnly(folder, "人名DB");
    t->addIndex("SIMEI", "氏名", TextOrder::Japanese);
    t->selectIndex("SIMEI");
    EXPECT_THAT(inOrder(*t), ElementsAreArray(expectedOrder));
}

INSTANTIATE_TEST_SUITE_P(Engines, JapaneseIndex, ::testing::Values(Engine::File, Engine::Memory),
                         [](const auto& info) { return info.param == Engine::File ? "File" : "Memory"; });

}  // namespace
}  // namespace celmora::platform
