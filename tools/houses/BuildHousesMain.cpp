// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// celmora-build-houses OUTPUT_FOLDER
//
// Writes the six city tables OUTPUT_FOLDER/<city>.db (1440 rows each).

#include <swephexp.h>

#include <cstdio>
#include <exception>

#include "HouseTableRows.h"
#include "TableFiles.h"
#include "platform/Table.h"

int main(int argc, char** argv)
{
    using namespace celmora;
    if (argc != 2) {
        std::fprintf(stderr, "使い方: celmora-build-houses 出力フォルダ\n");
        return 2;
    }
    try {
        auto engine = platform::makeSqliteTableEngine();
        const platform::TableDef def = datagen::houseTableDef();
        for (const datagen::HouseCity& city : datagen::houseCities) {
            datagen::writeTableAtomically(*engine, argv[1], city.tableName, def, datagen::houseTableRows(city.latitude),
                                          datagen::houseTableIndexes());
        }
        swe_close();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "celmora-build-houses: %s\n", error.what());
        return 1;
    }
}
