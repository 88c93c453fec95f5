// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/TablePosition.h"

#include "core/calc1Unit.h"
#include "platform/Errors.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace celmora::core {

namespace {

// At most 20 characters of a stored text, invalid UTF-8 and control characters as "?".
std::string shown(std::string_view text)
{
    std::string out;
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size() && count < 20; ++count) {
        const std::size_t start = i;
        const char32_t cp = platform::utf8::next(text, i);
        if (cp == 0xFFFD || cp < 0x20 || cp == 0x7F) {
            out += '?';
        } else {
            out.append(text.substr(start, i - start));
        }
    }
    if (count == 20 && out.size() < text.size()) out += "…";
    return out;
}

// Digits only, 1 or 2 of them, value within [0, max].
bool smallNumber(std::string_view digits, int max, std::size_t maxLength)
{
    if (digits.empty() || digits.size() > maxLength) return false;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value <= max;
}

[[noreturn]] void refuse(const PositionSource& where, std::string_view field, std::string_view value,
                         const std::string& why)
{
    throw platform::TableError(where.table + "の行「" + shown(where.row) + "」、フィールド「" +
                               std::string(field) + "」の値「" + shown(value) + "」は" + why);
}

}  // namespace

void checkTablePosition(const PositionSource& where, std::string_view signField, std::string_view signText,
                        std::string_view degreeField, std::string_view degreeText)
{
    if (std::find(signNames.begin(), signNames.end(), signText) == signNames.end()) {
        refuse(where, signField, signText, "12星座の名前ではありません。");
    }
    const auto dot = degreeText.find('.');
    const std::string_view degrees = degreeText.substr(0, dot);
    const std::string_view minutes = dot == std::string_view::npos ? std::string_view("0") : degreeText.substr(dot + 1);
    if (!smallNumber(degrees, 29, 2) || !smallNumber(minutes, 59, 2)) {
        refuse(where, degreeField, degreeText, "度数として読めません（度は 0～29、分は 0～59）。");
    }
}

}  // namespace celmora::core
