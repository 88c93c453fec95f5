// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Writing a whole data table so that nobody ever sees half of it: the table is built
// in a private folder beside its final place and the finished file is renamed over
// the old one (a rename within one file system is atomic). A failed or interrupted
// build leaves the previous table, or none, but never a partial one. The table keeps a
// rollback journal (platform::Journal::Rollback), as installed data is mostly read.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Table.h"

namespace celmora::datagen {

// Creates `folder` when needed. Rows are value lists in field order; any engine error
// (an over-long text, a duplicate key) is rethrown after the private folder is removed.
void writeTableAtomically(platform::TableEngine& engine, const std::filesystem::path& folder, const std::string& name,
                          const platform::TableDef& def, const std::vector<std::vector<std::string>>& rows);

// The file the engine keeps a table in: "<folder>/<name>.db".
std::filesystem::path tableFile(const std::filesystem::path& folder, const std::string& name);

}  // namespace celmora::datagen
