// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// celmora-build-texttables --schema FILE --sources DIR (--out PROGRAM_DIR | --check) [TABLE...]
//
// Compiles the TSV sources of the named tables (when none are named: all tables of the
// schema with at least one source present; a table with a part missing is then refused,
// not skipped) into PROGRAM_DIR/<folder>/<name>.db. With --check the
// sources are only checked. Every fault of every source is listed before the exit.
// Exit status: 0 done, 1 a source was refused, 2 wrong usage or unreadable schema.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "TextTableCompiler.h"
#include "TextTableSchema.h"
#include "platform/Table.h"

namespace {

namespace fs = std::filesystem;
using namespace celmora;

constexpr std::size_t maxShownFaults = 200;

int usage()
{
    std::fprintf(stderr,
                 "使い方: celmora-build-texttables --schema スキーマ.json --sources ソースフォルダ "
                 "(--out プログラムフォルダ | --check) [テーブル名...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    fs::path schemaFile, sources, out;
    bool checkOnly = false;
    std::vector<std::string> wanted;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--schema" && hasValue) {
            schemaFile = fs::u8path(argv[++i]);
        } else if (arg == "--sources" && hasValue) {
            sources = fs::u8path(argv[++i]);
        } else if (arg == "--out" && hasValue) {
            out = fs::u8path(argv[++i]);
        } else if (arg == "--check") {
            checkOnly = true;
        } else if (!arg.empty() && arg[0] != '-') {
            wanted.push_back(arg);
        } else {
            return usage();
        }
    }
    if (schemaFile.empty() || sources.empty() || (out.empty() && !checkOnly)) return usage();

    std::vector<texttables::TableSchema> schema;
    try {
        schema = texttables::loadSchema(schemaFile);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "celmora-build-texttables: %s\n", error.what());
        return 2;
    }

    std::vector<const texttables::TableSchema*> tables;
    for (const std::string& name : wanted) {
        const texttables::TableSchema* found = nullptr;
        for (const auto& table : schema) {
            if (table.name == name) found = &table;
        }
        if (!found) {
            std::fprintf(stderr, "celmora-build-texttables: スキーマにないテーブルです: %s\n", name.c_str());
            return 2;
        }
        tables.push_back(found);
    }
    if (wanted.empty()) {
        for (const auto& table : schema) {
            const bool present = std::any_of(table.sources.begin(), table.sources.end(), [&](const std::string& part) {
                return fs::exists(sources / fs::u8path(part));
            });
            if (present) tables.push_back(&table);
        }
    }

    bool refused = false;
    try {
        auto engine = platform::makeSqliteTableEngine();
        for (const texttables::TableSchema* table : tables) {
            std::vector<texttables::Diagnostic> faults = checkOnly
                                                             ? texttables::checkSource(*table, sources).errors
                                                             : texttables::compileTable(*engine, *table, sources, out);
            for (std::size_t i = 0; i < faults.size() && i < maxShownFaults; ++i)
                std::fprintf(stderr, "%s\n", faults[i].text().c_str());
            if (faults.size() > maxShownFaults)
                std::fprintf(stderr, "%s: ほか %zu 件\n", table->sourceList().c_str(), faults.size() - maxShownFaults);
            if (!faults.empty()) {
                std::fprintf(stderr, "%s: 取り込みを中止しました（テーブル %s は書き換えていません）\n",
                             table->sourceList().c_str(), table->name.c_str());
                refused = true;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "celmora-build-texttables: %s\n", error.what());
        return 1;
    }
    return refused ? 1 : 0;
}
