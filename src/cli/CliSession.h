// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The platform services of one command-line invocation: the real tables under the
// program folder, messages collected for the output instead of shown, a fixed clock
// when --now is given, no sound and no program start.

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Sound.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <optional>
#include <string>

namespace celmora::platform {
class Settings;
class TableEngine;
}  // namespace celmora::platform

namespace celmora::cli {

class CliSession {
public:
    // `userDir`, when given, holds the writable files (person lists, celmora.ini)
    // instead of the program folder.
    CliSession(const std::string& programDir, std::optional<platform::Date> today, const std::string& userDir = {});
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    const platform::Services& services() const { return services_; }
    platform::RecordingMessages& messages() { return messages_; }
    // The texts of the messages shown so far, in order.
    nlohmann::ordered_json messagesJson() const;

private:
    std::unique_ptr<platform::TableEngine> tables_;
    std::unique_ptr<platform::Settings> settings_;
    std::unique_ptr<platform::Clock> clock_;
    platform::RecordingMessages messages_;
    platform::RecordingSound sound_;
    platform::RecordingProgramStart programs_;
    platform::Services services_;
};

// "YYYY/MM/DD" (leading zeros optional) as a date; nullopt when it is not one.
std::optional<platform::Date> parseCliDate(const std::string& text);

// JSON text with two-space indentation; malformed UTF-8 is replaced, never fatal.
std::string dumpJson(const nlohmann::ordered_json& json);

}  // namespace celmora::cli
