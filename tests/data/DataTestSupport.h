// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Shared by the data-builder tests: the fixture folder, running a command-line
// program, and reading the tables' sign names and degree texts back into numbers.

#include "platform/Table.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/wait.h>

namespace celmora::testing {

inline const std::string fixtureDir = CELMORA_DATA_FIXTURE_DIR;

// Sign names as the tables write them (Aries first), spelled out here rather than taken
// from the builders so a wrong name in the builders cannot pass unnoticed.
inline constexpr std::array<std::string_view, 12> tableSignNames = {
    "牡羊", "牡牛", "双子", "かに", "獅子", "乙女", "天秤", "さそり", "射手", "山羊", "水瓶", "うお"};

struct CommandResult {
    int exitCode = -1;
    std::string output;  // stdout and stderr together
};

inline CommandResult runCommand(const std::string& command)
{
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline bool swetestAvailable()
{
    static const bool available = runCommand("swetest -h").exitCode == 0;
    return available;
}

// Absolute longitude in whole minutes of arc (0..21599) from a sign name and a degree
// text "d.mm"; nullopt when either is malformed (a minute of 60 included).
inline std::optional<int> longitudeMinutes(const std::string& sign, const std::string& degreeText)
{
    int signIndex = -1;
    for (std::size_t i = 0; i < tableSignNames.size(); ++i) {
        if (tableSignNames[i] == sign) signIndex = static_cast<int>(i);
    }
    const std::size_t dot = degreeText.find('.');
    if (signIndex < 0 || dot == std::string::npos || dot == 0 || degreeText.size() != dot + 3) return std::nullopt;
    for (std::size_t i = 0; i < degreeText.size(); ++i) {
        if (i != dot && (degreeText[i] < '0' || degreeText[i] > '9')) return std::nullopt;
    }
    const int degrees = std::stoi(degreeText.substr(0, dot));
    const int minutes = std::stoi(degreeText.substr(dot + 1));
    if (degrees > 29 || minutes > 59) return std::nullopt;
    return signIndex * 1800 + degrees * 60 + minutes;
}

// Difference a − b of two longitudes in minutes, folded into −10800..10799.
inline int minutesApart(int a, int b)
{
    int d = (a - b) % 21600;
    if (d < -10800) d += 21600;
    if (d >= 10800) d -= 21600;
    return d;
}

}  // namespace celmora::testing
