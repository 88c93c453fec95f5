// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Step 18 of the Diagnose run: the chart summary into the current person row, so the
// grid shows each person's signs and key figures and the list sorts by them.

#include "records/SunSeparations.h"

namespace celmora::core {
struct BirthInput;
struct ChartRecord;
}  // namespace celmora::core

namespace celmora::records {

class PersonTable;

// The birth data as the data-entry boxes hold it ("氏名", "年度", "月度", "日", "時",
// "分", "時差", "性別") into the row being edited.
void writeBirthFields(PersonTable& persons, const core::BirthInput& boxes);

// Puts the current row into edit mode (a new row on an empty list), sets the birth
// fields from the data-entry boxes as they read now, the sign names, rounded degrees,
// summary texts, pattern counts, the Sun's separations and the wheel angles from
// `record`, and saves the row. A value the table refuses (a text too long for its
// field) throws TableError and the row stays in edit mode.
void WriteBackPerson(PersonTable& persons, const core::ChartRecord& record, const core::BirthInput& boxes,
                     const SunSeparations& sun);

}  // namespace celmora::records
