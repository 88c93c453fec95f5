// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/WesternModule.h"

#include "core/DiagnosisRun.h"
#include "graphics/WheelFrame.h"
#include "western/ASPDB1.h"
#include "western/AspectUnit1.h"

namespace celmora::western {

WesternModule::WesternModule(const platform::Services& services, graphics::WheelFrame& frame)
    : services_(services),
      frame_(frame),
      aspectTable_(std::make_unique<AspectTable>()),
      aspectMatrix_(std::make_unique<AspectMatrix>())
{
    reloadAspectTable();
}

WesternModule::~WesternModule() = default;

std::string WesternModule::reloadAspectTable()
{
    return loadAspectTable(*aspectTable_, *services_.tables, services_.dirs.textDir(), *services_.messages);
}

void WesternModule::wire(core::DiagnosisRun& run)
{
    run.setStep(core::DiagnosisStep::Aspects, [this](core::DiagnosisContext& c) {
        buildAspectTable(c.chart, frame_, *aspectTable_, *aspectMatrix_);
    });
}

}  // namespace celmora::western
