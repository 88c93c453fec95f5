// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// TSV source -> checked rows -> table. A source is UTF-8, one record a line; the first
// line names the fields in table order; fields are separated by tabs, and inside a
// field "\t", "\n" and "\\" stand for a tab, a line break and a backslash. Any other
// backslash sequence is refused, so a stray backslash never slips into a reading.
//
// A source with any fault is refused as a whole and nothing is written: the table
// either gets every row or keeps what it was. A table written in several parts is
// refused when any part is faulty or missing.

#include <filesystem>
#include <string>
#include <vector>

#include "TextTableSchema.h"
#include "platform/Table.h"

namespace celmora::texttables {

struct Diagnostic {
    std::string file;   // as the user named it (relative to the sources root)
    int line = 0;       // 1-based physical line; 0 for the file as a whole
    std::string field;  // empty when the fault is not in one field
    std::string message;

    // "bunsyodb/ASPBUN.tsv:12: 「アスペクト」: …"
    std::string text() const;
};

struct SourceCheck {
    std::vector<std::vector<std::string>> rows;  // unescaped values in field order
    std::vector<Diagnostic> errors;
    bool ok() const { return errors.empty(); }
};

// Reads every part `sourcesRoot / table.sources[i]` in turn and checks them against
// the schema as one table: the header of each part, then the rows of all parts (keys
// unique across parts, maxRows over the sum). A missing part is a fault.
SourceCheck checkSource(const TableSchema& table, const std::filesystem::path& sourcesRoot);

// Checks the source and, when it is clean, writes "<outRoot>/<folder>/<name>.db".
// Returns the faults (empty on success). Engine errors are thrown as TableError.
std::vector<Diagnostic> compileTable(platform::TableEngine& engine, const TableSchema& table,
                                     const std::filesystem::path& sourcesRoot, const std::filesystem::path& outRoot);

}  // namespace celmora::texttables
