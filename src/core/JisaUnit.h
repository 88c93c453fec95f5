// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Local sidereal time at birth and the birthplace's time difference.
//
//   in:  birth month and day, clock time of birth (birthTimeText), time difference
//        of the birthplace in minutes of time (timeDiffMinutes)
//   out: localSiderealTime HH.MM.SS, the key into the house tables
//
// All places are in one country whose standard time refers to 135° east; a place's
// time difference is its longitude correction to that meridian in whole minutes of
// time. Mean sidereal time comes from a fixed table at 12:00 standard time per
// calendar day; the clock time from noon is added to it one to one.

#include <string>
#include <string_view>

namespace celmora::core {

struct ChartRecord;
class TDatacalc1;
class Tsitukofrm;
class CurrentPersonRow;

struct Place {
    std::string_view name;      // trimmed
    std::string_view timeDiff;  // signed minutes of time as text ("+19")
    int houseTable;             // 0..5, see houses::tableNames
};

inline constexpr int placeCount = 50;
// 東京: used when a name is not found.
inline constexpr int defaultPlace = 37;

// Place 1..50 in list order; another number is a RangeError.
const Place& place(int no);
// Number 1..50 of the first place whose trimmed name equals `name` exactly, 0 when
// none (an empty name or one with trailing blanks is none).
int findPlace(std::string_view name);
// The name as the lists show it: padded with blanks to six columns, a full-width
// character counting two ("東京" gets two blanks, "名古屋" none).
std::string storedPlaceName(int no);
// An item of the birthplace list: stored name + " " + time difference.
std::string areaListItem(int no);

// Mean sidereal time at 12:00 on (month 1..12, day 1..31) as h.m.s; days that do not
// exist hold "0.0.0". Another month or day is a RangeError.
const std::string& MeanSiderealTime(int month, int day);

// Writes record.localSiderealTime from month, day, birthTimeText and timeDiffMinutes,
// always a time of day 00.00.00 .. 23.59.59 (also for a difference beyond a day).
void LocalSiderealTime(const TDatacalc1& calc, ChartRecord& record);

// Opens the house table of a birthplace (Tokyo's when the name is not one of the 50)
// and shows it in the maintenance screen's area box. False after telling the user
// when the table cannot be opened.
bool SelectBirthplaceTables(Tsitukofrm& houses, std::string_view name);

// The birthplace screen's confirmation: place `no` becomes birthPlace of the main
// chart and, when there is a person row, its "時差" and "AREA1". Returns the time
// difference text for the data-entry page's box. The chart is not recomputed.
std::string ChooseBirthplace(ChartRecord& mainChart, CurrentPersonRow* personRow, int no);

}  // namespace celmora::core
