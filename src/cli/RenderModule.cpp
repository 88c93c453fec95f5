// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/RenderModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/CommandReport.h"
#include "platform/Clock.h"
#include "platform/ProgramDir.h"

namespace celmora::cli {

namespace {

// Beside the executable, whatever --program-dir says: the module belongs to the
// program, not to the data folder.
std::string modulePath()
{
    return (std::filesystem::path(platform::ProgramDir::executableDir()) / render::moduleFileName).string();
}

struct LoadedModule {
    std::string path;
    render::Entry entry = nullptr;
    std::string problem;  // why there is no entry
};

// Loaded once and never unloaded: the toolkit registers exit handlers of its own.
const LoadedModule& loadModule()
{
    static const LoadedModule loaded = [] {
        LoadedModule m;
        m.path = modulePath();
        std::error_code ec;
        if (!std::filesystem::exists(m.path, ec)) {
            m.problem = "描画モジュール「" + m.path +
                        "」がありません。このコマンドには celmora-cli と同じフォルダにこのファイルが必要です。";
            return m;
        }
        void* handle = ::dlopen(m.path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* why = ::dlerror();
            m.problem = "描画モジュール「" + m.path + "」を読み込めません（" + (why != nullptr ? why : "") + "）。";
            return m;
        }
        void* symbol = ::dlsym(handle, render::entryName);
        if (symbol == nullptr) {
            m.problem = "「" + m.path + "」は celmora-cli の描画モジュールではありません。";
            return m;
        }
        m.entry = reinterpret_cast<render::Entry>(symbol);
        return m;
    }();
    return loaded;
}

struct Sink {
    std::ostream& out;
    std::ostream& err;
    std::string usage;
};

void writeToSink(void* sink, int stream, const char* text, std::size_t size)
{
    Sink& s = *static_cast<Sink*>(sink);
    if (stream == render::standardOutput) {
        s.out.write(text, static_cast<std::streamsize>(size));
    } else if (stream == render::standardError) {
        s.err.write(text, static_cast<std::streamsize>(size));
    } else {
        s.usage.append(text, size);
    }
}

int failWithoutModule(const char* command, CliSession& session, const std::string& problem, std::ostream& out,
                      std::ostream& err)
{
    CommandReport report(session, command);
    report.fail(problem);
    report.addOutcome();
    return report.print(out, err);
}

}  // namespace

int runInRenderModule(const char* command, CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err)
{
    const LoadedModule& module = loadModule();
    if (module.entry == nullptr) return failWithoutModule(command, session, module.problem, out, err);

    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    const platform::ProgramDir& dirs = session.services().dirs;
    const platform::Date today = session.services().clock->today();
    Sink sink{out, err, {}};
    const render::Call call{render::interfaceVersion,      CELMORA_VERSION, command,     dirs.root().c_str(),
                            dirs.writableRoot().c_str(),   today.year,      today.month, today.day,
                            static_cast<int>(argv.size()), argv.data(),     &sink,       &writeToSink};
    const render::Result result = module.entry(&call);
    switch (result.outcome) {
        case render::ran:
            return result.status;
        case render::usageRefused:
            throw UsageError{sink.usage};
        case render::otherVersion:
            return failWithoutModule(command, session,
                                     "描画モジュール「" + module.path + "」はこの celmora-cli（" + CELMORA_VERSION +
                                         "）とは別の版のものです。同じ版のものを同じフォルダに置いてください。",
                                     out, err);
        default:
            return failWithoutModule(command, session,
                                     "描画モジュール「" + module.path + "」には " + command + " コマンドがありません。",
                                     out, err);
    }
}

}  // namespace celmora::cli
