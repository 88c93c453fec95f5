// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Ecliptic longitudes as the installed tables carry them: a sign short name and a
// degree text "d.mm" (whole degrees 0..29 within the sign, two-digit minutes).
// Every builder rounds through toSignDegree so that the ephemeris, the house tables
// and the tests agree on one rounding rule.

#include <array>
#include <string>
#include <string_view>

namespace celmora::datagen {

// Sign 1..12 from Aries: the short names used as keys in every data table.
inline constexpr std::array<std::string_view, 12> signNames = {
    "牡羊", "牡牛", "双子", "かに", "獅子", "乙女", "天秤", "さそり", "射手", "山羊", "水瓶", "うお"};

// Point 1..13 in chart order: the names the text tables use as keys.
inline constexpr std::array<std::string_view, 13> bodyNames = {
    "太陽", "月", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "ドラゴンヘッド", "ASC", "MC"};

struct SignDegree {
    int sign = 1;    // 1..12
    int degree = 0;  // 0..29
    int minute = 0;  // 0..59
};

// Rounds the longitude (degrees, any real) to the nearest whole minute of arc (halves
// to even) before splitting it, so 29°59.6′ of a sign becomes 0.00 of the next sign
// and 359°59.7′ becomes 牡羊 0.00: a minute value of 60 never appears.
SignDegree toSignDegree(double longitudeDegrees);

std::string_view signName(int sign);  // 1..12; throws std::out_of_range otherwise

// "d.mm": 5°7′ -> "5.07", 15°30′ -> "15.30", 0°0′ -> "0.00".
std::string degreeText(const SignDegree& position);

}  // namespace celmora::datagen
