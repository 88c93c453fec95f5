// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "app/Workstation.h"

#include "core/DataUnit1.h"
#include "core/DiagnosisRun.h"
#include "core/ManData1.h"
#include "core/koyomiDB.h"
#include "core/situkohyodb.h"
#include "graphics/WheelFrame.h"
#include "platform/EventBoundary.h"
#include "print/prn_com.h"
#include "records/PersonTable.h"
#include "records/WriteBackPerson.h"
#include "western/ASPDB1.h"
#include "western/AspectUnit1.h"

namespace celmora::app {

Workstation::Workstation(const platform::Services& services) : services_(services)
{
    // Chart core.
    datacalc_ = std::make_unique<core::TDatacalc1>(*services_.messages);
    mandata_ = std::make_unique<core::Tmandata>();
    koyomi_ = std::make_unique<core::Tkoyomifrm>(services_, *datacalc_, mandata_->chart());
    houses_ = std::make_unique<core::Tsitukofrm>(services_, *datacalc_);
    houses_->openAtStartup();

    // Further subsystems are created here, in start-up order.
    persons_ = std::make_unique<records::PersonTable>(*services_.tables, services_.dirs.personDir());
    // A damaged person list must not keep the program from starting: the engine's error
    // is shown and no list is open (whatever needs one reports it again).
    platform::guarded(*services_.messages, [this] {
        persons_->createMissingLists();
        persons_->open(records::PersonList::First);
    });
    printerPage_ = std::make_unique<print::PrinterPageModule>();
    measurePrinter();
    // Chart graphics: the natal wheel's frame. Until the first run every separation is 0.
    wheelFrame_ = std::make_unique<graphics::WheelFrame>();
    // Western analysis: the aspect definitions are read once at start-up.
    aspectTable_ = std::make_unique<western::AspectTable>();
    aspectMatrix_ = std::make_unique<western::AspectMatrix>();
    reloadAspectTable();

    run_ = std::make_unique<core::DiagnosisRun>(core::DiagnosisModules{
        *mandata_, *datacalc_, *koyomi_, *houses_, *services_.messages, *services_.clock});
    wireDiagnosisRun();
}

Workstation::~Workstation() = default;

core::ChartRecord& Workstation::chart()
{
    return mandata_->chart();
}

std::string Workstation::reloadAspectTable()
{
    return western::loadAspectTable(*aspectTable_, *services_.tables, services_.dirs.textDir(), *services_.messages);
}

void Workstation::wireDiagnosisRun()
{
    // The chart-core steps (1-8, 10) are built into DiagnosisRun. Each subsystem adds
    // its steps here with run_->setStep(...) / run_->afterStep(...), and the harmonic
    // tables go in with koyomi_->setComputeHarmonics(...).
    using core::DiagnosisStep;
    run_->afterStep(DiagnosisStep::ResetChart, [this](core::DiagnosisContext&) { measurePrinter(); });
    // 13: the natal wheel's frame, computed headless so that nothing the wheel draws can
    // stop the run; the wheel window redraws its picture right after (afterStep).
    run_->setStep(DiagnosisStep::NatalWheel, [this](core::DiagnosisContext& c) {
        graphics::computeWheelFrame(c.chart, *wheelFrame_, c.messages);
    });
    // 14: the natal aspects and the soft and hard counts.
    run_->setStep(DiagnosisStep::Aspects, [this](core::DiagnosisContext& c) {
        western::buildAspectTable(c.chart, *wheelFrame_, *aspectTable_, *aspectMatrix_);
    });
    run_->setStep(DiagnosisStep::WriteBackPerson, [this](core::DiagnosisContext& c) {
        if (!personWriteBack_) return;
        records::WriteBackPerson(*persons_, c.chart, c.input, sunSeparations());
    });
}

records::SunSeparations Workstation::sunSeparations() const
{
    records::SunSeparations sun;
    for (int k = 2; k <= 13; ++k) sun[k] = wheelFrame_->separation[1][k];
    return sun;
}

void Workstation::measurePrinter()
{
    // Without a printer object the pages are measured for the PDF device.
    if (services_.printer != nullptr) {
        printerPage_->MeasurePrinter(*services_.printer);
    } else {
        printerPage_->measure(print::pdfDeviceMetrics());
    }
}

}  // namespace celmora::app
