// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Every file under a folder with its size and a hash of its bytes, to show that a run
// left the folder exactly as it found it: no byte changed, no file added or removed
// (a "-wal", "-shm" or "-journal" file beside a table shows up as added).
//
// The hash is 64-bit FNV-1a over the whole file: not cryptographic, but any accidental
// change of a file (a page rewritten, an index added, a header counter bumped) changes
// it, and the size is compared as well.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ProgramDir.h"

namespace celmora::testing {

struct FileState {
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileState&) const = default;
};

// Relative path (with "/") -> state.
using FolderSnapshot = std::map<std::string, FileState>;

inline std::uint64_t fileHash(const std::filesystem::path& file)
{
    constexpr std::uint64_t offsetBasis = 14695981039346656037ull;
    constexpr std::uint64_t prime = 1099511628211ull;
    std::uint64_t hash = offsetBasis;
    std::ifstream in(file, std::ios::binary);
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * prime;
        }
    }
    return hash;
}

// Every regular file below `folder` (symbolic links are not followed), except those
// for which `skip` is true (it gets the relative path). A missing folder is empty.
inline FolderSnapshot snapshotFolder(const std::filesystem::path& folder,
                                     const std::function<bool(const std::string& relative)>& skip = {})
{
    namespace fs = std::filesystem;
    FolderSnapshot snapshot;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file(ec) || it->is_symlink(ec)) continue;
        const std::string relative = it->path().lexically_relative(folder).generic_string();
        if (skip && skip(relative)) continue;
        snapshot[relative] = FileState{it->file_size(ec), fileHash(it->path())};
    }
    return snapshot;
}

// The program folder `dirs.root()` without the user's writable files that the program
// keeps there when the folder is writable (the person tables and the settings file):
// the installed data and the executables.
inline FolderSnapshot snapshotProgramFolder(const platform::ProgramDir& dirs)
{
    namespace fs = std::filesystem;
    const fs::path root(dirs.root());
    const std::string persons = fs::path(dirs.personDir()).lexically_relative(root).generic_string() + "/";
    const std::string settings = fs::path(dirs.settingsFile()).lexically_relative(root).generic_string();
    return snapshotFolder(
        root, [&](const std::string& relative) { return relative.starts_with(persons) || relative == settings; });
}

// One line per difference: "changed: x", "added: y", "removed: z"; empty when equal.
inline std::vector<std::string> snapshotDifferences(const FolderSnapshot& before, const FolderSnapshot& after)
{
    std::vector<std::string> lines;
    for (const auto& [path, state] : before) {
        const auto it = after.find(path);
        if (it == after.end()) {
            lines.push_back("removed: " + path);
        } else if (!(it->second == state)) {
            lines.push_back("changed: " + path);
        }
    }
    for (const auto& [path, state] : after) {
        if (before.count(path) == 0) lines.push_back("added: " + path);
    }
    return lines;
}

// A snapshot as text, one file a line: size, hash, path (the path last: it may hold
// blanks).
inline std::string snapshotText(const FolderSnapshot& snapshot)
{
    std::ostringstream out;
    for (const auto& [path, state] : snapshot) out << state.size << ' ' << state.hash << ' ' << path << '\n';
    return out.str();
}

inline FolderSnapshot parseSnapshot(const std::string& text)
{
    FolderSnapshot snapshot;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        FileState state;
        if (!(fields >> state.size >> state.hash)) continue;
        fields.get();  // the blank before the path
        std::string path;
        std::getline(fields, path);
        snapshot[path] = state;
    }
    return snapshot;
}

}  // namespace celmora::testing
