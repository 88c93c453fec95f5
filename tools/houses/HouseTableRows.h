// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Placidus house tables by local sidereal time: one row per minute of sidereal time,
// keyed "HH.MM.00", with sign and degree text of the cusps of houses 1, 2, 3, 10, 11
// and 12 (the opposite cusps are derived by the program).
//
// The right ascension of the meridian is the sidereal time itself (t minutes -> t/4
// degrees), so a table depends only on the latitude and the obliquity. The obliquity
// is the mean value of the epoch J2000.0: over 1900..2200 the true obliquity stays
// within 2′ of it, small against the 15′ of arc that one row advances the meridian.

#include <array>
#include <string>
#include <vector>

#include "TableFiles.h"
#include "platform/Table.h"

namespace celmora::datagen {

inline constexpr double obliquityJ2000 = 23.4392911;  // degrees

struct HouseCity {
    const char* tableName;  // file stem in "precidus"
    double latitude;        // degrees north
};

// Table numbers 0..5 of the birthplace list.
inline constexpr std::array<HouseCity, 6> houseCities = {{
    {"Sapporo", 43.0 + 4.0 / 60.0},
    {"Sendai", 38.0 + 16.0 / 60.0},
    {"Tokyo", 35.0 + 41.0 / 60.0},
    {"Nagoya", 35.0 + 11.0 / 60.0},
    {"Oosaka", 34.0 + 41.0 / 60.0},
    {"Fukuoka", 33.0 + 35.0 / 60.0},
}};

inline constexpr int siderealMinutesPerDay = 24 * 60;

platform::TableDef houseTableDef();
// The index the program looks a sidereal time up with ("JIKOKU" on the key field): built
// into the file, since the program never writes an installed table.
std::vector<SecondaryIndex> houseTableIndexes();

// "HH.MM.00" for a sidereal minute 0..1439.
std::string houseKey(int siderealMinute);

// Cusp longitudes (degrees) of houses 1, 2, 3, 10, 11, 12 in that order. Throws
// std::runtime_error when the Placidus construction fails at this latitude.
std::array<double, 6> placidusCusps(double armcDegrees, double latitude, double obliquity);

std::vector<std::vector<std::string>> houseTableRows(double latitude);

}  // namespace celmora::datagen
