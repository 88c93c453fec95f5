// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Sign helpers shared by every subsystem that reads sign names out of data tables.
// Sign index 1..12 counts from Aries; the short names below are the keys used in
// the ephemeris, house and text tables (a heading appends "座").

#include "core/SignIndex.h"

#include <array>
#include <string>
#include <string_view>

namespace celmora::core {

inline constexpr std::array<std::string_view, 12> signNames{
    "牡羊", "牡牛", "双子", "かに", "獅子", "乙女", "天秤", "さそり", "射手", "山羊", "水瓶", "うお"};

// Name of sign 1..12; another index is a RangeError.
const std::string& signName(int sign);

// Sign index 1..12 of a short sign name (exact text comparison).
// A name that is not one of the twelve throws CommandError "seiza2id error : " + name:
// the event boundary shows it and the command that asked ends there.
SignIndex seiza2id(std::string_view name);

// The sign opposite: index + 6 when that is at most 12, otherwise index - 6.
SignIndex OppositeSign(int sign);

// Name of OppositeSign(seiza2id(name)).
const std::string& OppositeSignName(std::string_view name);

}  // namespace celmora::core
