// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TableFiles.h"

#include <unistd.h>

#include <system_error>

namespace celmora::datagen {

namespace fs = std::filesystem;

fs::path tableFile(const fs::path& folder, const std::string& name)
{
    return folder / fs::u8path(name + ".db");
}

void writeTableAtomically(platform::TableEngine& engine, const fs::path& folder, const std::string& name,
                          const platform::TableDef& def, const std::vector<std::vector<std::string>>& rows,
                          const std::vector<SecondaryIndex>& indexes)
{
    fs::create_directories(folder);
    // The pid keeps parallel builders (one process per year range) out of each other's way;
    // the table keeps its own name inside the private folder, so nothing stored in the
    // file refers to a temporary name.
    const fs::path work = folder / fs::u8path(".building-" + name + "-" + std::to_string(::getpid()));
    std::error_code ignored;
    fs::remove_all(work, ignored);
    fs::create_directories(work);
    try {
        {
            // Installed data is read far more than written, mostly for a few lookups.
            platform::TableDef published = def;
            published.journal = platform::Journal::Rollback;
            auto table = engine.create(work.string(), name, published);
            platform::bulkInsert(*table, rows);
            for (const SecondaryIndex& index : indexes) table->addIndex(index.name, index.field);
            platform::sealForInstallation(*table);
        }  // closed here: the file is complete on disk before it is moved
        fs::rename(tableFile(work, name), tableFile(folder, name));
    } catch (...) {
        fs::remove_all(work, ignored);
        throw;
    }
    fs::remove_all(work, ignored);
}

}  // namespace celmora::datagen
