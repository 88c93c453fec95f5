// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The shared text checks: they must flag what a reader would notice (a length off its
// range, a sentence lifted from another row, two rows that say nearly the same) and stay
// quiet on texts that merely share particles and endings. The near-duplicate search skips
// most pairs, so it is held against a plain every-pair comparison.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "TextChecker.h"

namespace celmora::texts {
namespace {

TEST(TextChecker, CountsCodePointsNotBytes)
{
    struct Case {
        const char* name;
        std::string text;
        std::size_t chars;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"ascii", "ASC 12", 6},
        {"kana and kanji", "牡羊座の太陽", 6},
        {"four-byte character", "\xF0\x9F\x8C\x99月", 2},
        {"line break counts", "一\n二", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(charCount(c.text), c.chars) << c.name;
}

TEST(TextChecker, LengthsOutsideTheRangeAreReportedWithBothEnds)
{
    const std::vector<KeyedText> texts{
        {"short", "あいう"}, {"low end", "あいうえ"}, {"high end", "あいうえおか"}, {"long", "あいうえおかき"}};
    const auto issues = checkLengths(texts, 4, 6);
    ASSERT_EQ(issues.size(), 2u) << describe(issues);
    EXPECT_EQ(issues[0].where, "short");
    EXPECT_EQ(issues[0].what, "3 characters, expected 4..6");
    EXPECT_EQ(issues[1].where, "long");
}

TEST(TextChecker, SentencesEndAtJapaneseMarksAndKeepTheirClosingBracket)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> sentences;
    };
    const Case cases[] = {
        {"plain", "朝です。夜です。", {"朝です。", "夜です。"}},
        {"exclamation and question", "行きます！本当ですか？", {"行きます！", "本当ですか？"}},
        {"closing bracket stays", "「はい。」と言います。", {"「はい。」", "と言います。"}},
        {"double mark", "まさか！？そうです。", {"まさか！？", "そうです。"}},
        {"no final mark", "朝です。終わり", {"朝です。", "終わり"}},
        {"line breaks vanish", "朝\nです。\n 夜です。", {"朝です。", "夜です。"}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitSentences(c.text), c.sentences) << c.name;
}

TEST(TextChecker, RepeatedSentencesAcrossAndWithinRows)
{
    const std::string shared = "小さな約束を守ることが信頼の土台になります。";
    const std::vector<KeyedText> texts{
        {"a", "朝の光が窓辺に差し込みます。" + shared},
        {"b", shared + "夕暮れの道を歩いて帰ります。"},
        {"c", "短い文。短い文。"},  // under the minimum length: not a finding
        {"d", "同じことを二度書いてしまいました。同じことを二度書いてしまいました。"},
        {"e", shared + "\n" + shared},  // third row with it: reported once, against the first
    };
    const auto issues = checkRepeatedSentences(texts);
    ASSERT_EQ(issues.size(), 3u) << describe(issues);
    EXPECT_EQ(issues[0].where, "b");
    EXPECT_NE(issues[0].what.find("also in a"), std::string::npos) << issues[0].what;
    EXPECT_EQ(issues[1].where, "d");
    EXPECT_NE(issues[1].what.find("twice"), std::string::npos) << issues[1].what;
    EXPECT_EQ(issues[2].where, "e");
}

TEST(TextChecker, OverlapOfTextsWithKnownGramSets)
{
    struct Case {
        const char* name;
        std::string a;
        std::string b;
        double overlap;
    };
    // "あいうえおか" has the grams あいうえお, いうえおか; "いうえおかき" has いうえおか, うえおかき.
    const Case cases[] = {
        {"identical", "あいうえおか", "あいうえおか", 1.0},
        {"one of three grams shared", "あいうえおか", "いうえおかき", 1.0 / 3.0},
        {"nothing shared", "あいうえお", "かきくけこ", 0.0},
        {"layout ignored", "あいう\nえおか", "あいうえ おか", 1.0},
        {"short texts are one gram", "はい", "はい", 1.0},
        {"empty never matches", "", "", 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(fiveGramOverlap(c.a, c.b), c.overlap) << c.name;
}

// Rows built from a small vocabulary so that many pairs share grams at every level of overlap.
std::vector<KeyedText> syntheticRows(std::size_t count, std::uint32_t seed)
{
    const std::vector<std::string> words{"朝の光",     "が差し込み", "ます。", "静かな", "部屋で",     "手紙を",
                                         "書きます。", "遠くの",     "友人に", "会いに", "行きます。", "あなたは"};
    std::mt19937 random(seed);
    std::vector<KeyedText> rows;
    for (std::size_t i = 0; i < count; ++i) {
        std::string text;
        const std::size_t length = 3 + random() % 10;
        for (std::size_t k = 0; k < length; ++k) text += words[random() % words.size()];
        rows.push_back({"row" + std::to_string(i), text});
    }
    rows.push_back({"copy", rows[3].text});
    rows.push_back({"empty", ""});
    return rows;
}

TEST(TextChecker, NearDuplicatesMatchAnEveryPairComparison)
{
    const auto rows = syntheticRows(200, 7);
    std::vector<std::vector<double>> overlap(rows.size());
    for (std::size_t x = 0; x < rows.size(); ++x)
        for (std::size_t y = 0; y < x; ++y) overlap[x].push_back(fiveGramOverlap(rows[y].text, rows[x].text));
    for (const double limit : {0.0, 0.2, 0.35, 0.5, 0.8, 0.99}) {
        std::set<std::string> expected;
        for (std::size_t x = 0; x < rows.size(); ++x)
            for (std::size_t y = 0; y < x; ++y)
                if (overlap[x][y] > limit) expected.insert(rows[y].key + " / " + rows[x].key);
        std::set<std::string> found;
        for (const auto& issue : checkNearDuplicates(rows, limit)) {
            EXPECT_TRUE(found.insert(issue.where).second) << "pair reported twice: " << issue.where;
        }
        EXPECT_EQ(found, expected) << "limit " << limit;
        EXPECT_TRUE(found.count("row3 / copy")) << "limit " << limit;
    }
}

TEST(TextChecker, NoPairIsAboveFullOverlap)
{
    const std::vector<KeyedText> rows{{"a", "まったく同じ文章です。"}, {"b", "まったく同じ文章です。"}};
    EXPECT_TRUE(checkNearDuplicates(rows, 1.0).empty());
    EXPECT_EQ(checkNearDuplicates(rows, 0.9).size(), 1u);
}

class TsvFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = std::filesystem::temp_directory_path() /
                ("celmora-text-checker-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".tsv");
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string write(const std::string& content)
    {
        std::ofstream(path_, std::ios::binary) << content;
        return path_.string();
    }

    std::filesystem::path path_;
};

const std::vector<std::string> header{"番号", "メモ"};

TEST_F(TsvFile, ReadsRowsAndResolvesEscapes)
{
    const auto rows =
        readTsvRows(write("\xEF\xBB\xBF番号\tメモ\r\n1\t一行目\\n二行目\r\n2\tタブ\\tと\\\\\n3\t\n\n\n"), header);
    const std::vector<std::vector<std::string>> expected{{"1", "一行目\n二行目"}, {"2", "タブ\tと\\"}, {"3", ""}};
    EXPECT_EQ(rows, expected);
}

TEST_F(TsvFile, RefusesWhatTheTableCompilerRefuses)
{
    struct Case {
        const char* name;
        std::string content;
        std::string message;
    };
    const Case cases[] = {
        {"wrong header", "番号\t本文\n1\tあ\n", ":1: header field 2"},
        {"short row", "番号\tメモ\n1\n", ":2: 1 fields, expected 2"},
        {"extra tab", "番号\tメモ\n1\tあ\t\n", ":2: 3 fields, expected 2"},
        {"blank line inside", "番号\tメモ\n\n1\tあ\n", ":2: blank line"},
        {"unknown escape", "番号\tメモ\n1\tあ\\r\n", ":2: unknown escape"},
        {"trailing backslash", "番号\tメモ\n1\tあ\\\n", ":2: unknown escape"},
        {"broken UTF-8", "番号\tメモ\n1\t\xE3\x81\n", ":2: not valid UTF-8"},
        {"no header", "\n\n", ":0: no header row"},
    };
    for (const auto& c : cases) {
        try {
            readTsvRows(write(c.content), header);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST_F(TsvFile, MissingFileIsAnError)
{
    EXPECT_THROW(readTsvRows((path_.parent_path() / "celmora-no-such-source.tsv").string(), header),
                 std::runtime_error);
}

}  // namespace
}  // namespace celmora::texts
