// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The 27 lunar mansions, mansion 1 "婁" starting at 0° Aries, each about 13⅓ degrees.

#include <string_view>

namespace celmora::graphics {

// Name of mansion 1..27 ("婁" .. "奎"); another index is a RangeError.
std::string_view mansionName(int mansion);
// One-line meaning of mansion 1..27, shown as the label's hint.
std::string_view mansionMeaning(int mansion);

}  // namespace celmora::graphics
