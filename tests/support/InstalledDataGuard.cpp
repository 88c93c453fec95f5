// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// installed_data_guard record|check PROGRAM_DIR MANIFEST
//
// The two ends of a test run (CTest runs "record" before every test and "check" after
// the last one): "record" writes the size and hash of every file of the program folder
// into MANIFEST; "check" compares the folder with it and fails, naming each file, when
// a byte changed or a file was added or removed. The user's writable files, which the
// program keeps beside itself when that folder is writable, are left out: the person
// tables and the settings file.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/ProgramDir.h"
#include "support/FolderSnapshot.h"

int main(int argc, char** argv)
{
    using namespace celmora;
    const std::string mode = argc == 4 ? argv[1] : "";
    if (mode != "record" && mode != "check") {
        std::fprintf(stderr, "usage: installed_data_guard record|check PROGRAM_DIR MANIFEST\n");
        return 2;
    }
    const platform::ProgramDir dirs(argv[2], argv[2]);
    const std::string manifest = argv[3];
    const auto now = testing::snapshotProgramFolder(dirs);

    if (mode == "record") {
        std::ofstream out(manifest, std::ios::binary | std::ios::trunc);
        out << testing::snapshotText(now);
        if (!out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", manifest.c_str());
            return 1;
        }
        std::printf("%zu files of %s recorded\n", now.size(), dirs.root().c_str());
        return 0;
    }

    std::ifstream in(manifest, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "no record %s: the recording test did not run\n", manifest.c_str());
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const auto differences = testing::snapshotDifferences(testing::parseSnapshot(text.str()), now);
    for (const std::string& line : differences) std::printf("%s\n", line.c_str());
    if (!differences.empty()) {
        std::printf("the test run changed %zu files of the program folder %s\n", differences.size(),
                    dirs.root().c_str());
        return 1;
    }
    std::printf("%zu files of %s unchanged\n", now.size(), dirs.root().c_str());
    return 0;
}
