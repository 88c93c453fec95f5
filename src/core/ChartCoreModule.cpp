// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ChartCoreModule.h"

#include "core/BirthInput.h"
#include "core/DataUnit1.h"
#include "core/DiagnosisRun.h"
#include "core/DiagnosisSteps.h"
#include "core/JisaUnit.h"
#include "core/ManData1.h"
#include "core/koyomiDB.h"
#include "core/situkohyodb.h"
#include "platform/Errors.h"

namespace celmora::core {

namespace {

// A step that has already told the user why it cannot go on ends the run.
void endRunUnless(bool ok)
{
    if (!ok) throw platform::CommandAborted();
}

}  // namespace

ChartCoreModule::ChartCoreModule(const platform::Services& services) : services_(services)
{
    datacalc_ = std::make_unique<TDatacalc1>();
    mandata_ = std::make_unique<Tmandata>();
    koyomi_ = std::make_unique<Tkoyomifrm>(services_, *datacalc_, mandata_->chart());
    houses_ = std::make_unique<Tsitukofrm>(services_, *datacalc_);
    houses_->openAtStartup();
    run_ = std::make_unique<DiagnosisRun>(mandata_->chart(), *services_.messages, *services_.clock);
}

ChartCoreModule::~ChartCoreModule() = default;

ChartRecord& ChartCoreModule::chart()
{
    return mandata_->chart();
}

const ChartRecord& ChartCoreModule::chart() const
{
    return mandata_->chart();
}

void ChartCoreModule::wire(DiagnosisRun& run)
{
    using S = DiagnosisStep;
    run.setStep(S::ResetChart, [this](DiagnosisContext& c) { ResetChart(*mandata_, c.input.area1); });
    run.setStep(S::ReadBirthInput,
                [](DiagnosisContext& c) { endRunUnless(ReadBirthInput(c.chart, c.input, c.clock, c.messages)); });
    run.setStep(S::SelectBirthplace,
                [this](DiagnosisContext& c) { endRunUnless(SelectBirthplaceTables(*houses_, c.input.area1)); });
    run.setStep(S::NameLabel, [](DiagnosisContext& c) { c.labels.namlbl = namLabelText(c.chart); });
    run.setStep(S::MeanSiderealLabel,
                [this](DiagnosisContext& c) { c.labels.koseijilbl = koseijiLabelText(*datacalc_, c.chart); });
    run.setStep(S::LocalSiderealTime, [this](DiagnosisContext& c) { LocalSiderealTime(*datacalc_, c.chart); });
    run.setStep(S::LocalSiderealLabel, [](DiagnosisContext& c) { c.labels.syuseiji = syuseijiLabelText(c.chart); });
    run.setStep(S::HouseCusps, [this](DiagnosisContext& c) {
        endRunUnless(houses_->FindHouseCusps(c.chart.localSiderealTime, c.chart));
    });
    run.setStep(S::PlanetPositions, [this](DiagnosisContext& c) { endRunUnless(koyomi_->get_planet(c.chart)); });
    // HouseGrid, DetailGrids and ShowDetailPage are screen work (afterStep).
}

}  // namespace celmora::core
