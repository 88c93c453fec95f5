// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TextTableCompiler.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <fstream>
#include <iterator>
#include <map>

#include "TableFiles.h"

namespace celmora::texttables {

namespace {

// Code points of a UTF-8 text, or -1 when it is not valid UTF-8 (overlong forms and
// surrogates included).
long countCodePoints(std::string_view s)
{
    long count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto lead = static_cast<unsigned char>(s[i]);
        int length = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, cp = lead & 0x07;
        } else {
            return -1;
        }
        if (i + static_cast<std::size_t>(length) > s.size()) return -1;
        for (int k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) return -1;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000) || (cp >= 0xD800 && cp <= 0xDFFF) ||
            cp > 0x10FFFF)
            return -1;
        i += static_cast<std::size_t>(length);
    }
    return count;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            parts.push_back(line.substr(start));
            return parts;
        }
        parts.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

// Resolves the three escapes; on an unknown one returns false with the offending pair.
bool unescape(std::string_view raw, std::string& out, std::string& badEscape)
{
    out.clear();
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out.push_back(raw[i]);
            continue;
        }
        if (i + 1 == raw.size()) {
            badEscape.assign(1, '\\');
            return false;
        }
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
                badEscape = {'\\', raw[i]};
                return false;
        }
    }
    return true;
}

bool parseInteger(const std::string& text, long long& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && begin != end;
}

std::string joinFields(const std::vector<std::string>& names)
{
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : "、") + name;
    return out;
}

// Where an earlier row stands, as a message names it: "12 行目" in the same part,
// "bunsyodb/A.tsv の 12 行目" in another part of the table.
struct Place {
    std::string file;
    int line = 0;
};

class Checker {
public:
    explicit Checker(const TableSchema& table) : table_(table) {}

    // Rows of all parts are checked as one table; only the file that messages name changes.
    void beginPart(std::string file) { file_ = std::move(file); }

    void error(int line, const std::string& field, const std::string& message)
    {
        result.errors.push_back({file_, line, field, message});
    }

    void header(int line, const std::vector<std::string_view>& names)
    {
        const std::size_t expected = table_.fields.size();
        for (std::size_t i = 0; i < std::max(names.size(), expected); ++i) {
            if (i >= names.size()) {
                error(line, table_.fields[i].name, "見出し行にこの項目がありません");
            } else if (i >= expected) {
                error(line, std::string(names[i]),
                      "見出し行に余分な項目があります（項目数は " + std::to_string(expected) + "）");
            } else if (names[i] != table_.fields[i].name) {
                error(line, table_.fields[i].name,
                      "見出しが「" + std::string(names[i]) + "」になっています（" + std::to_string(i + 1) +
                          " 番目の項目は「" + table_.fields[i].name + "」）");
            }
        }
    }

    void record(int line, const std::vector<std::string_view>& raw)
    {
        const std::size_t expected = table_.fields.size();
        if (raw.size() == 1 && raw[0].empty()) {
            error(line, "", "空行です（1 行に 1 レコード、改行は \\n で書きます）");
            return;
        }
        if (raw.size() != expected) {
            const std::string where = raw.size() < expected ? table_.fields[raw.size()].name : "";
            error(line, where,
                  "項目数が " + std::to_string(raw.size()) + " です（" + std::to_string(expected) + " 項目必要）" +
                      (raw.size() < expected ? "：この項目から後がありません" : "：タブが多すぎます"));
            return;
        }
        std::vector<std::string> values(expected);
        bool clean = true;
        for (std::size_t i = 0; i < expected; ++i) clean &= value(line, table_.fields[i], raw[i], values[i]);
        if (!clean) return;
        result.rows.push_back(std::move(values));
        rowRules(line);
    }

    SourceCheck result;

private:
    bool value(int line, const FieldRule& rule, std::string_view raw, std::string& out)
    {
        std::string badEscape;
        if (!unescape(raw, out, badEscape)) {
            error(line, rule.name, "不明なエスケープ「" + badEscape + "」です（使えるのは \\t \\n \\\\）");
            return false;
        }
        if (out.empty()) {
            const bool numeric =
                rule.type == platform::FieldType::Integer || rule.type == platform::FieldType::SmallInt;
            if (rule.required || numeric) {
                error(line, rule.name, numeric ? "整数が必要です（空です）" : "空にできません");
                return false;
            }
            return true;
        }
        switch (rule.type) {
            case platform::FieldType::Text: {
                const long length = countCodePoints(out);
                if (length > rule.size) {
                    error(line, rule.name,
                          "長すぎます：" + std::to_string(length) + " 文字（上限 " + std::to_string(rule.size) +
                              " 文字）");
                    return false;
                }
                break;
            }
            case platform::FieldType::Integer:
            case platform::FieldType::SmallInt:
            case platform::FieldType::AutoInc: {
                long long number = 0;
                if (!parseInteger(out, number)) {
                    error(line, rule.name, "整数ではありません：「" + out + "」");
                    return false;
                }
                const bool small = rule.type == platform::FieldType::SmallInt;
                const long long lo = std::max(rule.min.value_or(LLONG_MIN), small ? -32768LL : -2147483648LL);
                const long long hi = std::min(rule.max.value_or(LLONG_MAX), small ? 32767LL : 2147483647LL);
                if (number < lo || number > hi) {
                    error(line, rule.name,
                          "範囲外です：" + out + "（" + std::to_string(lo) + "～" + std::to_string(hi) + "）");
                    return false;
                }
                break;
            }
            case platform::FieldType::Memo:
                break;
        }
        if (!rule.oneOf.empty() && std::find(rule.oneOf.begin(), rule.oneOf.end(), out) == rule.oneOf.end()) {
            error(line, rule.name, "「" + out + "」は使えません（使えるのは " + rule.allowedDescription + "）");
            return false;
        }
        return true;
    }

