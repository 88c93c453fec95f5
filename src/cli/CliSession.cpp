// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/CliSession.h"

#include "platform/Settings.h"
#include "platform/Table.h"

#include <charconv>

namespace celmora::cli {

namespace {

platform::Services makeServices(const std::string& programDir, const std::string& userDir)
{
    if (!userDir.empty()) return platform::Services{platform::ProgramDir(programDir, userDir)};
    return platform::Services{platform::ProgramDir::forExecutableDir(programDir)};
}

}  // namespace

CliSession::CliSession(const std::string& programDir, std::optional<platform::Date> today,
                       const std::string& userDir)
    : tables_(platform::makeSqliteTableEngine()),
      clock_(today ? std::unique_ptr<platform::Clock>(std::make_unique<platform::FixedClock>(*today))
                   : platform::makeSystemClock()),
      services_(makeServices(programDir, userDir))
{
    settings_ = platform::makeIniSettings(services_.dirs.settingsFile());
    services_.tables = tables_.get();
    services_.settings = settings_.get();
    services_.messages = &messages_;
    services_.clock = clock_.get();
    services_.sound = &sound_;
    services_.programs = &programs_;
}

CliSession::~CliSession() = default;

nlohmann::ordered_json CliSession::messagesJson() const
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& m : messages_.list) list.push_back(m.text);
    return list;
}

std::optional<platform::Date> parseCliDate(const std::string& text)
{
    int parts[3] = {0, 0, 0};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, ec] = std::from_chars(p, end, parts[i]);
        if (ec != std::errc() || next == p) return std::nullopt;
        p = next;
        if (i < 2) {
            if (p == end || *p != '/') return std::nullopt;
            ++p;
        }
    }
    if (p != end) return std::nullopt;
    const platform::Date date{parts[0], parts[1], parts[2]};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > platform::daysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

std::string dumpJson(const nlohmann::ordered_json& json)
{
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace celmora::cli
