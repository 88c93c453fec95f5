// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// celmora-cli: the workstation's computations from the command line.
//
//   celmora-cli [--program-dir DIR] [--user-dir DIR] [--now YYYY/MM/DD] COMMAND [options]
//
// The global options may stand anywhere on the line. Each command prints JSON on
// standard output; see CliCommand.h for the exit statuses.

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "platform/ProgramDir.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using celmora::cli::CliCommand;
namespace exitcode = celmora::cli::exitcode;

// Every command, one line each.
std::vector<CliCommand> commands()
{
    return {
        celmora::cli::diagnoseCommand(),
        celmora::cli::personsCommand(),
#ifdef CELMORA_CLI_PRINT
        celmora::cli::printPageCommand(),
#endif
#ifdef CELMORA_CLI_WHEEL
        celmora::cli::wheelCommand(),
#endif
    };
}

void printHelp(std::ostream& out)
{
    out << "usage: celmora-cli [--program-dir DIR] [--user-dir DIR] [--now YYYY/MM/DD] COMMAND [options]\n"
           "       celmora-cli version | --help | COMMAND --help\n\n"
           "  --program-dir DIR  program folder holding db/, precidus/, ... (default: this program's folder)\n"
           "  --user-dir DIR     folder for the writable files: person lists, celmora.ini\n"
           "                     (default: the program folder, or the user's data folder when that is read-only)\n"
           "  --now YYYY/MM/DD   today's date for the computation (default: the system clock)\n\n"
           "commands:\n";
    std::size_t width = 0;
    for (const CliCommand& c : commands()) width = std::max(width, std::string_view(c.name).size());
    for (const CliCommand& c : commands()) {
        const std::string_view name(c.name);
        out << "  " << name << std::string(width - name.size() + 2, ' ') << c.summary << '\n';
    }
    out << "\nexit status: 0 completed, 2 input refused with a message, 1 an error ended the command\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string programDir;
    std::string userDir;
    std::optional<celmora::platform::Date> today;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--program-dir" || a == "--user-dir" || a == "--now") {
            if (i + 1 >= args.size()) {
                std::cerr << "celmora-cli: " << a << " needs a value\n";
                return exitcode::error;
            }
            const std::string& v = args[++i];
            if (a == "--program-dir") {
                programDir = v;
            } else if (a == "--user-dir") {
                userDir = v;
            } else if (!(today = celmora::cli::parseCliDate(v))) {
                std::cerr << "celmora-cli: --now expects YYYY/MM/DD, got " << v << '\n';
                return exitcode::error;
            }
        } else {
            rest.push_back(a);
        }
    }
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
        printHelp(rest.empty() ? std::cerr : std::cout);
        return rest.empty() ? exitcode::error : exitcode::completed;
    }
    if (rest[0] == "version" || rest[0] == "--version") {
        std::cout << "celmora-cli " << CELMORA_VERSION << '\n';
        return exitcode::completed;
    }

    for (const CliCommand& command : commands()) {
        if (rest[0] != command.name) continue;
        const std::vector<std::string> commandArgs(rest.begin() + 1, rest.end());
        if (!commandArgs.empty() && (commandArgs[0] == "--help" || commandArgs[0] == "-h")) {
            std::cout << command.usage;
            return exitcode::completed;
        }
        try {
            if (programDir.empty()) programDir = celmora::platform::ProgramDir::executableDir();
            celmora::cli::CliSession session(programDir, today, userDir);
            return command.run(session, commandArgs, std::cout, std::cerr);
        } catch (const celmora::cli::UsageError& e) {
            std::cerr << "celmora-cli " << command.name << ": " << e.message << '\n' << command.usage;
            return exitcode::error;
        }
    }
    std::cerr << "celmora-cli: unknown command " << rest[0] << "\n\n";
    printHelp(std::cerr);
    return exitcode::error;
}
