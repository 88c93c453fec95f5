// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The drawing commands (wheel, print-page) need the toolkit's painter and font system;
// they live in a module of their own, celmora-cli-render.so beside the executable, so
// that the computing commands start without loading the toolkit at all:
//
//   celmora-cli (no toolkit) --dlopen on first use--> celmora-cli-render.so (toolkit)
//
// The executable owns the command line and the help texts; the module builds its own
// session from the folders the executable resolved and runs the command in it.
//
// Only plain C data crosses: the executable carries its own copy of the C++ runtime and
// of SQLite (linked in for a fast start), the module and the toolkit use the shared
// ones. So no C++ object, stream or exception crosses the boundary, and the executable
// has no table open while the module runs (two copies of SQLite must never hold the
// same file in one process).

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace celmora::cli {

class CliSession;

namespace render {

inline constexpr const char* moduleFileName = "celmora-cli-render.so";
inline constexpr const char* entryName = "celmora_cli_render_run";
// Raised whenever Call or Result change shape or meaning.
inline constexpr int interfaceVersion = 1;

// What the module writes back through Call::write.
enum Stream : int {
    standardOutput = 1,
    standardError = 2,
    usageMessage = 3,  // the command line was malformed: main prints this with the usage
};

struct Call {
    int interfaceVersion;     // first, so that a module of any version can check it
    const char* version;      // the program version; the module refuses another
    const char* command;      // "wheel", "print-page"
    const char* programDir;   // the data folder the executable resolved
    const char* writableDir;  // and the folder of the writable files
    int year, month, day;     // today's date for the computation
    int argCount;             // the arguments after the command name
    const char* const* args;
    void* sink;  // handed back to write
    void (*write)(void* sink, int stream, const char* text, std::size_t size);
};

enum Outcome : int {
    ran = 0,             // `status` is the command's exit status
    usageRefused = 1,    // the command line was malformed (usageMessage says why)
    otherVersion = 2,    // the module belongs to another version: nothing was run
    unknownCommand = 3,  // the module was built without the command
};

struct Result {
    int outcome;
    int status;
};

// The module's one exported function, looked up as `entryName`.
using Entry = Result (*)(const Call* call);

}  // namespace render

// Executable side: loads the module beside the executable (once) and runs `command` in
// it. A missing or unusable module ends the command with exit status 1 and a Japanese
// message naming the file and what is wrong with it.
int runInRenderModule(const char* command, CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);

// Module side: the commands themselves.
int runWheel(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runPrintPage(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace celmora::cli
