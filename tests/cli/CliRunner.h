// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// celmora-cli run as a separate process from the build's program folder, the way a
// shell runs it: the arguments quoted, standard output captured and read as JSON.

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace celmora::testing {

// One run of the program.
struct CliRun {
    int status = -1;              // exit status; -1 when it could not be started or did not exit
    std::string out;              // standard output
    std::string err;              // standard error, when runCli was given a file for it
    nlohmann::ordered_json json;  // `out` parsed; is_discarded() when it is no JSON (usage errors)
};

// `arg` between single quotes for the shell, any single quote inside kept.
inline std::string shellQuoted(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The bytes of a file; empty when it cannot be read.
inline std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `program` with `args`, with `environment` ("NAME=value ...", shell-quoted by
// the caller) added to its environment. Standard error is written to `errFile` and
// read back into `err`; without a file it is thrown away.
inline CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& errFile = {}, const std::string& environment = {})
{
    std::string command = environment.empty() ? "" : "env " + environment + " ";
    command += shellQuoted(program);
    for (const auto& a : args) command.append(" ").append(shellQuoted(a));
    command.append(" 2>").append(errFile.empty() ? std::string("/dev/null") : shellQuoted(errFile));
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (!errFile.empty()) run.err = fileText(errFile);
    run.json = nlohmann::ordered_json::parse(run.out, nullptr, false);
    return run;
}

// The program of this build: CELMORA_PROGRAM_DIR/celmora-cli.
inline std::string cliProgram()
{
    return std::string(CELMORA_PROGRAM_DIR) + "/celmora-cli";
}

// Runs the program of this build with `args`; standard error as for runProgram.
inline CliRun runCli(const std::vector<std::string>& args, const std::string& errFile = {})
{
    return runProgram(cliProgram(), args, errFile);
}

}  // namespace celmora::testing
