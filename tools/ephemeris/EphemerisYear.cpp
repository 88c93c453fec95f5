// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "EphemerisYear.h"

#include "ZodiacText.h"

#include <swephexp.h>

#include <array>
#include <cstdio>
#include <stdexcept>

namespace celmora::datagen {

namespace {

constexpr int signFieldSize = 10;
constexpr int degreeFieldSize = 8;
constexpr double jstOffsetDays = 9.0 / 24.0;

struct Column {
    const char* suffix;  // the field names are "WIN" + suffix and "RAD" + suffix
    int sweBody;
    double hoursAfterMidnight;
};

// Table order of the value columns after "YYMMDD".
constexpr std::array<Column, 12> columns = {{
    {"太陽", SE_SUN, 0.0},
    {"月0", SE_MOON, 0.0},
    {"月1", SE_MOON, 12.0},
    {"ドラ", SE_MEAN_NODE, 0.0},
    {"水星", SE_MERCURY, 0.0},
    {"金星", SE_VENUS, 0.0},
    {"火星", SE_MARS, 0.0},
    {"木星", SE_JUPITER, 0.0},
    {"土星", SE_SATURN, 0.0},
    {"天王星", SE_URANUS, 0.0},
    {"海王星", SE_NEPTUNE, 0.0},
    {"冥王星", SE_PLUTO, 0.0},
}};

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

}  // namespace

platform::TableDef ephemerisTableDef()
{
    platform::TableDef def;
    def.fields.push_back({"YYMMDD", platform::FieldType::Text, 10, true});
    for (const Column& column : columns) {
        def.fields.push_back({std::string("WIN") + column.suffix, platform::FieldType::Text, signFieldSize, false});
        def.fields.push_back({std::string("RAD") + column.suffix, platform::FieldType::Text, degreeFieldSize, false});
    }
    def.primaryKeyFields = 1;
    return def;
}

double julianDayAtJstMidnight(int year, int month, int day)
{
    return swe_julday(year, month, day, 0.0, SE_GREG_CAL) - jstOffsetDays;
}

double apparentLongitude(int sweBody, double julianDayUt)
{
    double position[6] = {};
    char error[AS_MAXCH] = {};
    const int flags = swe_calc_ut(julianDayUt, sweBody, SEFLG_MOSEPH, position, error);
    if (flags < 0) throw std::runtime_error(std::string("swe_calc_ut: ") + error);
    return position[0];
}

int daysInYear(int year) { return isLeap(year) ? 366 : 365; }

std::vector<std::vector<std::string>> ephemerisYearRows(int year)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(daysInYear(year)));
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= daysInMonth(year, month); ++day) {
            std::vector<std::string> row;
            row.reserve(1 + 2 * columns.size());
            char key[32];
            std::snprintf(key, sizeof key, "%04d/%02d/%02d", year, month, day);
            row.emplace_back(key);
            const double midnight = julianDayAtJstMidnight(year, month, day);
            for (const Column& column : columns) {
                const SignDegree position =
                    toSignDegree(apparentLongitude(column.sweBody, midnight + column.hoursAfterMidnight / 24.0));
                row.emplace_back(signName(position.sign));
                row.push_back(degreeText(position));
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

}  // namespace celmora::datagen
