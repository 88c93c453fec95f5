// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// An integer field with a declared inclusive range (a record's "byte 0..12"): every
// assignment is checked, a value outside throws platform::RangeError. Reads convert
// to int implicitly, so arithmetic and comparisons work as on a plain int.

#include "platform/Checked.h"

namespace celmora::core {

template <int Lo, int Hi>
class BoundedInt {
    static_assert(Lo <= 0 && 0 <= Hi, "a record field starts as 0");

public:
    static constexpr int low = Lo;
    static constexpr int high = Hi;

    constexpr BoundedInt() = default;
    BoundedInt(int value) : value_(platform::checkedRange(value, Lo, Hi, "項目")) {}  // NOLINT: implicit by design
    BoundedInt& operator=(int value)
    {
        value_ = platform::checkedRange(value, Lo, Hi, "項目");
        return *this;
    }
    constexpr operator int() const { return value_; }  // NOLINT: implicit by design
    constexpr int value() const { return value_; }

private:
    int value_ = 0;
};

}  // namespace celmora::core
