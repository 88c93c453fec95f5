// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Columns of the grids over a person list: field, heading, width in pixels.

#include <string_view>
#include <vector>

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
        {"氏名", "氏名", nameColumnWidth},
        {"年度", "年度", 45},
        {"月度", "月", 23},
        {"日", "日", 23},
        {"時", "時", 23},
        {"分", "分", 23},
        {"時差", "時差", 30},
        {"性別", "性別", 27},
        {"太陽", "太陽", 40},
        {"太陽角度", "位置", 25},
        {"月", "月", 40},
        {"月角度", "位置", 25},
        {"ASC", "ASC", 40},
        {"ASC角度", "位置", 25},
        {"MC", "MC", 40},
        {"MC角度", "位置", 25},
        {"惑星ポイント", "強い", 40},
        {"惑星NOASP", "弱い", 40},
        {"太陽HOUSE", "太ﾊｳｽ", 45},
        {"南中星1", "南中星", 45},
        {"上昇星1", "上昇星", 45},
        {"直角三", "直角△", 40},
        {"正三角", "正△", 40},
        {"二等辺", "二等△", 40},
        {"長方形", "長方形", 40},
        {"正方形", "正方形", 40},
        {"SUN月", "太-月", 35},
        {"SUN水星", "太-水", 35},
        {"SUNASC", "太-ASC", 35},
        {"SUNMC", "太-MC", 35},
    };
    return columns;
}

// The grid of the detail screen: the address data.
inline const std::vector<PersonGridColumn>& personDetailColumns()
{
    static const std::vector<PersonGridColumn> columns{
        {"氏名", "氏名", nameColumnWidth},
        {"性別", "性別", 40},
        {"郵便", "郵便", 80},
        {"住所", "住所", 280},
        {"TEL", "TEL", 110},
        {"FAX", "FAX", 110},
    };
    return columns;
}

}  // namespace celmora::records
