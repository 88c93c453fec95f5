// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/DiagnosisRun.h"

#include "core/BirthInput.h"
#include "core/DiagnosisSteps.h"
#include "core/JisaUnit.h"
#include "core/ManData1.h"
#include "core/koyomiDB.h"
#include "core/situkohyodb.h"
#include "platform/Checked.h"
#include "platform/Errors.h"

namespace celmora::core {

namespace {

constexpr std::array<std::string_view, diagnosisStepCount> stepNames{
    "ResetChart",        "ReadBirthInput",      "SelectBirthplace",  "NameLabel",          "MeanSiderealLabel",
    "LocalSiderealTime", "LocalSiderealLabel",  "HouseCusps",        "HouseGrid",          "PlanetPositions",
    "SiderealChart",     "DetailGrids",         "NatalWheel",        "Aspects",            "CompositePatterns",
    "Classification",    "ClassificationPages", "WriteBackPerson",   "SevenGovernorsStars", "SevenGovernorsPage",
    "MindMap",           "ShowDetailPage"};

int indexOf(DiagnosisStep step)
{
    return platform::checkedRange(static_cast<int>(step), 1, diagnosisStepCount, "診断の手順番号") - 1;
}

// A step that has already told the user why it cannot go on.
void endRunUnless(bool ok)
{
    if (!ok) throw platform::CommandAborted();
}

}  // namespace

std::string_view diagnosisStepName(DiagnosisStep step)
{
    return stepNames[static_cast<std::size_t>(indexOf(step))];
}

DiagnosisRun::DiagnosisRun(DiagnosisModules modules) : modules_(modules)
{
    using S = DiagnosisStep;
    setStep(S::ResetChart, [](DiagnosisContext& c) { ResetChart(c.mandata, c.input.area1); });
    setStep(S::ReadBirthInput,
            [](DiagnosisContext& c) { endRunUnless(ReadBirthInput(c.chart, c.input, c.clock, c.messages)); });
    setStep(S::SelectBirthplace, [](DiagnosisContext& c) { endRunUnless(SelectBirthplaceTables(c.houses, c.input.area1)); });
    setStep(S::NameLabel, [](DiagnosisContext& c) { c.labels.namlbl = namLabelText(c.chart); });
    setStep(S::MeanSiderealLabel, [](DiagnosisContext& c) { c.labels.koseijilbl = koseijiLabelText(c.datacalc, c.chart); });
    setStep(S::LocalSiderealTime, [](DiagnosisContext& c) { LocalSiderealTime(c.datacalc, c.chart); });
    setStep(S::LocalSiderealLabel, [](DiagnosisContext& c) { c.labels.syuseiji = syuseijiLabelText(c.chart); });
    setStep(S::HouseCusps, [](DiagnosisContext& c) { endRunUnless(c.houses.FindHouseCusps(c.chart.localSiderealTime, c.chart)); });
    setStep(S::PlanetPositions, [](DiagnosisContext& c) { endRunUnless(c.koyomi.get_planet(c.chart)); });
    // HouseGrid, DetailGrids and ShowDetailPage are screen work (afterStep); the others
    // belong to the subsystems that compute them.
}

DiagnosisRun::Step& DiagnosisRun::step(DiagnosisStep s)
{
    return steps_[static_cast<std::size_t>(indexOf(s))];
}

void DiagnosisRun::setStep(DiagnosisStep s, Action action)
{
    step(s).action = std::move(action);
}

void DiagnosisRun::afterStep(DiagnosisStep s, Action action)
{
    step(s).after.push_back(std::move(action));
}

bool DiagnosisRun::run(const BirthInput& input)
{
    ChartRecord& chart = modules_.mandata.chart();
    DiagnosisContext context{chart,           input,           labels_,           modules_.mandata, modules_.datacalc,
                             modules_.koyomi, modules_.houses, modules_.messages, modules_.clock};
    try {
        for (Step& s : steps_) {
            if (s.action) s.action(context);
            for (Action& after : s.after) after(context);
        }
    } catch (const platform::CommandAborted&) {
        return false;
    }
    return true;
}

}  // namespace celmora::core
