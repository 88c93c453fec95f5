// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The numeric conventions every subsystem relies on:
//  - a real becomes an integer by rounding to nearest, halves to the even neighbour;
//  - integer division and remainder truncate toward zero (plain C++ / and %);
//  - 32-bit integer arithmetic is overflow-checked, array indexes are bounds-checked,
//    and a violation throws RangeError / OverflowError, ending the current command.

#include "platform/Errors.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace celmora::platform {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// @warning A value outside the 32-bit range is a RangeError, never a wrapped number.
int roundHalfEven(double value);

int checkedAdd(int a, int b);
int checkedSub(int a, int b);
int checkedMul(int a, int b);
// Truncating division; a zero divisor throws DivisionError.
int checkedDiv(int a, int b);
int checkedMod(int a, int b);

// Decimal integer text to int: optional leading blanks, optional '+' or '-', digits,
// optional trailing blanks. Anything else (empty text included) throws ConversionError
// naming the text; a value outside 32 bits throws RangeError.
int toInt(std::string_view text);

// A value checked against an inclusive range [lo, hi]; out of range throws RangeError.
int checkedRange(int value, int lo, int hi, std::string_view what);

// Fixed array indexed lo..hi inclusive (the record layouts are 1-based).
// operator[] checks the index; an index outside throws RangeError.
template <typename T, int Lo, int Hi>
class Array1 {
    static_assert(Hi >= Lo);

public:
    static constexpr int low = Lo;
    static constexpr int high = Hi;
    static constexpr int count = Hi - Lo + 1;

    T& operator[](int i) { return data_[offset(i)]; }
    const T& operator[](int i) const { return data_[offset(i)]; }

    void fill(const T& value) { data_.fill(value); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }
    bool operator==(const Array1&) const = default;

private:
    static std::size_t offset(int i)
    {
        if (i < Lo || i > Hi) {
            throw RangeError("配列の範囲外の添字です: " + std::to_string(i) + "（" + std::to_string(Lo) + "～" +
                             std::to_string(Hi) + "）");
        }
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, count> data_{};
};

// Two-dimensional fixed array, both indexes checked.
template <typename T, int Lo1, int Hi1, int Lo2, int Hi2>
using Array2 = Array1<Array1<T, Lo2, Hi2>, Lo1, Hi1>;

}  // namespace celmora::platform
