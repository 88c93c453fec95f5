// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Point index 1..13 of every chart: the ten bodies 1..10, the lunar node 11, the
// Ascendant 12 and the Midheaven 13. Loops over the bodies run 1..10, over the
// planets 1..11, over all points 1..13. The display names are also the keys of the
// person table and of the text tables.

#include <array>
#include <string_view>

namespace celmora::core {

namespace point {
inline constexpr int Sun = 1;
inline constexpr int Moon = 2;
inline constexpr int Mercury = 3;
inline constexpr int Venus = 4;
inline constexpr int Mars = 5;
inline constexpr int Jupiter = 6;
inline constexpr int Saturn = 7;
inline constexpr int Uranus = 8;
inline constexpr int Neptune = 9;
inline constexpr int Pluto = 10;
inline constexpr int Node = 11;
inline constexpr int Asc = 12;
inline constexpr int Mc = 13;

inline constexpr int lastBody = 10;
inline constexpr int lastPlanet = 11;
inline constexpr int count = 13;
}  // namespace point

inline constexpr std::array<std::string_view, 13> pointNames{
    "太陽", "月", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "ドラゴンヘッド", "ASC", "MC"};

// Display name of point 1..13; another index is a RangeError.
std::string_view pointName(int point);

}  // namespace celmora::core
