// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The composition root shared by the workstation and the command-line program: it
// creates one module per subsystem, in start-up order, and lets each add its own
// steps to the Diagnose run. It computes nothing itself. Screens receive the module
// they work with, never the Workstation. Which module owns what: see README.md in
// this folder.
//
//   in:  platform::Services (tables, settings, messages, clock, program folder, ...)
//   out: the modules, alive until the Workstation is destroyed

// The module headers come along: whoever holds the Workstation works with its modules.
#include "core/ChartCoreModule.h"
#include "graphics/GraphicsModule.h"
#include "print/PrintModule.h"
#include "records/RecordsModule.h"
#include "western/WesternModule.h"
#include "platform/Services.h"

#include <memory>

namespace celmora::core {
struct ChartRecord;
class DiagnosisRun;
}  // namespace celmora::core

namespace celmora::app {

class Workstation {
public:
    // `services` must outlive the Workstation (its pointers are used throughout).
    explicit Workstation(const platform::Services& services);
    ~Workstation();
    Workstation(const Workstation&) = delete;
    Workstation& operator=(const Workstation&) = delete;

    const platform::Services& services() const { return services_; }

    core::ChartCoreModule& chartCore() { return *chartCore_; }
    records::RecordsModule& records() { return *records_; }
    print::PrintModule& print() { return *print_; }
    graphics::GraphicsModule& graphics() { return *graphics_; }
    western::WesternModule& western() { return *western_; }

    // The run and its main record (the chart core's), for callers that drive a run.
    core::DiagnosisRun& run();
    core::ChartRecord& chart();

private:
    platform::Services services_;
    std::unique_ptr<core::ChartCoreModule> chartCore_;
    std::unique_ptr<records::RecordsModule> records_;
    std::unique_ptr<print::PrintModule> print_;
    std::unique_ptr<graphics::GraphicsModule> graphics_;
    std::unique_ptr<western::WesternModule> western_;
};

}  // namespace celmora::app
