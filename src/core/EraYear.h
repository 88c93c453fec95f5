// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Japanese era years typed into the year box ("S34" then F1 gives 1959).

#include <string>
#include <string_view>

namespace celmora::core {

// The year box text after F1: a first letter M, T, S, H or R (either case) names the
// era 明治, 大正, 昭和, 平成 or 令和 and the rest is its year n, giving n + 1867,
// 1911, 1925, 1988 or 2018 as decimal text. Any other text comes back unchanged.
// An empty text is a RangeError; an era letter followed by no number a ConversionError.
std::string eraYearText(std::string_view text);

}  // namespace celmora::core
