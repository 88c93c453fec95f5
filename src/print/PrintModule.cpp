// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "print/PrintModule.h"

#include "core/DiagnosisRun.h"
#include "print/prn_com.h"

namespace celmora::print {

PrintModule::PrintModule(const platform::Services& services)
    : services_(services), printerPage_(std::make_unique<PrinterPageModule>())
{
    measurePrinter();
}

PrintModule::~PrintModule() = default;

void PrintModule::measurePrinter()
{
    // Without a printer object the pages are measured for the PDF device.
    if (services_.printer != nullptr) {
        printerPage_->MeasurePrinter(*services_.printer);
    } else {
        printerPage_->measure(pdfDeviceMetrics());
    }
}

void PrintModule::wire(core::DiagnosisRun& run)
{
    run.afterStep(core::DiagnosisStep::ResetChart, [this](core::DiagnosisContext&) { measurePrinter(); });
}

}  // namespace celmora::print
