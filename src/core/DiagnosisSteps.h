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

// Clears the year of every progressed and transit chart and every field of the main
// chart, so that a run ending early leaves blanks rather than the previous person's
// results; sets the aspect-angle frequencies to their initial order and birthPlace :=
// area1 when that is not empty (otherwise the previous person's place stays). The printer measurement,
// the progression method, the progression-aspect cells, the midpoint axes and the
// reading memos belong to their subsystems, which reset them right after this step.
void ResetChart(Tmandata& mandata, const std::string& area1);

// Fills the birth-data fields of `chart` from the boxes' texts and today's date, all
// or nothing: a refused input leaves `chart` as it was. Refused with a message and
// false: an empty or blank-only name ("氏名を入力してください。"), a text that is not a
// number ("生年月日が正しく指定されていません。"), a day the month does not have
// (30 February, 29 February outside leap years, 31 April), naming the date. A month
// above 12, day above 31, hour above 23, minute above 59, a month or day of 0 or a
// negative value throws RangeError naming the field.
bool ReadBirthInput(ChartRecord& chart, const BirthInput& input, const platform::Clock& clock,
                    platform::Messages& messages);

// Namlbl: name, date and age.
std::string namLabelText(const ChartRecord& chart);
// koseijilbl: the mean sidereal time of the birth day.
std::string koseijiLabelText(const TDatacalc1& calc, const ChartRecord& chart);
// syuseiji: the local sidereal time HH.MM.
std::string syuseijiLabelText(const ChartRecord& chart);

}  // namespace celmora::core
