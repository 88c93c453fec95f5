// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Chart graphics as one module: the natal wheel's frame of the main chart and the
// sign style both wheels draw with.
//
//   in:  the main ChartRecord after its houses and points (steps 8 and 10)
//   out: step 13 — the frame (chart angles, sectors, separations, the Moon's
//        mansion), computed headless; the wheel window draws from it afterwards

#include "graphics/SignStyle.h"
#include "platform/Services.h"

#include <memory>

namespace celmora::core {
class DiagnosisRun;
}

namespace celmora::graphics {

struct WheelFrame;

class GraphicsModule {
public:
    // `services` must outlive the module.
    explicit GraphicsModule(const platform::Services& services);
    ~GraphicsModule();
    GraphicsModule(const GraphicsModule&) = delete;
    GraphicsModule& operator=(const GraphicsModule&) = delete;

    // Sets step 13.
    void wire(core::DiagnosisRun& run);

    const platform::Services& services() const { return services_; }
    // The natal wheel's frame; every separation is 0 until the first run.
    WheelFrame& wheelFrame() { return *wheelFrame_; }
    const WheelFrame& wheelFrame() const { return *wheelFrame_; }
    // Sign pictures or symbols on both wheels, switched from either wheel's menu.
    SignStyle& signStyle() { return signStyle_; }

private:
    const platform::Services& services_;
    std::unique_ptr<WheelFrame> wheelFrame_;
    SignStyle signStyle_ = SignStyle::Picture;
};

}  // namespace celmora::graphics
