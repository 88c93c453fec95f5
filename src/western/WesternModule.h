// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Western analysis as one module: the aspect definitions ("ASPECT.db", read at
// start-up and again when the settings window closes) and the natal aspect flags.
//
//   in:  the natal wheel's frame (separations) after step 13
//   out: step 14 — the frame's aspectAngle, the aspect flags, the chart's hard and
//        soft counts. Without readable definitions step 14 says why and ends the run:
//        a chart with no aspects is never reported from a missing or damaged table.

#include "platform/Services.h"

#include <memory>
#include <string>

namespace celmora::core {
class DiagnosisRun;
}
namespace celmora::graphics {
struct WheelFrame;
}

namespace celmora::western {

class AspectTable;
struct AspectMatrix;

class WesternModule {
public:
    // `services` and `frame` must outlive the module; the definitions are read here.
    WesternModule(const platform::Services& services, graphics::WheelFrame& frame);
    ~WesternModule();
    WesternModule(const WesternModule&) = delete;
    WesternModule& operator=(const WesternModule&) = delete;

    // Sets step 14.
    void wire(core::DiagnosisRun& run);

    const platform::Services& services() const { return services_; }
    graphics::WheelFrame& wheelFrame() { return frame_; }
    const AspectTable& aspectTable() const { return *aspectTable_; }
    const AspectMatrix& aspectMatrix() const { return *aspectMatrix_; }
    // Reads "ASPECT.db" again — the user's edited copy when there is one, else the
    // installed table; "" when it loaded, else why it could not be opened (the
    // definitions are then empty).
    std::string reloadAspectTable();
    // The folder of the "ASPECT.db" the settings window edits: the user's copy, made
    // from the installed table the first time. The installed table is never written.
    // @warning Throws TableError (a Japanese text) when the copy cannot be made.
    std::string editableAspectFolder();
    // Why the definitions could not be read at the last load, "" when they were.
    const std::string& aspectLoadError() const { return aspectLoadError_; }

private:
    const platform::Services& services_;
    graphics::WheelFrame& frame_;
    std::unique_ptr<AspectTable> aspectTable_;
    std::unique_ptr<AspectMatrix> aspectMatrix_;
    std::string aspectLoadError_;
};

}  // namespace celmora::western
