// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/DiagnosisRun.h"

#include <stdexcept>

#include "platform/Checked.h"
#include "platform/Errors.h"

namespace celmora::core {

namespace {

constexpr std::array<std::string_view, diagnosisStepCount> stepNames{"ResetChart",
                                                                     "ReadBirthInput",
                                                                     "SelectBirthplace",
                                                                     "NameLabel",
                                                                     "MeanSiderealLabel",
                                                                     "LocalSiderealTime",
                                                                     "LocalSiderealLabel",
                                                                     "HouseCusps",
                                                                     "HouseGrid",
                                                                     "PlanetPositions",
                                                                     "SiderealChart",
                                                                     "DetailGrids",
                                                                     "NatalWheel",
                                                                     "Aspects",
                                                                     "CompositePatterns",
                                                                     "Classification",
                                                                     "ClassificationPages",
                                                                     "WriteBackPerson",
                                                                     "SevenGovernorsStars",
                                                                     "SevenGovernorsPage",
                                                                     "MindMap",
                                                                     "ShowDetailPage"};

int indexOf(DiagnosisStep step)
{
    return platform::checkedRange(static_cast<int>(step), 1, diagnosisStepCount, "診断の手順番号") - 1;
}

}  // namespace

std::string_view diagnosisStepName(DiagnosisStep step)
{
    return stepNames[static_cast<std::size_t>(indexOf(step))];
}

DiagnosisRun::DiagnosisRun(ChartRecord& chart, platform::Messages& messages, const platform::Clock& clock)
    : chart_(chart), messages_(messages), clock_(clock)
{
}

DiagnosisRun::Step& DiagnosisRun::step(DiagnosisStep s)
{
    return steps_[static_cast<std::size_t>(indexOf(s))];
}

const DiagnosisRun::Step& DiagnosisRun::step(DiagnosisStep s) const
{
    return steps_[static_cast<std::size_t>(indexOf(s))];
}

void DiagnosisRun::setStep(DiagnosisStep s, Action action)
{
    Step& target = step(s);
    if (target.action) {
        throw std::logic_error("Diagnose step " + std::string(diagnosisStepName(s)) + " is set twice");
    }
    target.action = std::move(action);
}

bool DiagnosisRun::hasStep(DiagnosisStep s) const
{
    return static_cast<bool>(step(s).action);
}

void DiagnosisRun::afterStep(DiagnosisStep s, Action action)
{
    step(s).after.push_back(std::move(action));
}

void DiagnosisRun::whenSkipped(DiagnosisStep s, Action action)
{
    step(s).skipped.push_back(std::move(action));
}

void DiagnosisRun::skipFrom(std::size_t index, DiagnosisContext& context)
{
    endedAt_ = static_cast<DiagnosisStep>(index + 1);
    for (std::size_t i = index; i < steps_.size(); ++i) {
        for (Action& clear : steps_[i].skipped) clear(context);
    }
}

bool DiagnosisRun::run(const BirthInput& input)
{
    labels_ = {};
    endedAt_.reset();
    DiagnosisContext context{chart_, input, labels_, messages_, clock_};
    std::size_t current = 0;
    try {
        for (; current < steps_.size(); ++current) {
            Step& s = steps_[current];
            if (s.action) s.action(context);
            for (Action& after : s.after) after(context);
        }
    } catch (const platform::CommandAborted&) {
        skipFrom(current, context);
        return false;
    } catch (...) {
        // The error still ends the command at the event boundary; the screens must not
        // keep the previous chart meanwhile.
        skipFrom(current, context);
        throw;
    }
    return true;
}

}  // namespace celmora::core
