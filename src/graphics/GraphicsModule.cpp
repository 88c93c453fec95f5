// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/GraphicsModule.h"

#include "core/DiagnosisRun.h"
#include "graphics/WheelFrame.h"

namespace celmora::graphics {

GraphicsModule::GraphicsModule(const platform::Services& services)
    : services_(services), wheelFrame_(std::make_unique<WheelFrame>())
{
}

GraphicsModule::~GraphicsModule() = default;

void GraphicsModule::wire(core::DiagnosisRun& run)
{
    // Headless, so that nothing the wheel draws can stop the run; the wheel window
    // redraws its picture right after (afterStep).
    run.setStep(core::DiagnosisStep::NatalWheel,
                [this](core::DiagnosisContext& c) { computeWheelFrame(c.chart, *wheelFrame_, c.messages); });
}

}  // namespace celmora::graphics
