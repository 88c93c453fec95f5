// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The nine secondary indexes of a person table (all case-insensitive) and the items of
// the sort screen that select them. Names sort in the Japanese order, as the user's
// name lists do, so that the name order and the name search agree with it.

#include <array>
#include <string_view>

#include "platform/Table.h"
#include "records/PersonFields.h"

namespace celmora::records {

struct PersonIndex {
    std::string_view name;
    std::string_view field;
    platform::TextOrder order = platform::TextOrder::NoCase;
};

inline constexpr std::array<PersonIndex, 9> personIndexes{{
    {"NO", fields::no},
    {"SIMEI", fields::name, platform::TextOrder::Japanese},
    {"YY", fields::year},
    {"SUN", fields::pointSign[0]},
    {"MOON", fields::pointSign[1]},
    {"ASC", fields::asc},
    {"MC", fields::mc},
    {"SUNHOUSE", fields::sunHouse},
    {"POINT", fields::strongestPlanet},
}};

// The index the name search switches to.
inline constexpr std::string_view nameIndex = "SIMEI";
// Order of entry: the sort screen's default item.
inline constexpr std::string_view entryOrderIndex = "NO";

struct SortItem {
    std::string_view caption;  // radio item of the sort screen, exactly as shown
    std::string_view index;
};

// In screen order; the last item is selected when the sort screen is first shown.
inline constexpr std::array<SortItem, 9> sortItems{{
    {"氏名 - 氏名の漢字コード順で並替", "SIMEI"},
    {"年度 - 生まれた年度で並替", "YY"},
    {"太陽 - 太陽の位置する星座で並替", "SUN"},
    {"月    - 月の位置する星座で並替", "MOON"},
    {"ASC - ASCの位置する星座で並替", "ASC"},
    {"MC   - MCの位置する星座で並替", "MC"},
    {"太陽ハウス - 太陽の位置するハウスで並替 ", "SUNHOUSE"},
    {"重要惑星 - アスペクトの数が一番多い惑星で並替", "POINT"},
    {"入力した日付順（通常はこの順で並ぶ）", "NO"},
}};

}  // namespace celmora::records
