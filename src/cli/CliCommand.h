// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// One sub-command of celmora-cli. Each command lives in its own file and is listed
// once in main.cpp's registry.

#include <iosfwd>
#include <string>
#include <vector>

namespace celmora::core {
struct BirthInput;
}

namespace celmora::cli {

class CliSession;

// Exit status of every command.
namespace exitcode {
inline constexpr int completed = 0;
inline constexpr int error = 1;    // an error ended the command (or the command line was wrong)
inline constexpr int refused = 2;  // the input was refused with a message
}  // namespace exitcode

struct CliCommand {
    const char* name;
    const char* summary;  // one line for --help
    const char* usage;    // the command's options, for "<command> --help"
    // `args` are the arguments after the command name, global options removed.
    int (*run)(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Thrown for a malformed command line; main prints it with the command's usage.
struct UsageError {
    std::string message;
};

CliCommand diagnoseCommand();
CliCommand wheelCommand();
CliCommand personsCommand();
CliCommand printPageCommand();

// The birth options shared by the commands that diagnose a chart (--name, --date,
// --time, --sex, --place, --diff); anything else is a UsageError.
core::BirthInput parseBirthInput(const std::vector<std::string>& args);

}  // namespace celmora::cli
