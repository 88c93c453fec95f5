// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

#include "TextChecker.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <unordered_map>

namespace celmora::texts {
namespace {

constexpr std::size_t gramLength = 5;

// Decodes UTF-8; nullopt on a malformed, overlong or surrogate sequence.
std::optional<std::u32string> decode(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, cp = lead & 0x1F, minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, cp = lead & 0x0F, minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, cp = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + extra >= utf8.size()) return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

// Lenient decoding for texts already read: a stray byte becomes its own character.
std::u32string decodeLoose(std::string_view utf8)
{
    if (auto strict = decode(utf8)) return *strict;
    std::u32string out;
    for (const unsigned char c : utf8) out.push_back(c);
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isLayoutSpace(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u3000';
}
bool isSentenceEnd(char32_t c)
{
    return c == U'。' || c == U'！' || c == U'？' || c == U'!' || c == U'?';
}
bool isCloser(char32_t c)
{
    return c == U'」' || c == U'』' || c == U'）' || c == U')' || c == U'】';
}

std::u32string withoutLayout(std::string_view text)
{
    std::u32string out = decodeLoose(text);
    std::erase_if(out, isLayoutSpace);
    return out;
}

// Grams of every text, interned to small ids so rows compare as sorted integer vectors.
class GramSets {
public:
    explicit GramSets(const std::vector<KeyedText>& texts)
    {
        sets_.reserve(texts.size());
        for (const auto& t : texts) {
            const std::u32string chars = withoutLayout(t.text);
            std::vector<std::uint32_t> ids;
            if (!chars.empty() && chars.size() < gramLength) {
                ids.push_back(intern(chars));
            } else {
                for (std::size_t i = 0; i + gramLength <= chars.size(); ++i)
                    ids.push_back(intern(chars.substr(i, gramLength)));
            }
            std::sort(ids.begin(), ids.end());
            ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
            sets_.push_back(std::move(ids));
        }
    }

    // Renumbers the grams from rarest to commonest and sorts each row by that order, so a
    // row's first grams are the ones fewest other rows share.
    void orderByRarity()
    {
        std::vector<std::uint32_t> frequency(ids_.size(), 0);
        for (const auto& set : sets_)
            for (const auto id : set) ++frequency[id];
        std::vector<std::uint32_t> byRarity(ids_.size());
        for (std::uint32_t i = 0; i < byRarity.size(); ++i) byRarity[i] = i;
        std::stable_sort(byRarity.begin(), byRarity.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return frequency[a] < frequency[b]; });
        std::vector<std::uint32_t> rank(ids_.size());
        for (std::uint32_t r = 0; r < byRarity.size(); ++r) rank[byRarity[r]] = r;
        for (auto& set : sets_) {
            for (auto& id : set) id = rank[id];
            std::sort(set.begin(), set.end());
        }
    }

    const std::vector<std::uint32_t>& operator[](std::size_t row) const { return sets_[row]; }
    std::size_t gramCount() const { return ids_.size(); }

private:
    std::uint32_t intern(const std::u32string& gram)
    {
        const auto [it, added] = ids_.try_emplace(gram, static_cast<std::uint32_t>(ids_.size()));
        return it->second;
    }

    std::unordered_map<std::u32string, std::uint32_t> ids_;
    std::vector<std::vector<std::uint32_t>> sets_;
};

std::size_t intersectionSize(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    std::size_t n = 0;
    for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end();) {
        if (*i < *j) {
            ++i;
        } else if (*j < *i) {
            ++j;
        } else {
            ++n, ++i, ++j;
        }
    }
    return n;
}

double jaccard(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    if (a.empty() || b.empty()) return 0.0;
    const std::size_t common = intersectionSize(a, b);
    return static_cast<double>(common) / static_cast<double>(a.size() + b.size() - common);
}

std::string formatOverlap(double value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    return buffer;
}

[[noreturn]] void refuse(const std::string& path, int line, const std::string& message)
{
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + message);
}

std::vector<std::string> splitTabs(std::string_view line)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        parts.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return parts;
        start = tab + 1;
    }
}

