// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The 20 fixed stars the natal wheel can mark, at fixed tropical positions.

#include "platform/Checked.h"

#include <string>
#include <string_view>

namespace celmora::graphics {

struct TKoseiObj {
    std::string_view mark;        // "①" .. "⑳"
    std::string_view text;        // name + ":" + meaning, as stored
    int sign = 0;                 // 1..12
    std::string_view degreeText;  // whole degrees "." minutes within the sign
    int degree = 0;               // round(Kakudo2Real(degreeText))

    // The part before the first ":".
    std::string_view name() const;
    // Everything after the first ":".
    std::string_view meaning() const;
    // name + "(" + sign short name + degree text + ")".
    std::string hint() const;
};

const platform::Array1<TKoseiObj, 1, 20>& fixedStars();

}  // namespace celmora::graphics
