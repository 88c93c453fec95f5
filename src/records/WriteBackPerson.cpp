// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/WriteBackPerson.h"

#include "core/BirthInput.h"
#include "core/ChartRecord.h"
#include "platform/Checked.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"

namespace celmora::records {

namespace {

constexpr int ascHouse = 1;
constexpr int mcHouse = 10;

}  // namespace

void writeBirthFields(PersonTable& persons, const core::BirthInput& boxes)
{
    persons.setField(fields::name, boxes.name);
    persons.setField(fields::year, boxes.yearText);
    persons.setField(fields::month, boxes.monthText);
    persons.setField(fields::day, boxes.dayText);
    persons.setField(fields::hour, boxes.hourText);
    persons.setField(fields::minute, boxes.minuteText);
    persons.setField(fields::timeDiff, boxes.timeDiffText);
    persons.setField(fields::sex, boxes.sex);
}

void WriteBackPerson(PersonTable& persons, const core::ChartRecord& record, const core::BirthInput& boxes,
                     const SunSeparations& sun)
{
    PersonTable::BatchedChanges batch(persons);

    writeBirthFields(persons, boxes);

    for (int p = 1; p <= 11; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        persons.setField(fields::pointSign[i], record.pointSignName[p]);
        persons.setIntegerField(fields::pointDegree[i], record.pointDeg[p]);
    }
    persons.setField(fields::asc, record.houseSignName[ascHouse]);
    persons.setField(fields::mc, record.houseSignName[mcHouse]);
    persons.setIntegerField(fields::ascDegree, platform::roundHalfEven(record.houseDegReal[ascHouse]));
    persons.setIntegerField(fields::mcDegree, platform::roundHalfEven(record.houseDegReal[mcHouse]));

    persons.setField(fields::strongestPlanet, record.strongestPlanetName);
    persons.setField(fields::weakestPlanet, record.weakPlanetNames[1]);
    persons.setIntegerField(fields::sunHouse, record.sunHouse);
    for (int k = 1; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        persons.setField(fields::risingBody[i], record.risingBodies[k]);
        persons.setField(fields::culminatingBody[i], record.culminatingBodies[k]);
    }

    persons.setIntegerField(fields::grandTrine, record.patternGrandTrine);
    persons.setIntegerField(fields::isosceles, record.patternIsosceles);
    persons.setIntegerField(fields::rightTriangle, record.patternRightTriangle);
    persons.setIntegerField(fields::rectangle, record.patternRectangle);
    persons.setIntegerField(fields::square, record.patternSquare);

    for (int k = SunSeparations::low; k <= SunSeparations::high; ++k) {
        persons.setIntegerField(fields::sunSeparation[static_cast<std::size_t>(k - 2)], sun[k]);
    }
    for (int k = 1; k <= 13; ++k) {
        persons.setIntegerField(fields::wheelAngle[static_cast<std::size_t>(k - 1)], record.chartAngle[k]);
    }

    persons.post();
}

}  // namespace celmora::records
