// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/SidrelHandOver.h"

#include <string>

#include "core/ChartRecord.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/SettingsKeys.h"

namespace celmora::records {

namespace {

void write(platform::Settings& settings, const platform::keys::Key& key, const std::string& value)
{
    settings.writeString(key.section, key.key, value);
}

}  // namespace

SidrelOutcome SidrelHandOver(const core::ChartRecord& chart, const platform::Services& services)
{
    if (chart.name.empty()) return SidrelOutcome::NoChart;

    namespace keys = platform::keys;
    write(*services.settings, keys::jinmeiName, chart.name);
    write(*services.settings, keys::jinmeiYear, std::to_string(chart.year));
    write(*services.settings, keys::jinmeiMonth, std::to_string(chart.month.value()));
    write(*services.settings, keys::jinmeiDay, std::to_string(chart.day.value()));
    write(*services.settings, keys::jinmeiSex, chart.sex);

    const std::string program = services.dirs.file(std::string(sidrelProgramName));
    if (services.programs != nullptr && services.programs->exists(program) && services.programs->start(program)) {
        return SidrelOutcome::Started;
    }
    services.messages->information(std::string(sidrelMissingMessage));
    return SidrelOutcome::NotInstalled;
}

}  // namespace celmora::records
