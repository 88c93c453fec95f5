// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The drawing module's one exported function (see RenderModule.h); everything else in
// the module is hidden, the static libraries it holds included.

#include <cstring>
#include <exception>
#include <sstream>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/RenderModule.h"
#include "platform/EventBoundary.h"

namespace {

namespace render = celmora::cli::render;
using celmora::cli::CliSession;
using Runner = int (*)(CliSession&, const std::vector<std::string>&, std::ostream&, std::ostream&);

Runner runnerFor(std::string_view command)
{
#ifdef CELMORA_CLI_WHEEL
    if (command == "wheel") return &celmora::cli::runWheel;
#endif
#ifdef CELMORA_CLI_PRINT
    if (command == "print-page") return &celmora::cli::runPrintPage;
#endif
    static_cast<void>(command);
    return nullptr;
}

void send(const render::Call& call, int stream, const std::string& text)
{
    if (!text.empty()) call.write(call.sink, stream, text.data(), text.size());
}

}  // namespace

extern "C" __attribute__((visibility("default"))) render::Result celmora_cli_render_run(const render::Call* call)
{
    if (call->interfaceVersion != render::interfaceVersion || std::strcmp(call->version, CELMORA_VERSION) != 0) {
        return {render::otherVersion, 0};
    }
    const Runner run = runnerFor(call->command);
    if (run == nullptr) return {render::unknownCommand, 0};

    const std::vector<std::string> args(call->args, call->args + call->argCount);
    std::ostringstream out;
    std::ostringstream err;
    render::Result result{render::ran, celmora::cli::exitcode::error};
    try {
        CliSession session(call->programDir, celmora::platform::Date{call->year, call->month, call->day},
                           call->writableDir);
        result.status = run(session, args, out, err);
    } catch (const celmora::cli::UsageError& e) {
        result.outcome = render::usageRefused;
        send(*call, render::usageMessage, e.message);
    } catch (const std::exception& e) {
        // The commands report their own errors; this is only what escaped them.
        err << "celmora-cli " << call->command << ": " << celmora::platform::internalErrorText(e.what()) << '\n';
    }
    send(*call, render::standardOutput, out.str());
    send(*call, render::standardError, err.str());
    return result;
}
