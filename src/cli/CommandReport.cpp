// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/CommandReport.h"

#include <ostream>
#include <utility>

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "cli/JsonWriter.h"
#include "platform/EventBoundary.h"

namespace celmora::cli {

CommandReport::CommandReport(const CliSession& session, const char* command)
    : session_(session), status_(exitcode::completed)
{
    json["command"] = command;
}

bool CommandReport::completed() const
{
    return status_ == exitcode::completed;
}

void CommandReport::refuse()
{
    status_ = exitcode::refused;
}

void CommandReport::refuse(std::string text)
{
    status_ = exitcode::refused;
    error_ = std::move(text);
}

void CommandReport::fail(std::string text)
{
    status_ = exitcode::error;
    error_ = std::move(text);
}

void CommandReport::guard(const std::function<void()>& work)
{
    try {
        work();
    } catch (const platform::CommandError& e) {
        fail(e.what());
    } catch (const std::exception& e) {
        fail(platform::internalErrorText(e.what()));
    }
}

void CommandReport::addOutcome()
{
    json["status"] = status_ == exitcode::completed ? "completed" : status_ == exitcode::refused ? "refused" : "error";
    if (!error_.empty()) json["error"] = error_;
    json["messages"] = session_.messagesJson();
}

void CommandReport::write(const std::string& key, std::function<void(JsonWriter&)> writeValue)
{
    json[key] = nullptr;
    written_[key] = std::move(writeValue);
}

int CommandReport::print(std::ostream& out, std::ostream& err) const
{
    {
        JsonWriter writer(out);
        writer.beginObject();
        for (const auto& [key, value] : json.items()) {
            writer.key(key);
            if (const auto it = written_.find(key); it != written_.end()) {
                it->second(writer);
            } else {
                writer.value(value);
            }
        }
        writer.end();
    }
    out << '\n';
    if (!error_.empty()) err << error_ << '\n';
    return status_;
}

}  // namespace celmora::cli
