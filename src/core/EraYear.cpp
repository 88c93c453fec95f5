// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/EraYear.h"

#include "platform/Checked.h"
#include "platform/Errors.h"

namespace celmora::core {

namespace {

struct Era {
    char letter;  // upper case
    int yearZero;  // Western year of the era's year 0
};

constexpr Era eras[] = {{'M', 1867}, {'T', 1911}, {'S', 1925}, {'H', 1988}, {'R', 2018}};

}  // namespace

std::string eraYearText(std::string_view text)
{
    if (text.empty()) throw platform::RangeError("年度が入力されていません。");
    const char first = text.front() >= 'a' && text.front() <= 'z' ? static_cast<char>(text.front() - 'a' + 'A') : text.front();
    for (const Era& era : eras) {
        if (era.letter == first) {
            return std::to_string(platform::checkedAdd(platform::toInt(text.substr(1)), era.yearZero));
        }
    }
    return std::string(text);
}

}  // namespace celmora::core
