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
// The chart core supplies steps 1-8 and 10; the other subsystems and the screens put
// their actions in with setStep / afterStep. A step not built yet does nothing.
//
// Ending a run: a step that has told the user why throws platform::CommandAborted
// and run() returns false; any other CommandError ends the run and propagates to
// the event boundary. What earlier steps wrote stays.

#include <array>
#include <functional>
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
class TDatacalc1;
class Tkoyomifrm;
class Tmandata;
class Tsitukofrm;

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

// Texts of the labels the run writes; they keep their text when a run ends early.
struct DiagnosisLabels {
    std::string namlbl;      // top panel: name, date, age
    std::string koseijilbl;  // chart-detail page: mean sidereal time
    std::string syuseiji;    // chart-detail page: local sidereal time
};

// The modules the chart-core steps work with.
struct DiagnosisModules {
    Tmandata& mandata;
    TDatacalc1& datacalc;
    Tkoyomifrm& koyomi;
    Tsitukofrm& houses;
    platform::Messages& messages;
    const platform::Clock& clock;
};

// What every step receives.
struct DiagnosisContext {
    ChartRecord& chart;
    const BirthInput& input;
    DiagnosisLabels& labels;
    Tmandata& mandata;
    TDatacalc1& datacalc;
    Tkoyomifrm& koyomi;
    Tsitukofrm& houses;
    platform::Messages& messages;
    const platform::Clock& clock;
};

class DiagnosisRun {
public:
    using Action = std::function<void(DiagnosisContext&)>;

    explicit DiagnosisRun(DiagnosisModules modules);

    // Replaces the action of one step (later subsystems and the screens plug in here).
    void setStep(DiagnosisStep step, Action action);
    // Adds an action that runs right after a step's own action (screens refresh here).
    void afterStep(DiagnosisStep step, Action action);
    // Runs steps 1..22 in order. Returns false when the run ended early after telling
    // the user (input refused, missing day, missing table); CommandError from a step
    // propagates (the event boundary reports it).
    bool run(const BirthInput& input);
    const DiagnosisLabels& labels() const { return labels_; }

private:
    struct Step {
        Action action;
        std::vector<Action> after;
    };
    Step& step(DiagnosisStep s);

    DiagnosisModules modules_;
    DiagnosisLabels labels_;
    std::array<Step, diagnosisStepCount> steps_;
};

}  // namespace celmora::core
