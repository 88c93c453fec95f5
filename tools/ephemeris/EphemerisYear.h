// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// One ephemeris year table: a row per calendar day keyed "YYYY/MM/DD", holding the
// sign and degree text of the Sun, the Moon (at 0 h and at 12 h), the mean lunar node
// and Mercury..Pluto. Positions are geocentric apparent tropical longitudes from the
// built-in analytical (Moshier) theory, so no ephemeris files are needed.
//
// Instants: 0:00 Japan standard time of the day, i.e. 15:00 UT of the previous day;
// the Moon's second pair of columns is at 12:00 JST (03:00 UT of the same day).

#include "platform/Table.h"

#include <string>
#include <vector>

namespace celmora::datagen {

// Field names, sizes and the unique primary index on "YYMMDD", in table order.
platform::TableDef ephemerisTableDef();

// Julian day (UT) of 0:00 JST on the given Gregorian date.
double julianDayAtJstMidnight(int year, int month, int day);

// Ecliptic longitude in degrees (0..360) of a Swiss Ephemeris body number at a UT
// Julian day. Throws std::runtime_error with the library's message on failure.
double apparentLongitude(int sweBody, double julianDayUt);

int daysInYear(int year);

// All rows of one year, in date order, values in the field order of ephemerisTableDef.
std::vector<std::vector<std::string>> ephemerisYearRows(int year);

}  // namespace celmora::datagen
