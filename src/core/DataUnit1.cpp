// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/DataUnit1.h"

#include <cstdlib>

#include "platform/Messages.h"

namespace celmora::core {

using platform::checkedAdd;
using platform::checkedDiv;
using platform::checkedMod;
using platform::checkedMul;
using platform::checkedSub;
using platform::toInt;

namespace {

constexpr int secondsPerDay = 86400;

std::string dotted(int a, int b)
{
    return std::to_string(a) + "." + std::to_string(b);
}

std::string dotted(int a, int b, int c)
{
    return dotted(a, b) + "." + std::to_string(c);
}

HmsResult hmsFromSeconds(int n)
{
    HmsResult r;
    r.h = n / 3600;
    r.m = (n % 3600) / 60;
    r.s = n % 60;
    r.text = dotted(r.h, r.m, r.s);
    return r;
}

// Keeps the first notice of an operation for its caller to show.
void note(std::string* notice, std::string text)
{
    if (notice != nullptr && notice->empty()) *notice = std::move(text);
}

}  // namespace

DmsParts TDatacalc1::decodeOrThrow(std::string_view hms) const
{
    std::string notice;
    DmsParts parts = DecodeDMS(hms, &notice);
    if (!notice.empty()) throw platform::ConversionError(notice);
    return parts;
}

TDatacalc1::TDatacalc1()
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) daysPerMonth_[m] = days[m - 1];
}

std::string TDatacalc1::ZeroPad2(int n) const
{
    std::string text = n > 9 ? "" : "0";
    return text.append(std::to_string(n));
}

int TDatacalc1::CountChar(std::string_view c, std::string_view s) const
{
    if (c.empty()) return 0;
    int n = 0;
    for (std::size_t at = s.find(c); at != std::string_view::npos; at = s.find(c, at + c.size())) ++n;
    return n;
}

DotParts TDatacalc1::SplitDot(std::string_view s) const
{
    const auto dot = s.find('.');
    if (dot == std::string_view::npos) return {std::string(s), "0"};
    return {std::string(s.substr(0, dot)), std::string(s.substr(dot + 1))};
}

DmsParts TDatacalc1::DecodeDMS(std::string_view hms, std::string* notice) const
{
    DmsParts parts;
    const auto first = hms.find('.');
    if (first == std::string_view::npos) {
        note(notice, "DecodeDMS error -" + std::string(hms));
        return parts;
    }
    parts.h = std::string(hms.substr(0, first));
    const std::string_view rest = hms.substr(first + 1);
    const auto second = rest.find('.');
    if (second == std::string_view::npos) {
        note(notice, "DecodeDMS error -" + std::string(hms));
        return parts;
    }
    parts.m = std::string(rest.substr(0, second));
    parts.s = std::string(rest.substr(second + 1));
    return parts;
}

int TDatacalc1::HMS2Sec(std::string_view hms) const
{
    const DmsParts p = decodeOrThrow(hms);
    return checkedAdd(checkedAdd(checkedMul(toInt(p.h), 3600), checkedMul(toInt(p.m), 60)), toInt(p.s));
}

std::string TDatacalc1::Sec2HMS(int n) const
{
    return hmsFromSeconds(n).text;
}

int TDatacalc1::DM2Min(std::string_view dm) const
{
    const DotParts p = SplitDot(dm);
    return checkedAdd(checkedMul(toInt(p.a), 60), toInt(p.b));
}

std::string TDatacalc1::Min2DM(int n) const
{
    return dotted(n / 60, n % 60);
}

int TDatacalc1::HMSDivide(std::string_view hms, int k) const
{
    const int seconds = platform::checkedRange(HMS2Sec(hms), 0, 65535, "秒数");
    return checkedDiv(seconds, k);
}

std::string TDatacalc1::HMSAddSec(std::string_view hms, int n) const
{
    return Sec2HMS(checkedAdd(HMS2Sec(hms), n));
}

std::string TDatacalc1::HMSSubSec(std::string_view hms, int n) const
{
    return Sec2HMS(checkedSub(HMS2Sec(hms), n));
}

bool TDatacalc1::HMSGreaterEq(std::string_view a, std::string_view b) const
{
    return HMS2Sec(a) >= HMS2Sec(b);
}

HmsResult TDatacalc1::HMSDiff(std::string_view a, std::string_view b) const
{
    const DmsParts pa = decodeOrThrow(a);
    const DmsParts pb = decodeOrThrow(b);
    int h = toInt(pa.h);
    int m = toInt(pa.m);
    int s = checkedSub(toInt(pa.s), toInt(pb.s));
    if (s < 0) {
        s = checkedAdd(s, 60);
        m = checkedSub(m, 1);
    }
    m = checkedSub(m, toInt(pb.m));
    if (m < 0) {
        m = checkedAdd(m, 60);
        h = checkedSub(h, 1);
    }
    h = checkedSub(h, toInt(pb.h));
    return {dotted(h, m, s), h, m, s};
}

DmResult TDatacalc1::DMAdd(std::string_view a, std::string_view b) const
{
    const DotParts pa = SplitDot(a);
    const DotParts pb = SplitDot(b);
    int m = checkedAdd(toInt(pa.b), toInt(pb.b));
    int d = checkedAdd(checkedAdd(toInt(pa.a), toInt(pb.a)), m / 60);
    m %= 60;
    return {dotted(d, m), d, m};
}

