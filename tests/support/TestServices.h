// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The platform services of a test or benchmark: the given table engine (tables in
// memory unless one on disk is passed), settings kept in memory, messages, sounds and
// program starts recorded instead of shown, played or started, and a fixed today.
// Nothing touches the user's folders or depends on the system clock.

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "platform/Table.h"

#include <memory>
#include <string>
#include <utility>

namespace celmora::testing {

struct TestServices {
    // `dirs` locate the tables and the writable files; `today` is what the clock says.
    TestServices(platform::ProgramDir dirs, std::unique_ptr<platform::TableEngine> engine, platform::Date today)
        : tables(std::move(engine)), clock(today), services{std::move(dirs)}
    {
        services.tables = tables.get();
        services.settings = &settings;
        services.messages = &messages;
        services.clock = &clock;
        services.sound = &sound;
        services.programs = &programs;
    }
    // Program folder and writable files both under `root` (by default a folder that
    // does not exist: every table lives in the memory engine); today is 2024/06/15.
    explicit TestServices(std::string root = "/fixture",
                          std::unique_ptr<platform::TableEngine> engine = platform::makeMemoryTableEngine())
        : TestServices(platform::ProgramDir(root, root), std::move(engine), platform::Date{2024, 6, 15})
    {
    }
    // `services` points at the members.
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    std::unique_ptr<platform::TableEngine> tables;
    platform::MemorySettings settings;
    platform::RecordingMessages messages;
    platform::FixedClock clock;
    platform::RecordingSound sound;
    platform::RecordingProgramStart programs;
    platform::Services services;
};

}  // namespace celmora::testing
