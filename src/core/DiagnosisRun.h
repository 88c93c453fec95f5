// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The Diagnose run: what the Diagnose button does.
//
//   in:  the data-entry page's box texts (BirthInput), today's date
//   out: the main ChartRecord filled in a fixed order, the three labels, and every
//        subsystem's step run on the record in that order
//
// The order of the 22 steps is a contract: each step reads what earlier steps wrote.
// Every subsystem's module puts its own steps in with setStep (once per step: setting
// a step twice is a wiring fault and throws std::logic_error), and screens refresh
// after a step with afterStep. A step nobody set does nothing.
//
// Ending a run: a step that has told the user why throws platform::CommandAborted
// and run() returns false; any other CommandError ends the run and propagates to
// the event boundary. What earlier steps wrote stays; the reset (step 1) clears the
// record first, so every field a step did not reach is empty rather than the
// previous person's, and the screens of the steps not reached clear themselves
// (whenSkipped) instead of showing the previous chart beside this one.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace celmora::platform {
class Clock;
class Messages;
}  // namespace celmora::platform

namespace celmora::core {

struct BirthInput;
struct ChartRecord;

enum class DiagnosisStep {
    ResetChart = 1,       // reset the record and the accumulated counters
    ReadBirthInput,       // read and check the birth data; refused input ends the run
    SelectBirthplace,     // house table of the person row's "AREA1"
    NameLabel,            // Namlbl
    MeanSiderealLabel,    // koseijilbl
    LocalSiderealTime,    // localSiderealTime
    LocalSiderealLabel,   // syuseiji
    HouseCusps,           // house cusps, ASC and MC
    HouseGrid,            // seizagrid of the chart-detail page (screen)
    PlanetPositions,      // get_planet and the harmonic tables
    SiderealChart,        // natal IndianChart, nakshatra, dasha
    DetailGrids,          // stargrid and the Indian grids of the chart-detail page (screen)
    NatalWheel,           // hide and redraw the natal wheel: chartAngle, moonMansion
    Aspects,              // natal aspect table: hard and soft counts
    CompositePatterns,    // composite aspect figures into AspGrid
    Classification,       // classifyChart
    ClassificationPages,  // "大分類１", "大分類２", then the essence pages
    WriteBackPerson,      // summary into the person row
    SevenGovernorsStars,  // calendar pillars, then the stars
    SevenGovernorsPage,   // refresh the Seven-Governors screen
    MindMap,              // refresh the mind map
    ShowDetailPage,       // show SyosaiPage (screen)
};
inline constexpr int diagnosisStepCount = 22;

// English name of a step, for diagnostics.
std::string_view diagnosisStepName(DiagnosisStep step);

// Texts of the labels the run writes; empty at the start of every run, so a label a
// run did not reach is empty.
struct DiagnosisLabels {
    std::string namlbl;      // top panel: name, date, age
    std::string koseijilbl;  // chart-detail page: mean sidereal time
    std::string syuseiji;    // chart-detail page: local sidereal time
};

// What every step receives: the data of this one run. The modules a step works with
// are the module that set it (each module's steps capture their own owner), so there
// is no second list of modules here.
struct DiagnosisContext {
    ChartRecord& chart;
    const BirthInput& input;
    DiagnosisLabels& labels;
    platform::Messages& messages;
    const platform::Clock& clock;
};

class DiagnosisRun {
public:
    using Action = std::function<void(DiagnosisContext&)>;

    // `chart` is the main record the run fills; all three must outlive the run.
    DiagnosisRun(ChartRecord& chart, platform::Messages& messages, const platform::Clock& clock);

    // The action of one step, set by the module that owns it.
    // @warning Throws std::logic_error when the step already has an action.
    void setStep(DiagnosisStep step, Action action);
    bool hasStep(DiagnosisStep step) const;
    // Adds an action that runs right after a step's own action (screens refresh here).
    void afterStep(DiagnosisStep step, Action action);
    // Adds an action that runs when a run ends before the step's after-actions have
    // all run (the step that ended the run and every later one): a screen clears what
    // its afterStep action would have refilled.
    void whenSkipped(DiagnosisStep step, Action action);
    // Runs steps 1..22 in order. Returns false when the run ended early after telling
    // the user (input refused, missing day, missing table); CommandError from a step
    // propagates (the event boundary reports it).
    bool run(const BirthInput& input);
    const DiagnosisLabels& labels() const { return labels_; }
    // The step that ended the last run early; nullopt after a complete run (and
    // before the first).
    std::optional<DiagnosisStep> endedAt() const { return endedAt_; }

private:
    struct Step {
        Action action;
        std::vector<Action> after;
        std::vector<Action> skipped;
    };
    Step& step(DiagnosisStep s);
    const Step& step(DiagnosisStep s) const;
    void skipFrom(std::size_t index, DiagnosisContext& context);

    ChartRecord& chart_;
    platform::Messages& messages_;
    const platform::Clock& clock_;
    DiagnosisLabels labels_;
    std::optional<DiagnosisStep> endedAt_;
    std::array<Step, diagnosisStepCount> steps_;
};

}  // namespace celmora::core
