// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The description of every text table the compiler builds, read from a JSON file
// (data/texttables.json): where the source lives, the folder and name of the table,
// each field's type and size, and the rules a source must meet. The rules exist
// because the program looks rows up by exact text: a sign written "牡羊座" instead of
// "牡羊", or a pair written in the wrong body order, would simply never be found.
//
// Per table:
//   "name", "folder"        table name (no extension) and sub-folder of the program folder
//   "source" | "sources"    TSV path relative to the sources root, or a list of such
//                           paths for a table written in parts: each part carries the
//                           header row, the rows are joined in list order, and the
//                           rules below hold across all parts. Every listed part must
//                           exist; a table is never built from some of its parts.
//   "fields"                in table order: "name", "type" (text | memo | integer |
//                           smallint), "size" (text: characters), "required" (non-empty),
//                           "oneOf" (allowed values; "@bodies" and "@signs" stand for the
//                           system's body and sign names), "min"/"max" (integers)
//   "unique"                field names whose combined values may occur once
//   "primaryIndex"          number of leading fields forming the engine's primary index;
//                           0 keeps the source order as table order (needed wherever the
//                           program scans for the first matching row)
//   "ascending"             {"fields": [...], "order": "@bodies"}: the values of these
//                           fields must stand in strictly increasing list order
//   "leader"                {"field", "value", "group": [...]}: within a group of rows with
//                           equal group fields, the row holding `value` must come first
//   "maxRows"               upper limit of rows

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Table.h"

namespace celmora::texttables {

struct FieldRule {
    std::string name;
    platform::FieldType type = platform::FieldType::Text;
    int size = 0;  // Text: maximum characters
    bool required = false;
    std::vector<std::string> oneOf;  // empty: any value
    std::string allowedDescription;  // how messages name the allowed values ("星座名, ASP")
    std::optional<long long> min, max;
};

struct AscendingRule {
    std::vector<std::string> fields;
    std::vector<std::string> order;
};

struct LeaderRule {
    std::string field;
    std::string value;
    std::vector<std::string> group;
};

struct TableSchema {
    std::string name;
    std::string folder;
    std::vector<std::string> sources;  // one or more, in row order
    std::vector<FieldRule> fields;
    std::vector<std::string> unique;
    int primaryIndex = 0;
    std::optional<AscendingRule> ascending;
    std::optional<LeaderRule> leader;
    std::optional<int> maxRows;

    platform::TableDef tableDef() const;
    // The sources as messages name them ("a.tsv、b.tsv").
    std::string sourceList() const;
    // Position of a field in table order, or -1.
    int fieldIndex(const std::string& field) const;
};

// Throws std::runtime_error naming the schema file and the faulty entry.
std::vector<TableSchema> loadSchema(const std::filesystem::path& schemaFile);

}  // namespace celmora::texttables
