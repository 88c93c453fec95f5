// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Columns of the grids over a person list: field, heading, width in pixels.

#include <string_view>
#include <vector>

#include "records/PersonFields.h"

namespace celmora::records {

struct PersonGridColumn {
    std::string_view field;
    std::string_view heading;
    int width;
};

// Width of a name column, whose width the layout leaves open: eight full-width
// characters of the grid font.
inline constexpr int nameColumnWidth = 110;

// DBGrid1 of the data-entry page (and the compatibility page's grid).
inline const std::vector<PersonGridColumn>& personListColumns()
{
    static const std::vector<PersonGridColumn> columns{
        {fields::name, "氏名", nameColumnWidth},
        {fields::year, "年度", 45},
        {fields::month, "月", 23},
        {fields::day, "日", 23},
        {fields::hour, "時", 23},
        {fields::minute, "分", 23},
        {fields::timeDiff, "時差", 30},
        {fields::sex, "性別", 27},
        {fields::pointSign[0], "太陽", 40},
        {fields::pointDegree[0], "位置", 25},
        {fields::pointSign[1], "月", 40},
        {fields::pointDegree[1], "位置", 25},
        {fields::asc, "ASC", 40},
        {fields::ascDegree, "位置", 25},
        {fields::mc, "MC", 40},
        {fields::mcDegree, "位置", 25},
        {fields::strongestPlanet, "強い", 40},
        {fields::weakestPlanet, "弱い", 40},
        {fields::sunHouse, "太ﾊｳｽ", 45},
        {fields::culminatingBody[0], "南中星", 45},
        {fields::risingBody[0], "上昇星", 45},
        {fields::rightTriangle, "直角△", 40},
        {fields::grandTrine, "正△", 40},
        {fields::isosceles, "二等△", 40},
        {fields::rectangle, "長方形", 40},
        {fields::square, "正方形", 40},
        {fields::sunSeparation[0], "太-月", 35},
        {fields::sunSeparation[1], "太-水", 35},
        {fields::sunSeparation[10], "太-ASC", 35},
        {fields::sunSeparation[11], "太-MC", 35},
    };
    return columns;
}

// The grid of the detail screen: the address data.
inline const std::vector<PersonGridColumn>& personDetailColumns()
{
    static const std::vector<PersonGridColumn> columns{
        {fields::name, "氏名", nameColumnWidth},
        {fields::sex, "性別", 40},
        {fields::postalCode, "郵便", 80},
        {fields::address, "住所", 280},
        {fields::tel, "TEL", 110},
        {fields::fax, "FAX", 110},
    };
    return columns;
}

}  // namespace celmora::records
