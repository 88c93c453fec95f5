// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Ecliptic longitudes as the installed tables carry them: a sign short name and a
// degree text "d.mm" (whole degrees 0..29 within the sign, two-digit minutes).
// Every builder rounds through toSignDegree so that the ephemeris, the house tables
// and the tests agree on one rounding rule.

#include <string>
#include <string_view>

namespace celmora::datagen {

struct SignDegree {
    int sign = 1;    // 1..12
    int degree = 0;  // 0..29
    int minute = 0;  // 0..59
};

// Rounds the longitude (degrees, any real) to the nearest whole minute of arc (halves
// to even) before splitting it, so 29°59.6′ of a sign becomes 0.00 of the next sign
// and 359°59.7′ becomes 牡羊 0.00: a minute value of 60 never appears.
SignDegree toSignDegree(double longitudeDegrees);

// Short name of sign 1..12 (core::signNames, the key the program looks rows up by);
// throws std::out_of_range otherwise.
std::string_view signName(int sign);

// "d.mm": 5°7′ -> "5.07", 15°30′ -> "15.30", 0°0′ -> "0.00".
std::string degreeText(const SignDegree& position);

}  // namespace celmora::datagen