// The three escapes the table compiler knows; anything else is refused there too.
std::optional<std::string> unescape(const std::string& raw)
{
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out.push_back(raw[i]);
            continue;
        }
        if (i + 1 == raw.size()) return std::nullopt;
        switch (raw[++i]) {
            case 't':
                out.push_back('\t');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case '\\':
                out.push_back('\\');
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace

std::size_t charCount(std::string_view utf8)
{
    std::size_t n = 0;
    for (const unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

std::vector<TextIssue> checkLengths(const std::vector<KeyedText>& texts, std::size_t minChars, std::size_t maxChars)
{
    std::vector<TextIssue> issues;
    for (const auto& t : texts) {
        const std::size_t n = charCount(t.text);
        if (n < minChars || n > maxChars)
            issues.push_back({t.key, std::to_string(n) + " characters, expected " + std::to_string(minChars) + ".." +
                                         std::to_string(maxChars)});
    }
    return issues;
}

std::vector<std::string> splitSentences(std::string_view text)
{
    const std::u32string chars = decodeLoose(text);
    std::vector<std::string> sentences;
    std::u32string current;
    auto flush = [&] {
        while (!current.empty() && isLayoutSpace(current.front())) current.erase(current.begin());
        while (!current.empty() && isLayoutSpace(current.back())) current.pop_back();
        if (!current.empty()) {
            std::string utf8;
            for (const char32_t c : current) appendUtf8(utf8, c);
            sentences.push_back(std::move(utf8));
        }
        current.clear();
    };
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == U'\n' || chars[i] == U'\r' || chars[i] == U'\t') continue;
        current.push_back(chars[i]);
        if (!isSentenceEnd(chars[i])) continue;
        while (i + 1 < chars.size() && (isSentenceEnd(chars[i + 1]) || isCloser(chars[i + 1])))
            current.push_back(chars[++i]);
        flush();
    }
    flush();
    return sentences;
}

std::vector<TextIssue> checkRepeatedSentences(const std::vector<KeyedText>& texts, std::size_t minSentenceChars)
{
    std::vector<TextIssue> issues;
    std::map<std::string, std::size_t> firstRow;
    for (std::size_t row = 0; row < texts.size(); ++row) {
        std::set<std::string> reported;
        std::set<std::string> inThisRow;
        for (const auto& sentence : splitSentences(texts[row].text)) {
            if (charCount(sentence) < minSentenceChars) continue;
            const auto [it, fresh] = firstRow.try_emplace(sentence, row);
            if (!fresh && it->second != row && reported.insert(sentence).second) {
                issues.push_back(
                    {texts[row].key, "sentence also in " + texts[it->second].key + ": 「" + sentence + "」"});
            } else if (!inThisRow.insert(sentence).second && reported.insert(sentence).second) {
                issues.push_back({texts[row].key, "sentence twice in this row: 「" + sentence + "」"});
            }
        }
    }
    return issues;
}

double fiveGramOverlap(std::string_view a, std::string_view b)
{
    const GramSets sets({{"a", std::string(a)}, {"b", std::string(b)}});
    return jaccard(sets[0], sets[1]);
}

std::vector<TextIssue> checkNearDuplicates(const std::vector<KeyedText>& texts, double maxOverlap)
{
    std::vector<TextIssue> issues;
    if (maxOverlap >= 1.0) return issues;
    const double limit = std::max(0.0, maxOverlap);

    GramSets sets(texts);
    sets.orderByRarity();

    // Prefix filter: two sets with Jaccard >= limit share at least ceil(limit * |x|) grams,
    // so they must share one of x's first |x| - ceil(limit * |x|) + 1 grams. Indexing only
    // those prefixes keeps the common grams (particles, endings) out of the candidate lists.
    std::vector<std::vector<std::uint32_t>> postings(sets.gramCount());
    std::vector<std::size_t> seenBy(texts.size(), texts.size());
    for (std::size_t x = 0; x < texts.size(); ++x) {
        const auto& grams = sets[x];
        if (grams.empty()) continue;
        const auto size = static_cast<double>(grams.size());
        const auto need = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(limit * size - 1e-9)));
        const std::size_t prefix = grams.size() - std::min(need, grams.size()) + 1;
        std::vector<std::size_t> candidates;
        for (std::size_t k = 0; k < prefix; ++k) {
            for (const auto y : postings[grams[k]]) {
                if (seenBy[y] == x) continue;
                seenBy[y] = x;
                candidates.push_back(y);
            }
            postings[grams[k]].push_back(static_cast<std::uint32_t>(x));
        }
        std::sort(candidates.begin(), candidates.end());
        for (const auto y : candidates) {
            const double overlap = jaccard(sets[y], grams);
            if (overlap > limit)
                issues.push_back({texts[y].key + " / " + texts[x].key,
                                  "5-gram overlap " + formatOverlap(overlap) + " above " + formatOverlap(limit)});
        }
    }
    return issues;
}

std::vector<std::vector<std::string>> readTsvRows(const std::string& path, const std::vector<std::string>& header)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) refuse(path, 0, "cannot read the file");
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string_view rest(content);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty()) refuse(path, 0, "no header row");

    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (!decode(lines[i])) refuse(path, lineNo, "not valid UTF-8");
        if (i > 0 && lines[i].empty()) refuse(path, lineNo, "blank line (a record is one line; write \\n for a break)");
        std::vector<std::string> fields = splitTabs(lines[i]);
        if (fields.size() != header.size())
            refuse(path, lineNo, std::to_string(fields.size()) + " fields, expected " + std::to_string(header.size()));
        for (auto& field : fields) {
            auto value = unescape(field);
            if (!value) refuse(path, lineNo, "unknown escape in 「" + field + "」 (only \\t \\n \\\\)");
            field = std::move(*value);
        }
        if (i == 0) {
            for (std::size_t f = 0; f < header.size(); ++f)
                if (fields[f] != header[f])
                    refuse(path, lineNo,
                           "header field " + std::to_string(f + 1) + " is 「" + fields[f] + "」, expected 「" +
                               header[f] + "」");
            continue;
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::string describe(const std::vector<TextIssue>& issues)
{
    std::string out;
    for (const auto& issue : issues) out += issue.where + ": " + issue.what + "\n";
    return out;
}

}  // namespace celmora::texts
