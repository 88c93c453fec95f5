// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ZodiacText.h"

#include "core/calc1Unit.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace celmora::datagen {

namespace {
constexpr long minutesPerCircle = 360L * 60L;
}

SignDegree toSignDegree(double longitudeDegrees)
{
    // std::nearbyint rounds in the current mode, which is to-nearest-even by default.
    long minutes = static_cast<long>(std::nearbyint(longitudeDegrees * 60.0)) % minutesPerCircle;
    if (minutes < 0) minutes += minutesPerCircle;
    SignDegree result;
    result.sign = static_cast<int>(minutes / (30 * 60)) + 1;
    result.degree = static_cast<int>((minutes % (30 * 60)) / 60);
    result.minute = static_cast<int>(minutes % 60);
    return result;
}

std::string_view signName(int sign)
{
    if (sign < 1 || sign > 12) throw std::out_of_range("sign index " + std::to_string(sign));
    return core::signNames[static_cast<std::size_t>(sign - 1)];
}

std::string degreeText(const SignDegree& position)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d.%02d", position.degree, position.minute);
    return buffer;
}

}  // namespace celmora::datagen
