// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The field names of the person tables, spelled once. The layout itself (types,
// sizes, order) is PersonTable::definition().

#include <array>
#include <string_view>

namespace celmora::records::fields {

inline constexpr std::string_view no = "No";
inline constexpr std::string_view name = "氏名";
inline constexpr std::string_view year = "年度";
inline constexpr std::string_view month = "月度";
inline constexpr std::string_view day = "日";
inline constexpr std::string_view hour = "時";
inline constexpr std::string_view minute = "分";
inline constexpr std::string_view sex = "性別";
inline constexpr std::string_view timeDiff = "時差";
inline constexpr std::string_view asc = "ASC";
inline constexpr std::string_view ascDegree = "ASC角度";
inline constexpr std::string_view mc = "MC";
inline constexpr std::string_view mcDegree = "MC角度";
inline constexpr std::string_view memo = "メモ";
inline constexpr std::string_view postalCode = "郵便";
inline constexpr std::string_view address = "住所";
inline constexpr std::string_view tel = "TEL";
inline constexpr std::string_view fax = "FAX";
inline constexpr std::string_view strongestPlanet = "惑星ポイント";
inline constexpr std::string_view weakestPlanet = "惑星NOASP";
inline constexpr std::string_view sunHouse = "太陽HOUSE";
inline constexpr std::string_view grandTrine = "正三角";
inline constexpr std::string_view isosceles = "二等辺";
inline constexpr std::string_view rightTriangle = "直角三";
inline constexpr std::string_view square = "正方形";
inline constexpr std::string_view rectangle = "長方形";
inline constexpr std::string_view area1 = "AREA1";

// Sign name of points 1..11 (index 0 is point 1, the Sun ... point 11, the node).
inline constexpr std::array<std::string_view, 11> pointSign{"太陽", "月",     "水星",   "金星",   "火星", "木星",
                                                            "土星", "天王星", "海王星", "冥王星", "DH"};
// Rounded degrees within the sign of points 1..11, in the same order.
inline constexpr std::array<std::string_view, 11> pointDegree{"太陽角度",   "月角度",     "水星角度", "金星角度",
                                                              "火星角度",   "木星角度",   "土星角度", "天王星角度",
                                                              "海王星角度", "冥王星角度", "DH角度"};
// Wheel angles chartAngle[1..13] (index 0 is point 1).
inline constexpr std::array<std::string_view, 13> wheelAngle{"R1", "R2", "R3",  "R4",  "R5",  "R6", "R7",
                                                             "R8", "R9", "R10", "R11", "R12", "R13"};
// The Sun's separation from points 2..13 (index 0 is point 2, the Moon).
inline constexpr std::array<std::string_view, 12> sunSeparation{"SUN月",     "SUN水星", "SUN金星",   "SUN火星",
                                                                "SUN木星",   "SUN土星", "SUN天王星", "SUN海王星",
                                                                "SUN冥王星", "SUNDH",   "SUNASC",    "SUNMC"};
inline constexpr std::array<std::string_view, 3> risingBody{"上昇星1", "上昇星2", "上昇星3"};
inline constexpr std::array<std::string_view, 3> culminatingBody{"南中星1", "南中星2", "南中星3"};

// The fields the data-entry boxes are bound to, in box order.
inline constexpr std::array<std::string_view, 8> birthBoxes{name, year, month, day, hour, minute, sex, timeDiff};

}  // namespace celmora::records::fields
