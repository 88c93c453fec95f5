// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "app/Workstation.h"

#include "core/ChartCoreModule.h"
#include "core/DiagnosisRun.h"
#include "graphics/GraphicsModule.h"
#include "print/PrintModule.h"
#include "records/RecordsModule.h"
#include "western/WesternModule.h"

namespace celmora::app {

Workstation::Workstation(const platform::Services& services) : services_(services)
{
    // Start-up order: a module is created after the modules it is handed.
    chartCore_ = std::make_unique<core::ChartCoreModule>(services_);
    records_ = std::make_unique<records::RecordsModule>(services_);
    print_ = std::make_unique<print::PrintModule>(services_);
    graphics_ = std::make_unique<graphics::GraphicsModule>(services_);
    western_ = std::make_unique<western::WesternModule>(services_, graphics_->wheelFrame());

    core::DiagnosisRun& run = chartCore_->run();
    chartCore_->wire(run);
    print_->wire(run);
    graphics_->wire(run);
    western_->wire(run);
    records_->wire(run, graphics_->wheelFrame());
}

Workstation::~Workstation() = default;

core::DiagnosisRun& Workstation::run()
{
    return chartCore_->run();
}

core::ChartRecord& Workstation::chart()
{
    return chartCore_->chart();
}

}  // namespace celmora::app
