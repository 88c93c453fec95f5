// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "HouseTableRows.h"

#include <swephexp.h>

#include <cstdio>
#include <stdexcept>

#include "ZodiacText.h"
#include "core/situkohyodb.h"

namespace celmora::datagen {

namespace {
constexpr std::array<int, 6> cuspNumbers = {1, 2, 3, 10, 11, 12};
constexpr std::array<const char*, 6> cuspFields = {"HA01", "HA02", "HA03", "HA10", "HA11", "HA12"};
constexpr int keyFieldSize = 10;
constexpr int signFieldSize = 10;
constexpr int degreeFieldSize = 8;
}  // namespace

platform::TableDef houseTableDef()
{
    platform::TableDef def;
    def.fields.push_back({core::houses::keyField, platform::FieldType::Text, keyFieldSize, true});
    for (const char* field : cuspFields) {
        def.fields.push_back({std::string(field) + "S", platform::FieldType::Text, signFieldSize, false});
        def.fields.push_back({field, platform::FieldType::Text, degreeFieldSize, false});
    }
    def.primaryKeyFields = 1;
    return def;
}

std::vector<SecondaryIndex> houseTableIndexes()
{
    return {{core::houses::keyIndex, core::houses::keyField}};
}

std::string houseKey(int siderealMinute)
{
    char key[32];
    std::snprintf(key, sizeof key, "%02d.%02d.00", siderealMinute / 60, siderealMinute % 60);
    return key;
}

std::array<double, 6> placidusCusps(double armcDegrees, double latitude, double obliquity)
{
    double cusps[13] = {};
    double angles[10] = {};
    // ERR means the library fell back to Porphyry (inside the polar circles): such a
    // table would silently not be Placidus.
    if (swe_houses_armc(armcDegrees, latitude, obliquity, 'P', cusps, angles) != OK) {
        throw std::runtime_error("Placidus cusps undefined at latitude " + std::to_string(latitude));
    }
    std::array<double, 6> result{};
    for (std::size_t i = 0; i < cuspNumbers.size(); ++i) result[i] = cusps[cuspNumbers[i]];
    return result;
}

std::vector<std::vector<std::string>> houseTableRows(double latitude)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(siderealMinutesPerDay);
    for (int minute = 0; minute < siderealMinutesPerDay; ++minute) {
        std::vector<std::string> row;
        row.push_back(houseKey(minute));
        for (double cusp : placidusCusps(minute / 4.0, latitude, obliquityJ2000)) {
            const SignDegree position = toSignDegree(cusp);
            row.emplace_back(signName(position.sign));
            row.push_back(degreeText(position));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace celmora::datagen
