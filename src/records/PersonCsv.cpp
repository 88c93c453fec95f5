// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/PersonCsv.h"

#include <climits>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/Checked.h"
#include "platform/Table.h"
#include "platform/Utf8.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"

namespace celmora::records {

namespace {

using platform::FieldDef;
using platform::FieldType;

constexpr int smallIntMin = -32768;
constexpr int smallIntMax = 32767;
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

struct CsvRecord {
    int line = 0;  // where the record starts, 1-based
    std::vector<std::string> values;
    bool blank = false;  // an empty line
};

bool plainNumber(std::string_view v)
{
    std::size_t i = (!v.empty() && (v[0] == '+' || v[0] == '-')) ? 1 : 0;
    if (i == v.size()) return false;
    bool dot = false;
    for (; i < v.size(); ++i) {
        if (v[i] == '.' && !dot) {
            dot = true;
        } else if (v[i] < '0' || v[i] > '9') {
            return false;
        }
    }
    return true;
}

// A value a spreadsheet would run as a formula (=, +, -, @, a tab or a carriage return
// first, and not a plain number), or one that already starts with the apostrophe that
// marks a neutralised value: written with one more apostrophe in front, which the
// import takes off again.
bool needsApostrophe(std::string_view v)
{
    if (v.empty()) return false;
    if (v[0] == '\'') return true;
    return std::string_view("=+-@\t\r").find(v[0]) != std::string_view::npos && !plainNumber(v);
}

std::string neutralised(const std::string& value)
{
    return needsApostrophe(value) ? "'" + value : value;
}

std::string restored(const std::string& value)
{
    if (!value.empty() && value[0] == '\'' && needsApostrophe(std::string_view(value).substr(1))) return value.substr(1);
    return value;
}

void writeValue(std::ostream& out, const std::string& raw)
{
    const std::string value = neutralised(raw);
    if (value.find_first_of(",\"\r\n") == std::string::npos) {
        out << value;
        return;
    }
    out << '"';
    for (char c : value) {
        if (c == '"') out << '"';
        out << c;
    }
    out << '"';
}

// Splits the whole text into records, keeping the line each starts on. A quoted value
// may hold separators and line breaks; "" inside quotes is one quote.
std::vector<CsvRecord> parseCsv(std::string_view text)
{
    std::vector<CsvRecord> records;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        std::string value;
        bool quoted = false;
        bool endOfRecord = false;
        const std::size_t start = i;
        while (i < text.size() && !endOfRecord) {
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        value += '"';
                        i += 2;
                        continue;
                    }
                    quoted = false;
                } else {
                    if (c == '\n') ++line;
                    value += c;
                }
                ++i;
                continue;
            }
            if (c == '"' && value.empty()) {
                quoted = true;
            } else if (c == ',') {
                record.values.push_back(std::move(value));
                value.clear();
            } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                endOfRecord = true;
                ++i;
                ++line;
            } else if (c == '\n') {
                endOfRecord = true;
                ++line;
            } else if (c == '"') {
                throw CsvFormatError(line, "引用符（\"）の位置が正しくありません。");
            } else {
                value += c;
            }
            ++i;
        }
        if (quoted) throw CsvFormatError(record.line, "引用符（\"）が閉じられていません。");
        record.values.push_back(std::move(value));
        const std::string_view raw = text.substr(start, i - start);
        record.blank = raw.find_first_not_of("\r\n") == std::string_view::npos;
        records.push_back(std::move(record));
    }
    return records;
}

bool isValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t at = i;
        if (platform::utf8::next(s, i) == U'\uFFFD' &&
            s.substr(at, replacementCharacter.size()) != replacementCharacter) {
            return false;
        }
    }
    return true;
}

// Refuses a value the table would refuse, naming the line.
void checkValue(const FieldDef& field, const std::string& value, int line)
{
    const std::string where = "フィールド「" + field.name + "」";
    if (!isValidUtf8(value)) throw CsvFormatError(line, where + "の値が UTF-8 の文字列ではありません。");
    if (value.find('\0') != std::string::npos) throw CsvFormatError(line, where + "の値にNUL文字が含まれています。");
    switch (field.type) {
        case FieldType::Text:
            if (field.size > 0 && platform::utf8::codePointCount(value) > static_cast<std::size_t>(field.size)) {
                throw CsvFormatError(line, where + "には" + std::to_string(field.size) + "文字までしか入りません（「" +
                                               value + "」）。");
            }
            return;
        case FieldType::Memo:
            return;
        case FieldType::Integer:
        case FieldType::SmallInt:
        case FieldType::AutoInc: {
            if (value.find_first_not_of(" \t") == std::string::npos) return;
            int number = 0;
            try {
                number = platform::toInt(value);
            } catch (const platform::CommandError&) {
                throw CsvFormatError(line, where + "の値「" + value + "」は整数ではありません。");
            }
            if (field.type == FieldType::SmallInt && (number < smallIntMin || number > smallIntMax)) {
                throw CsvFormatError(line,
                                     where + "の値 " + std::to_string(number) + " が範囲（-32768～32767）の外です。");
            }
            if (field.type == FieldType::AutoInc && number < 1) {
                throw CsvFormatError(line, where + "の値 " + std::to_string(number) + " は1以上の番号ではありません。");
            }
            return;
        }
    }
}

}  // namespace

