// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The arithmetic module: times and angles travel through the whole system as dotted
// decimal text, and every conversion and combination of them happens here.
//
//   time text   h.m.s  hours, minutes, seconds ("12.0.0", "9.5.00"); normalised HH.MM.SS
//   degree text d.m    whole degrees within a sign and minutes ("5.07", "23.46")
//
// One instance lives for the whole program. Besides the operations it holds the
// days-per-month table (February set by each AddDays call) and ayanamsaByYear, the
// sidereal offset per year 1500..2200 read by the Indian chart. That table depends on
// nothing but its rule, so it is built on its first reading instead of at creation:
// a Diagnose run from the command line never reads it.
//
// Non-numeric parts of a text throw platform::ConversionError, checked arithmetic
// throws RangeError / OverflowError / DivisionError; each ends the current command.
// The module shows nothing itself: the operations that meet an illegal text
// (DecodeDMS, DDHHStr2Int, Kakudo2Real, Kakudo2Real2) write the fixed text of the
// problem into `notice` (when given and still empty) and go on as described; the
// caller shows it through its own message interface. The time operations that decode
// h.m.s internally throw ConversionError with DecodeDMS's text instead.

#include "platform/Checked.h"
#include "platform/Clock.h"

#include <string>
#include <string_view>

namespace celmora::core {

// SplitDot result: text before the first "." and everything after it.
struct DotParts {
    std::string a;
    std::string b;
    bool operator==(const DotParts&) const = default;
};

// DecodeDMS result; parts not extracted stay empty.
struct DmsParts {
    std::string h;
    std::string m;
    std::string s;
    bool operator==(const DmsParts&) const = default;
};

// A time result: text h.m.s without leading zeros and its parts.
struct HmsResult {
    std::string text;
    int h = 0;
    int m = 0;
    int s = 0;
    bool operator==(const HmsResult&) const = default;
};

// An angle result: text d.m without leading zeros and its parts.
struct DmResult {
    std::string text;
    int d = 0;
    int m = 0;
    bool operator==(const DmResult&) const = default;
};

// A position in harmonic h: sign 1..12, whole degrees and minutes within it as texts.
struct HarmonicPosition {
    int sign = 0;
    std::string degreeText;
    std::string minuteText;
    bool operator==(const HarmonicPosition&) const = default;
};

class TDatacalc1 {
public:
    static constexpr int firstAyanamsaYear = 1500;
    static constexpr int lastAyanamsaYear = 2200;
    using AyanamsaTable = platform::Array1<std::string, firstAyanamsaYear, lastAyanamsaYear>;

    TDatacalc1();

    // n above 9: its decimal text; otherwise "0" followed by it ("07").
    std::string ZeroPad2(int n) const;
    // Occurrences of the (one-character) text c in s.
    int CountChar(std::string_view c, std::string_view s) const;
    // No "." in s: (s, "0"); otherwise (before the first ".", everything after it).
    DotParts SplitDot(std::string_view s) const;
    // h = before the first "."; of the rest, m = before its first ".", s = after it.
    // A text lacking either dot notes "DecodeDMS error -" + text; the parts not yet
    // extracted stay empty (the caller's conversion of them then fails).
    DmsParts DecodeDMS(std::string_view hms, std::string* notice = nullptr) const;

    int HMS2Sec(std::string_view hms) const;
    // (n div 3600).((n mod 3600) div 60).(n mod 60), no leading zeros.
    std::string Sec2HMS(int n) const;
    int DM2Min(std::string_view dm) const;
    std::string Min2DM(int n) const;
    // HMS2Sec limited to 0..65535 (RangeError above), truncating division by k
    // (DivisionError for 0).
    int HMSDivide(std::string_view hms, int k) const;
    std::string HMSAddSec(std::string_view hms, int n) const;
    std::string HMSSubSec(std::string_view hms, int n) const;
    bool HMSGreaterEq(std::string_view a, std::string_view b) const;
    // a - b (a >= b) by borrowing seconds from minutes and minutes from hours.
    // @warning With a < b the hours come out negative; no caller does that.
    HmsResult HMSDiff(std::string_view a, std::string_view b) const;
    DmResult DMAdd(std::string_view a, std::string_view b) const;
    // a - b (a >= b), borrowing 60 minutes from the degrees when needed.
    DmResult DMSub(std::string_view a, std::string_view b) const;
    // a - b when b < a, otherwise a + 24 h - b (equal times give 24.0.0).
    HmsResult TimeSubWrap(std::string_view a, std::string_view b) const;
    // a + b, less 24 h once when the sum exceeds 24 h (exactly 24 h stays 24.0.0).
    HmsResult TimeAddWrap(std::string_view a, std::string_view b) const;
    // Writes a time text as HH.MM.SS; option "BELLOW24" folds hours 24.. back by 24
    // once. A bare number n gives "n.00.00" (the option is not applied); three or
    // more dots give "".
    std::string NormalizeTimeText(std::string_view s, std::string_view option) const;
    // d.m to whole degrees: d when m <= 30, d + 1 when m > 30; a bare integer as is.
    // @warning Two or more dots note "DDHHStr2Int error -" + text and give 0.
    int DDHHStr2Int(std::string_view dm, std::string* notice = nullptr) const;
    // Degree text to real degrees in tenths: d + round(m * 10 / 60) / 10, halves to
    // even (10.57 -> 11.0). d.m.s first rounds the minutes by the seconds (m + 1 when
    // s > 30) and then converts like d.m.
    // @warning Three or more dots note "Kakudo2Real() - Illegal input " and give 0.
    double Kakudo2Real(std::string_view t, std::string* notice = nullptr) const;
    // The same in hundredths: d + round(m * 100 / 60) / 100 (12.05 -> 12.08).
    // @warning Two or more dots note "Kakudo2Real2() - Illegal input " and give 0.
    double Kakudo2Real2(std::string_view t, std::string* notice = nullptr) const;
    // Position of a point (sign, d.m) in harmonic h.
    HarmonicPosition HarmonicPos(int h, int sign, std::string_view dm) const;
    // Adds n >= 0 days to a date; sets the February entry for the year it works on.
    platform::Date AddDays(int year, int month, int day, int n);

    // Days per month 1..12; February holds what the last AddDays set (28 at start).
    const platform::Array1<int, 1, 12>& daysPerMonth() const { return daysPerMonth_; }
    // Sidereal offset (degree text) per year 1500..2200.
    const AyanamsaTable& ayanamsaByYear() const;

private:
    void buildAyanamsaTable() const;
    DmsParts decodeOrThrow(std::string_view hms) const;

    platform::Array1<int, 1, 12> daysPerMonth_;
    mutable AyanamsaTable ayanamsaByYear_;
    mutable bool ayanamsaBuilt_ = false;
};

}  // namespace celmora::core
