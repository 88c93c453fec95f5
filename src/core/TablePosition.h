// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Checks a position read from an installed table (a year table's body, a house
// table's cusp) before anything computes with it: the sign is one of the twelve short
// names, the degree text is whole degrees 0..29, a dot and minutes 0..59. A damaged or
// hand-edited file is refused with the table, the row and the field named, never
// turned into a position such as "水瓶 70.39".

#include <string>
#include <string_view>

namespace celmora::core {

struct PositionSource {
    std::string table;  // as the user knows it, e.g. "天文暦の年テーブル「1980」"
    std::string row;    // the row's key, e.g. "1980/01/01" or "16.07.00"
};

// @warning Throws platform::TableError when the sign name or the degree text is not
// one the tables can hold.
void checkTablePosition(const PositionSource& where, std::string_view signField, std::string_view signText,
                        std::string_view degreeField, std::string_view degreeText);

}  // namespace celmora::core