CsvFormatError::CsvFormatError(int line, const std::string& problem)
    : platform::CommandError("CSVファイルの" + std::to_string(line) + "行目: " + problem), line_(line)
{
}

void exportPersonsCsv(const PersonTable& persons, std::ostream& out)
{
    const std::unique_ptr<platform::Table> reader = persons.openReader();
    reader->selectIndex("");
    const auto& fieldList = reader->fields();
    for (std::size_t f = 0; f < fieldList.size(); ++f) {
        if (f > 0) out << ',';
        writeValue(out, fieldList[f].name);
    }
    out << "\r\n";
    if (reader->isEmpty()) return;
    for (bool more = reader->first(); more; more = reader->next()) {
        for (std::size_t f = 0; f < fieldList.size(); ++f) {
            if (f > 0) out << ',';
            writeValue(out, reader->text(fieldList[f].name));
        }
        out << "\r\n";
    }
}

int importPersonsCsv(PersonTable& persons, std::istream& in)
{
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark) text.erase(0, byteOrderMark.size());
    std::vector<CsvRecord> records = parseCsv(text);
    if (records.empty() || records.front().blank)
        throw CsvFormatError(1, "見出し行（フィールド名の並び）がありません。");

    // Header: which field each column fills.
    const auto& definition = PersonTable::definition().fields;
    std::map<std::string, std::size_t> fieldIndex;
    for (std::size_t f = 0; f < definition.size(); ++f) fieldIndex.emplace(definition[f].name, f);
    std::vector<std::size_t> columnField;
    std::set<std::size_t> seen;
    for (const std::string& name : records.front().values) {
        const auto it = fieldIndex.find(name);
        if (it == fieldIndex.end())
            throw CsvFormatError(1, "「" + name + "」は人名テーブルのフィールドではありません。");
        if (!seen.insert(it->second).second) throw CsvFormatError(1, "フィールド「" + name + "」が2回あります。");
        columnField.push_back(it->second);
    }

    const std::size_t noField = fieldIndex.at(std::string(fields::no));
    persons.leaveRow();  // a typed row is saved first, so "empty" means empty
    const bool keepNumbers = persons.openReader()->isEmpty();
    std::vector<std::vector<std::string>> rows;
    std::vector<int> rowLines;
    std::set<int> numbers;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (record.blank) continue;
        if (record.values.size() != columnField.size()) {
            throw CsvFormatError(record.line, "値の数（" + std::to_string(record.values.size()) +
                                                  "）が見出しの項目数（" + std::to_string(columnField.size()) +
                                                  "）と合いません。");
        }
        std::vector<std::string> row(definition.size());
        for (std::size_t c = 0; c < columnField.size(); ++c) {
            const FieldDef& field = definition[columnField[c]];
            const std::string value = restored(record.values[c]);
            checkValue(field, value, record.line);
            row[columnField[c]] = value;
        }
        if (!keepNumbers) {
            row[noField].clear();
        } else if (row[noField].find_first_not_of(" \t") != std::string::npos) {
            const int no = platform::toInt(row[noField]);
            if (!numbers.insert(no).second) {
                throw CsvFormatError(record.line, "「No」の値 " + std::to_string(no) + " が前の行と重複しています。");
            }
        }
        rows.push_back(std::move(row));
        rowLines.push_back(record.line);
    }
    // Rows without a number follow the largest number of the file, in file order, so
    // that a given number never meets one handed out before it.
    if (keepNumbers) {
        int last = numbers.empty() ? 0 : *numbers.rbegin();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r][noField].find_first_not_of(" \t") != std::string::npos) continue;
            if (last == INT_MAX) throw CsvFormatError(rowLines[r], "「No」の番号が上限に達しました。");
            rows[r][noField] = std::to_string(++last);
        }
    }
    persons.appendRows(rows);
    return static_cast<int>(rows.size());
}

}  // namespace celmora::records
