// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// What a birth-data box may hold before its text goes into the person row: a row
// keeps only values a Diagnose run can read, and a refused value is named with its
// field and range instead of the general "生年月日が正しく指定されていません。".

#include <string>
#include <string_view>

namespace celmora::records {

// The years the ephemeris tables cover.
inline constexpr int firstEphemerisYear = 1900;
inline constexpr int lastEphemerisYear = 2200;

// Why `text` cannot be posted to the person-row field `field` ("年度", "月度", "日",
// "時", "分", "時差"); empty when it can. An empty text can always be posted (the
// field is not filled in yet; the Diagnose run refuses it). `yearText` and
// `monthText` are the row's year and month: when both are readable a day must exist
// in that month, when only the month is, in that month of a leap year. Other fields
// take any text.
std::string birthFieldProblem(std::string_view field, std::string_view text, std::string_view yearText,
                              std::string_view monthText);

}  // namespace celmora::records
