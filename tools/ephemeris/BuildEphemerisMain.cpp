// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// celmora-build-ephemeris OUTPUT_FOLDER FIRST_YEAR LAST_YEAR [JOBS]
//
// Writes OUTPUT_FOLDER/<year>.db for every year of the range. The astronomy library
// keeps global state and is not thread-safe, so the years are spread over JOBS forked
// processes: year i of the range goes to process i mod JOBS.

#include "EphemerisYear.h"
#include "TableFiles.h"

#include "platform/Table.h"

#include <swephexp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace celmora;

int usage()
{
    std::fprintf(stderr, "使い方: celmora-build-ephemeris 出力フォルダ 開始年 終了年 [並列数]\n");
    return 2;
}

bool parseInt(const char* text, int& value)
{
    try {
        std::size_t used = 0;
        value = std::stoi(text, &used);
        return used == std::string(text).size();
    } catch (const std::exception&) {
        return false;
    }
}

// Builds every year of the share of process `job`; returns the process exit status.
int buildShare(const std::string& folder, int first, int last, int job, int jobs)
{
    try {
        auto engine = platform::makeSqliteTableEngine();
        const platform::TableDef def = datagen::ephemerisTableDef();
        for (int year = first + job; year <= last; year += jobs) {
            datagen::writeTableAtomically(*engine, folder, std::to_string(year), def,
                                          datagen::ephemerisYearRows(year));
        }
        swe_close();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "celmora-build-ephemeris: %s\n", error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5) return usage();
    int first = 0, last = 0, jobs = 1;
    if (!parseInt(argv[2], first) || !parseInt(argv[3], last) || (argc == 5 && !parseInt(argv[4], jobs)))
        return usage();
    if (first > last || first < 1 || jobs < 1) return usage();
    const std::string folder = argv[1];
    if (jobs > last - first + 1) jobs = last - first + 1;
    if (jobs == 1) return buildShare(folder, first, last, 0, 1);

    std::fflush(nullptr);
    std::vector<pid_t> children;
    for (int job = 0; job < jobs; ++job) {
        const pid_t pid = ::fork();
        if (pid < 0) {
            std::perror("celmora-build-ephemeris: fork");
            break;
        }
        if (pid == 0) _exit(buildShare(folder, first, last, job, jobs));
        children.push_back(pid);
    }
    bool ok = static_cast<int>(children.size()) == jobs;
    for (pid_t child : children) {
        int status = 0;
        if (::waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) ok = false;
    }
    return ok ? 0 : 1;
}
