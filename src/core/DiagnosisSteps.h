// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The chart-core steps of the Diagnose run that are more than one call: the reset,
// the reading of the birth data, and the three label texts.

#include <string>

namespace celmora::platform {
class Clock;
class Messages;
}  // namespace celmora::platform

namespace celmora::core {

struct BirthInput;
struct ChartRecord;
class TDatacalc1;
class Tmandata;

// Clears what a run accumulates rather than overwrites: the year of every progressed
// and transit chart, the main chart's counters, current-location angles, rising and
// culminating bodies and aspect-angle frequencies; birthPlace := area1 when that is
// not empty (otherwise the previous person's place stays). The printer measurement,
// the progression method, the progression-aspect cells, the midpoint axes and the
// reading memos belong to their subsystems, which reset them right after this step.
void ResetChart(Tmandata& mandata, const std::string& area1);

// Fills the birth-data fields of `chart` from the boxes' texts and today's date.
// A text that is not a number shows "生年月日が正しく指定されていません。" and gives
// false, with the fields written so far left in place. A month above 12, day above
// 31, hour above 23, minute above 59 or a negative one throws RangeError.
bool ReadBirthInput(ChartRecord& chart, const BirthInput& input, const platform::Clock& clock,
                    platform::Messages& messages);

// Namlbl: name, date and age.
std::string namLabelText(const ChartRecord& chart);
// koseijilbl: the mean sidereal time of the birth day.
std::string koseijiLabelText(const TDatacalc1& calc, const ChartRecord& chart);
// syuseiji: the local sidereal time HH.MM.
std::string syuseijiLabelText(const ChartRecord& chart);

}  // namespace celmora::core
