// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A sign index 1..12 counted from Aries, or 0 for "none yet" (a record before its first
// Diagnose run). It is made from an int only explicitly, so a point number, a house
// number or whole degrees cannot slip into a sign field unnoticed; it reads as an int
// wherever arithmetic or indexing needs one.

#include "platform/Checked.h"

namespace celmora::core {

class SignIndex {
public:
    constexpr SignIndex() = default;
    // @warning A value outside 0..12 throws RangeError.
    explicit SignIndex(int sign) : value_(platform::checkedRange(sign, 0, 12, "星座番号")) {}

    constexpr operator int() const { return value_; }  // NOLINT: reading as int is the point
    constexpr int index() const { return value_; }
    bool operator==(const SignIndex&) const = default;

private:
    int value_ = 0;
};

}  // namespace celmora::core