DmResult TDatacalc1::DMSub(std::string_view a, std::string_view b) const
{
    const DotParts pa = SplitDot(a);
    const DotParts pb = SplitDot(b);
    int d = toInt(pa.a);
    int m = checkedSub(toInt(pa.b), toInt(pb.b));
    if (m < 0) {
        m = checkedAdd(m, 60);
        d = checkedSub(d, 1);
    }
    d = checkedSub(d, toInt(pb.a));
    return {dotted(d, m), d, m};
}

HmsResult TDatacalc1::TimeSubWrap(std::string_view a, std::string_view b) const
{
    const int sa = HMS2Sec(a);
    const int sb = HMS2Sec(b);
    return hmsFromSeconds(sb < sa ? checkedSub(sa, sb) : checkedSub(checkedAdd(sa, secondsPerDay), sb));
}

HmsResult TDatacalc1::TimeAddWrap(std::string_view a, std::string_view b) const
{
    int sum = checkedAdd(HMS2Sec(a), HMS2Sec(b));
    if (sum > secondsPerDay) sum -= secondsPerDay;
    return hmsFromSeconds(sum);
}

std::string TDatacalc1::NormalizeTimeText(std::string_view s, std::string_view option) const
{
    const int dots = CountChar(".", s);
    if (dots == 0) {
        std::string text = toInt(s) > 9 ? "" : "0";
        return text.append(s).append(".00.00");
    }
    if (dots >= 3) return "";

    const DotParts hm = SplitDot(s);
    int h = toInt(hm.a);
    if (option == "BELLOW24" && h > 23) h -= 24;
    if (dots == 1) return ZeroPad2(h) + "." + ZeroPad2(toInt(hm.b)) + ".00";
    const DotParts ms = SplitDot(hm.b);
    return ZeroPad2(h) + "." + ZeroPad2(toInt(ms.a)) + "." + ZeroPad2(toInt(ms.b));
}

int TDatacalc1::DDHHStr2Int(std::string_view dm, std::string* notice) const
{
    const int dots = CountChar(".", dm);
    if (dots == 0) return toInt(dm);
    if (dots > 1) {
        note(notice, "DDHHStr2Int error -" + std::string(dm));
        return 0;
    }
    const DotParts p = SplitDot(dm);
    const int d = toInt(p.a);
    return toInt(p.b) <= 30 ? d : checkedAdd(d, 1);
}

double TDatacalc1::Kakudo2Real(std::string_view t, std::string* notice) const
{
    const int dots = CountChar(".", t);
    if (dots == 0) return toInt(t);
    if (dots > 2) {
        note(notice, "Kakudo2Real() - Illegal input ");
        return 0.0;
    }
    const DotParts p = SplitDot(t);
    const int d = toInt(p.a);
    int m = 0;
    if (dots == 1) {
        m = toInt(p.b);
    } else {
        const DotParts ms = SplitDot(p.b);
        m = toInt(ms.a);
        if (toInt(ms.b) > 30) m = checkedAdd(m, 1);
    }
    const int tenths = platform::roundHalfEven(m * 10.0 / 60.0);
    // Dividing the whole in tenths gives the same double as the literal (10.2, not 10 + 0.2).
    return (d * 10.0 + tenths) / 10.0;
}

double TDatacalc1::Kakudo2Real2(std::string_view t, std::string* notice) const
{
    const int dots = CountChar(".", t);
    if (dots == 0) return toInt(t);
    if (dots > 1) {
        note(notice, "Kakudo2Real2() - Illegal input ");
        return 0.0;
    }
    const DotParts p = SplitDot(t);
    const int hundredths = platform::roundHalfEven(toInt(p.b) * 100.0 / 60.0);
    return (toInt(p.a) * 100.0 + hundredths) / 100.0;
}

HarmonicPosition TDatacalc1::HarmonicPos(int h, int sign, std::string_view dm) const
{
    const DotParts p = SplitDot(dm);
    const int d = toInt(p.a);
    const int mm = checkedMul(toInt(p.b), h);
    const int dd = checkedAdd(checkedMul(d, h), mm / 60);
    const int minutes = mm % 60;
    const int total = checkedAdd(checkedMul(checkedMul(checkedSub(sign, 1), 30), h), dd);
    const int r = checkedMod(total, 360);
    return {r / 30 + 1, std::to_string(r % 30), std::to_string(minutes)};
}

platform::Date TDatacalc1::AddDays(int year, int month, int day, int n)
{
    daysPerMonth_[2] = platform::isLeapYear(year) ? 29 : 28;
    int d = checkedAdd(day, n);
    while (d > daysPerMonth_[month]) {
        d -= daysPerMonth_[month];
        ++month;
        if (month > 12) {
            month = 1;
            year = checkedAdd(year, 1);
            daysPerMonth_[2] = platform::isLeapYear(year) ? 29 : 28;
        }
    }
    return {year, month, d};
}

const TDatacalc1::AyanamsaTable& TDatacalc1::ayanamsaByYear() const
{
    if (!ayanamsaBuilt_) {
        buildAyanamsaTable();
        ayanamsaBuilt_ = true;
    }
    return ayanamsaByYear_;
}

void TDatacalc1::buildAyanamsaTable() const
{
    // Precession at 50 seconds of arc per year, counted in whole arc minutes from
    // 23°46' in 2000.
    for (int y = firstAyanamsaYear; y <= lastAyanamsaYear; ++y) {
        const int e = std::abs(2000 - y);
        const int k = platform::roundHalfEven(e * 50.0 / 60.0);
        const int d = k / 60;
        const std::string offset = dotted(d, k - 60 * d);
        ayanamsaByYear_[y] = y > 2000 ? DMAdd("23.46", offset).text : DMSub("23.46", offset).text;
    }
}

}  // namespace celmora::core