    std::string keyOf(const std::vector<std::string>& row, const std::vector<std::string>& fields) const
    {
        std::string key;
        for (const std::string& field : fields) {
            key += row[static_cast<std::size_t>(table_.fieldIndex(field))];
            key.push_back('\x1f');  // cannot occur in a value: keeps ("ab","c") apart from ("a","bc")
        }
        return key;
    }

    std::string shownKey(const std::vector<std::string>& row, const std::vector<std::string>& fields) const
    {
        std::string shown;
        for (const std::string& field : fields)
            shown += (shown.empty() ? "" : "、") + row[static_cast<std::size_t>(table_.fieldIndex(field))];
        return "（" + shown + "）";
    }

    void rowRules(int line)
    {
        const std::vector<std::string>& row = result.rows.back();
        const int rowCount = static_cast<int>(result.rows.size());
        if (table_.maxRows && rowCount == *table_.maxRows + 1)
            error(line, "", "行数が上限の " + std::to_string(*table_.maxRows) + " 行を超えています");
        if (!table_.unique.empty()) {
            const auto [it, inserted] = uniqueLines_.emplace(keyOf(row, table_.unique), Place{file_, line});
            if (!inserted) {
                error(line, joinFields(table_.unique),
                      "キー" + shownKey(row, table_.unique) + "が" + shownPlace(it->second) + "と重複しています");
            }
        }
        if (table_.ascending) {
            const AscendingRule& rule = *table_.ascending;
            long previous = -1;
            for (const std::string& field : rule.fields) {
                const std::string& v = row[static_cast<std::size_t>(table_.fieldIndex(field))];
                const auto at = std::find(rule.order.begin(), rule.order.end(), v);
                if (at == rule.order.end()) continue;  // an empty value; oneOf already checked the rest
                const long position = at - rule.order.begin();
                if (position <= previous) {
                    error(line, field,
                          joinFields(rule.fields) + "は番号の小さい順に書きます" + shownKey(row, rule.fields));
                    break;
                }
                previous = position;
            }
        }
        if (table_.leader) {
            const LeaderRule& rule = *table_.leader;
            const std::string group = keyOf(row, rule.group);
            const bool isLeader = row[static_cast<std::size_t>(table_.fieldIndex(rule.field))] == rule.value;
            if (isLeader) {
                const auto earlier = groupFirstLine_.find(group);
                if (earlier != groupFirstLine_.end()) {
                    error(line, rule.field,
                          "「" + rule.value + "」の行は" + shownKey(row, rule.group) + "の他の行（" +
                              shownPlace(earlier->second) + "）より前に置きます");
                }
            } else {
                groupFirstLine_.emplace(group, Place{file_, line});
            }
        }
    }

    std::string shownPlace(const Place& place) const
    {
        std::string shown = place.file == file_ ? std::string() : place.file + " の";
        return shown.append(" ").append(std::to_string(place.line)).append(" 行目");
    }

    const TableSchema& table_;
    std::string file_;
    std::map<std::string, Place> uniqueLines_;
    std::map<std::string, Place> groupFirstLine_;  // first line of each group's non-leader rows
};

}  // namespace

std::string Diagnostic::text() const
{
    std::string out = file;
    if (line > 0) out.append(":").append(std::to_string(line));
    out += ": ";
    if (!field.empty()) out.append("「").append(field).append("」: ");
    return out.append(message);
}

namespace {

void checkPart(Checker& checker, const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        checker.error(0, "", "ファイルを読めません");
        return;
    }
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string_view> lines;
    std::string_view rest(content);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    // Blank lines at the very end are an editor's habit, not records.
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty()) {
        checker.error(0, "", "見出し行がありません");
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (countCodePoints(lines[i]) < 0) {
            checker.error(lineNumber, "", "UTF-8 として正しくないバイトがあります");
            continue;
        }
        if (i == 0) {
            checker.header(lineNumber, splitTabs(lines[i]));
        } else {
            checker.record(lineNumber, splitTabs(lines[i]));
        }
    }
}

}  // namespace

SourceCheck checkSource(const TableSchema& table, const std::filesystem::path& sourcesRoot)
{
    Checker checker(table);
    for (const std::string& source : table.sources) {
        checker.beginPart(source);
        checkPart(checker, sourcesRoot / std::filesystem::u8path(source));
    }
    return std::move(checker.result);
}

std::vector<Diagnostic> compileTable(platform::TableEngine& engine, const TableSchema& table,
                                     const std::filesystem::path& sourcesRoot, const std::filesystem::path& outRoot)
{
    SourceCheck check = checkSource(table, sourcesRoot);
    if (!check.ok()) return std::move(check.errors);
    datagen::writeTableAtomically(engine, outRoot / std::filesystem::u8path(table.folder), table.name, table.tableDef(),
                                  check.rows);
    return {};
}

}  // namespace celmora::texttables
