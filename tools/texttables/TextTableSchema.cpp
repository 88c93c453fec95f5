// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TextTableSchema.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "core/ChartPoints.h"
#include "core/calc1Unit.h"

namespace celmora::texttables {

namespace {

using nlohmann::json;

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& where, const std::string& what)
{
    throw std::runtime_error(file.string() + ": " + where + ": " + what);
}

std::vector<std::string> namedList(const std::string& reference)
{
    std::vector<std::string> values;
    if (reference == "@bodies") {
        for (auto name : core::pointNames) values.emplace_back(name);
    } else if (reference == "@signs") {
        for (auto name : core::signNames) values.emplace_back(name);
    }
    return values;
}

// "oneOf" entries: literal values, or "@bodies" / "@signs" expanded in place.
void expandValues(const json& list, FieldRule& rule, const std::filesystem::path& file, const std::string& where)
{
    for (const json& entry : list) {
        if (!entry.is_string()) fail(file, where, "oneOf entries must be strings");
        const std::string text = entry.get<std::string>();
        std::string description;
        if (!text.empty() && text[0] == '@') {
            auto named = namedList(text);
            if (named.empty()) fail(file, where, "unknown list " + text);
            rule.oneOf.insert(rule.oneOf.end(), named.begin(), named.end());
            description = text == "@bodies" ? "天体名" : "星座名";
        } else {
            rule.oneOf.push_back(text);
            description = "「" + text + "」";
        }
        if (!rule.allowedDescription.empty()) rule.allowedDescription += "、";
        rule.allowedDescription += description;
    }
}

platform::FieldType parseType(const std::string& type, const std::filesystem::path& file, const std::string& where)
{
    if (type == "text") return platform::FieldType::Text;
    if (type == "memo") return platform::FieldType::Memo;
    if (type == "integer") return platform::FieldType::Integer;
    if (type == "smallint") return platform::FieldType::SmallInt;
    fail(file, where, "unknown type \"" + type + "\"");
}

std::vector<std::string> stringList(const json& list, const std::filesystem::path& file, const std::string& where)
{
    std::vector<std::string> values;
    if (!list.is_array()) fail(file, where, "expected a list of strings");
    for (const json& entry : list) {
        if (!entry.is_string()) fail(file, where, "expected a list of strings");
        values.push_back(entry.get<std::string>());
    }
    return values;
}

void requireField(const TableSchema& table, const std::string& field, const std::filesystem::path& file,
                  const std::string& where)
{
    if (table.fieldIndex(field) < 0) fail(file, where, "no field \"" + field + "\" in table " + table.name);
}

TableSchema parseTable(const json& entry, const std::filesystem::path& file)
{
    TableSchema table;
    try {
        table.name = entry.at("name").get<std::string>();
        table.folder = entry.at("folder").get<std::string>();
    } catch (const json::exception& error) {
        fail(file, "table", error.what());
    }
    const std::string where = "table " + table.name;
    const bool single = entry.contains("source"), parts = entry.contains("sources");
    if (single == parts) fail(file, where, "give either \"source\" or \"sources\"");
    try {
        if (single) {
            table.sources.push_back(entry.at("source").get<std::string>());
        } else {
            table.sources = stringList(entry.at("sources"), file, where + " sources");
        }
    } catch (const json::exception& error) {
        fail(file, where, error.what());
    }
    if (table.sources.empty()) fail(file, where + " sources", "the list is empty");
    for (std::size_t i = 0; i < table.sources.size(); ++i) {
        if (table.sources[i].empty()) fail(file, where + " sources", "empty path");
        for (std::size_t k = 0; k < i; ++k) {
            if (table.sources[k] == table.sources[i])
                fail(file, where + " sources", table.sources[i] + " listed twice");
        }
    }
    for (const json& f : entry.at("fields")) {
        FieldRule rule;
        try {
            rule.name = f.at("name").get<std::string>();
            rule.type = parseType(f.at("type").get<std::string>(), file, where);
            rule.size = f.value("size", 0);
            rule.required = f.value("required", false);
            if (f.contains("oneOf")) expandValues(f.at("oneOf"), rule, file, where + " field " + rule.name);
            if (f.contains("min")) rule.min = f.at("min").get<long long>();
            if (f.contains("max")) rule.max = f.at("max").get<long long>();
        } catch (const json::exception& error) {
            fail(file, where, error.what());
        }
        if (rule.type == platform::FieldType::Text && rule.size <= 0)
            fail(file, where + " field " + rule.name, "a text field needs a positive size");
        if (table.fieldIndex(rule.name) >= 0) fail(file, where, "field " + rule.name + " declared twice");
        table.fields.push_back(std::move(rule));
    }
    if (table.fields.empty()) fail(file, where, "no fields");
    if (entry.contains("unique")) table.unique = stringList(entry.at("unique"), file, where + " unique");
    for (const std::string& field : table.unique) requireField(table, field, file, where + " unique");
    table.primaryIndex = entry.value("primaryIndex", 0);
    if (table.primaryIndex < 0 || table.primaryIndex > static_cast<int>(table.fields.size()))
        fail(file, where, "primaryIndex out of range");
    if (entry.contains("ascending")) {
        const json& a = entry.at("ascending");
        AscendingRule rule;
        rule.fields = stringList(a.at("fields"), file, where + " ascending");
        rule.order = namedList(a.at("order").get<std::string>());
        if (rule.order.empty()) fail(file, where + " ascending", "order must be @bodies or @signs");
        for (const std::string& field : rule.fields) requireField(table, field, file, where + " ascending");
        table.ascending = std::move(rule);
    }
    if (entry.contains("leader")) {
        const json& l = entry.at("leader");
        LeaderRule rule;
        rule.field = l.at("field").get<std::string>();
        rule.value = l.at("value").get<std::string>();
        rule.group = stringList(l.at("group"), file, where + " leader");
        requireField(table, rule.field, file, where + " leader");
        for (const std::string& field : rule.group) requireField(table, field, file, where + " leader");
        table.leader = std::move(rule);
    }
    if (entry.contains("maxRows")) table.maxRows = entry.at("maxRows").get<int>();
    return table;
}

}  // namespace

platform::TableDef TableSchema::tableDef() const
{
    platform::TableDef def;
    for (const FieldRule& rule : fields) {
        def.fields.push_back(
            {rule.name, rule.type, rule.type == platform::FieldType::Text ? rule.size : 0, rule.required});
    }
    def.primaryKeyFields = primaryIndex;
    return def;
}

std::string TableSchema::sourceList() const
{
    std::string out;
    for (const std::string& source : sources) out += (out.empty() ? "" : "、") + source;
    return out;
}

int TableSchema::fieldIndex(const std::string& field) const
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == field) return static_cast<int>(i);
    }
    return -1;
}

std::vector<TableSchema> loadSchema(const std::filesystem::path& schemaFile)
{
    std::ifstream in(schemaFile, std::ios::binary);
    if (!in) throw std::runtime_error(schemaFile.string() + ": cannot be read");
    json document;
    try {
        document = json::parse(in);
    } catch (const json::exception& error) {
        fail(schemaFile, "JSON", error.what());
    }
    std::vector<TableSchema> tables;
    if (!document.contains("tables") || !document.at("tables").is_array())
        fail(schemaFile, "top level", "no \"tables\" list");
    for (const json& entry : document.at("tables")) {
        TableSchema table = parseTable(entry, schemaFile);
        for (const TableSchema& other : tables) {
            if (other.name == table.name && other.folder == table.folder)
                fail(schemaFile, table.name, "declared twice");
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

}  // namespace celmora::texttables
