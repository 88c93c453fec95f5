// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Printing as one module: the printer page module every printed page uses.
//
//   in:  the printer (or, without one, the PDF device)
//   out: the page measures, taken again right after the reset of every Diagnose run

#include "platform/Services.h"

#include <memory>

namespace celmora::core {
class DiagnosisRun;
}

namespace celmora::print {

class PrinterPageModule;

class PrintModule {
public:
    // `services` must outlive the module; the printer is measured here once.
    explicit PrintModule(const platform::Services& services);
    ~PrintModule();
    PrintModule(const PrintModule&) = delete;
    PrintModule& operator=(const PrintModule&) = delete;

    // Measures the printer after step 1 of every run.
    void wire(core::DiagnosisRun& run);

    const platform::Services& services() const { return services_; }
    PrinterPageModule& printerPage() { return *printerPage_; }
    // Measures the printer again (a print command does this before its job).
    void measurePrinter();

private:
    const platform::Services& services_;
    std::unique_ptr<PrinterPageModule> printerPage_;
};

}  // namespace celmora::print
