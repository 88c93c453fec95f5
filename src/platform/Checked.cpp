// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Checked.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <sstream>

namespace celmora::platform {

namespace {

std::string formatReal(double value)
{
    std::ostringstream out;
    out.precision(17);
    out << value;
    return out.str();
}

[[noreturn]] void overflow(const char* op, int a, int b)
{
    throw OverflowError("整数演算の桁あふれです: " + std::to_string(a) + " " + op + " " + std::to_string(b));
}

}  // namespace

int roundHalfEven(double value)
{
    if (!std::isfinite(value)) {
        throw RangeError("整数に丸められない値です: " + formatReal(value));
    }
    const double down = std::floor(value);
    const double fraction = value - down;  // exact for doubles: 0 <= fraction < 1
    double rounded = down;
    if (fraction > 0.5) {
        rounded = down + 1.0;
    } else if (fraction == 0.5) {
        rounded = std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
    }
    if (rounded < static_cast<double>(INT_MIN) || rounded > static_cast<double>(INT_MAX)) {
        throw RangeError("整数の範囲を超える値です: " + formatReal(value));
    }
    return static_cast<int>(rounded);
}

int checkedAdd(int a, int b)
{
    int result = 0;
    if (__builtin_add_overflow(a, b, &result)) overflow("+", a, b);
    return result;
}

int checkedSub(int a, int b)
{
    int result = 0;
    if (__builtin_sub_overflow(a, b, &result)) overflow("-", a, b);
    return result;
}

int checkedMul(int a, int b)
{
    int result = 0;
    if (__builtin_mul_overflow(a, b, &result)) overflow("*", a, b);
    return result;
}

int checkedDiv(int a, int b)
{
    if (b == 0) throw DivisionError("0 で割ろうとしました: " + std::to_string(a) + " div 0");
    if (a == INT_MIN && b == -1) overflow("div", a, b);
    return a / b;
}

int checkedMod(int a, int b)
{
    if (b == 0) throw DivisionError("0 で割ろうとしました: " + std::to_string(a) + " mod 0");
    if (b == -1) return 0;  // INT_MIN % -1 is undefined in C++, mathematically 0
    return a % b;
}

int toInt(std::string_view text)
{
    auto fail = [&]() -> int {
        throw ConversionError("「" + std::string(text) + "」は正しい整数ではありません。");
    };
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && blank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    // 64-bit accumulation, saturated just above the 32-bit range so that any number
    // of digits is safe and INT_MIN (whose magnitude exceeds INT_MAX) still fits.
    constexpr std::int64_t saturated = static_cast<std::int64_t>(INT_MAX) + 2;
    std::int64_t magnitude = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        if (magnitude < saturated) magnitude = std::min(magnitude * 10 + (text[i] - '0'), saturated);
        ++i;
    }
    if (i == digitsStart) return fail();
    while (i < n && blank(text[i])) ++i;
    if (i != n) return fail();
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX) {
        throw RangeError("「" + std::string(text) + "」は整数の範囲（" + std::to_string(INT_MIN) + "～" +
                         std::to_string(INT_MAX) + "）を超えています。");
    }
    return static_cast<int>(value);
}

int checkedRange(int value, int lo, int hi, std::string_view what)
{
    if (value < lo || value > hi) {
        throw RangeError(std::string(what) + "の値 " + std::to_string(value) + " が範囲（" + std::to_string(lo) + "～" +
                         std::to_string(hi) + "）の外です。");
    }
    return value;
}

}  // namespace celmora::platform
