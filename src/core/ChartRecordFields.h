// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The fields of ChartRecord, listed once, in declared order. Everything that must
// treat every field alike (clearing a record, the JSON output, the completeness
// check) goes through forEachChartField, so a field added to the record without
// being added here fails to compile (see ChartRecordFields.cpp).

#include "core/ChartRecord.h"

#include <type_traits>

namespace celmora::core {

// X(field) for every field of ChartRecord in declared order.
#define CELMORA_CHART_RECORD_FIELDS(X) \
    X(name) \
    X(birthDateText) \
    X(birthPlace) \
    X(sex) \
    X(yearDiff) \
    X(age) \
    X(year) \
    X(month) \
    X(day) \
    X(hour) \
    X(minute) \
    X(localHour) \
    X(localMinute) \
    X(birthTimeLabel) \
    X(birthTimeText) \
    X(timeDiffMinutes) \
    X(timeDiffText) \
    X(localSiderealTime) \
    X(moonMansion) \
    X(houseSignName) \
    X(houseSign) \
    X(houseDegText) \
    X(houseDegReal) \
    X(wholeSignHouse) \
    X(nowHouseSignName) \
    X(nowHouseSign) \
    X(nowHouseDegText) \
    X(nowHouseDegReal) \
    X(pointSignName) \
    X(pointSign) \
    X(pointDegText) \
    X(pointDeg) \
    X(pointDegReal) \
    X(signRanking) \
    X(harmonicLongitude) \
    X(harmonicDegree) \
    X(harmonicWholeDegree) \
    X(harmonicDegreeText) \
    X(harmonicSign) \
    X(harmonicQuality) \
    X(harmonicSignCount) \
    X(divisionConstant) \
    X(dividedLongitude) \
    X(dividedSign) \
    X(dividedWholeDegree) \
    X(dividedDegreeText) \
    X(dividedSignCount) \
    X(chartAngle) \
    X(chartAngleExact) \
    X(sunHouse) \
    X(aspectRanking) \
    X(strongestPlanetName) \
    X(strongPlanets) \
    X(weakPlanetNames) \
    X(aspectAngleFrequency) \
    X(risingBodies) \
    X(culminatingBodies) \
    X(patternRightTriangle) \
    X(patternGrandTrine) \
    X(patternIsosceles) \
    X(patternSquare) \
    X(patternRectangle) \
    X(hardAspectCount) \
    X(softAspectCount) \
    X(workCount) \
    X(homeCount) \
    X(beliefCount) \
    X(senseCount) \
    X(earlyCount) \
    X(lateCount) \
    X(sevenGov)

// Calls visit("field", record.field) for every field in declared order; `Record` is
// ChartRecord or const ChartRecord.
template <class Record, class Visitor>
    requires std::is_same_v<std::remove_const_t<Record>, ChartRecord>
void forEachChartField(Record& record, Visitor&& visit)
{
#define CELMORA_VISIT_FIELD(field) visit(#field, record.field);
    CELMORA_CHART_RECORD_FIELDS(CELMORA_VISIT_FIELD)
#undef CELMORA_VISIT_FIELD
}

// How many fields forEachChartField visits.
inline constexpr int chartFieldCount = [] {
    int n = 0;
#define CELMORA_COUNT_FIELD(field) ++n;
    CELMORA_CHART_RECORD_FIELDS(CELMORA_COUNT_FIELD)
#undef CELMORA_COUNT_FIELD
    return n;
}();

// Every field back to its state before the first Diagnose run (empty texts, zeros).
void clearChartRecord(ChartRecord& record);

}  // namespace celmora::core
