// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#pragma once

// Checks shared by the tests of the reading-text sources under data/bunsyodb/:
// source rows in (readTsvRows) -> keyed texts -> lists of issues out. An empty list
// means the texts pass; each issue names the row (or pair of rows) and what is wrong,
// so a test can print them all at once instead of stopping at the first.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace celmora::texts {

// Characters as a reader counts them: UTF-8 code points, not bytes.
// @warning Invalid UTF-8 is not detected here; readTsvRows refuses it at load time.
std::size_t charCount(std::string_view utf8);

// One text with the key a reader of an issue list finds it by, e.g. "(太陽)(牡羊) メモ".
struct KeyedText {
    std::string key;
    std::string text;
};

struct TextIssue {
    std::string where;  // a key, or "keyA / keyB" for a pair
    std::string what;
};

// Texts whose character count lies outside minChars..maxChars (both inclusive).
std::vector<TextIssue> checkLengths(const std::vector<KeyedText>& texts, std::size_t minChars, std::size_t maxChars);

// A sentence of at least minSentenceChars characters that appears in two rows, or twice
// in one row. Sentences end at 。！？ (a closing bracket right after the mark stays
// with its sentence); line breaks and surrounding spaces do not count.
std::vector<TextIssue> checkRepeatedSentences(const std::vector<KeyedText>& texts, std::size_t minSentenceChars = 12);

// Pairs of rows whose character 5-gram sets have a Jaccard overlap above maxOverlap
// (0..1). Whitespace and line breaks are ignored; a text shorter than five characters
// counts as one gram of itself, and empty texts are never compared. Candidate pairs come
// from a prefix index over the rarest grams, so a table of thousands of rows is checked
// without comparing every pair.
std::vector<TextIssue> checkNearDuplicates(const std::vector<KeyedText>& texts, double maxOverlap);

// The 5-gram Jaccard overlap of two texts as checkNearDuplicates measures it.
double fiveGramOverlap(std::string_view a, std::string_view b);

// Splits a text into the sentences checkRepeatedSentences compares.
std::vector<std::string> splitSentences(std::string_view text);

// The data rows of a TSV source, fields unescaped (\t, \n, \\). Reads the file the way the
// table compiler does (a byte-order mark, CR LF and blank lines at the end are accepted).
// Throws std::runtime_error naming the file and line when the file cannot be read, the
// header row differs from `header`, a row has another field count, a line in the middle
// is blank, an escape is unknown, or a line is not valid UTF-8.
std::vector<std::vector<std::string>> readTsvRows(const std::string& path, const std::vector<std::string>& header);

// Formats issues one per line for a test's failure message.
std::string describe(const std::vector<TextIssue>& issues);

}  // namespace celmora::texts
