// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/koyomiDB.h"

#include "core/TablePosition.h"

#include "core/ChartPoints.h"
#include "core/ChartRecord.h"
#include "core/DataUnit1.h"
#include "core/calc1Unit.h"
#include "platform/Checked.h"
#include "platform/ControlsDisabled.h"
#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "platform/Table.h"

namespace celmora::core {

namespace {

struct SignDeg {
    int sign = 0;
    int d = 0;
    int m = 0;
};

SignDeg readSignDeg(const TDatacalc1& calc, const platform::Table& table, const char* signField, const char* degField)
{
    const DotParts parts = calc.SplitDot(table.text(degField));
    return {seiza2id(table.text(signField)), platform::toInt(parts.a), platform::toInt(parts.b)};
}

// Past 30 degrees the position moves into the next sign (after Pisces, Aries).
void wrapIntoNextSign(SignDeg& p)
{
    if (p.d >= 30) {
        p.d -= 30;
        p.sign = p.sign == 12 ? 1 : p.sign + 1;
    }
}

// Whole degrees, ".", two-digit minutes (5 and 7 give 5.07).
std::string degreeText(int d, int m)
{
    return std::to_string(d) + (m < 10 ? ".0" : ".") + std::to_string(m);
}

}  // namespace

int sunHourCorrection(int hour)
{
    return platform::roundHalfEven(hour * 2.5);
}

int moonHourCorrection(int hour, int minute)
{
    const int sinceRow = hour < 12 ? hour : hour - 12;
    return sinceRow * 30 + (minute / 10) * 5;
}

Tkoyomifrm::Tkoyomifrm(const platform::Services& services, const TDatacalc1& datacalc, const ChartRecord& mainChart)
    : engine_(*services.tables),
      messages_(*services.messages),
      datacalc_(datacalc),
      mainChart_(mainChart),
      folder_(services.dirs.ephemerisDir()),
      installed_(services.dirs.isInstalledData(folder_))
{
}

Tkoyomifrm::~Tkoyomifrm() = default;

void Tkoyomifrm::setComputeHarmonics(std::function<void(ChartRecord&)> step)
{
    computeHarmonics_ = std::move(step);
}

void Tkoyomifrm::closeTable()
{
    table_.reset();
    openYear_ = 0;
}

bool Tkoyomifrm::openYearTable(int year)
{
    if (table_ && openYear_ == year && !reopenEveryCall_) return true;
    closeTable();
    const std::string name = std::to_string(year);
    if (!engine_.exists(folder_, name)) {
        messages_.error(year == 0 ? "生年が指定されていないため天文暦の年テーブルを開けません。"
                                  : "天文暦の年テーブル「" + name + "」がフォルダ「" + folder_ + "」にありません。");
        return false;
    }
    try {
        table_ = installed_ ? engine_.openReadOnly(folder_, name) : engine_.open(folder_, name);
    } catch (const platform::TableError&) {
        messages_.error("天文暦の年テーブル「" + name + "」（フォルダ「" + folder_ + "」）を読み込めません。");
        return false;
    }
    openYear_ = year;
    return true;
}

bool Tkoyomifrm::get_planet(ChartRecord& record)
{
    if (!openYearTable(record.year)) return false;
    platform::Table& table = *table_;
    {
        platform::ControlsDisabled quiet(table);
        // The lookup and the fields of its row under one lock.
        const platform::ReadingPass pass(table);

        // The table is keyed by date; an impossible date (30 February) or a gap in
        // the data has no row, and the record keeps its previous positions.
        const bool found =
            table.findKey({record.birthDateText}) && table.text(ephemeris::dateField) == record.birthDateText;
        if (!found) {
            messages_.information(record.birthDateText + " not found at Tkoyomifrm.get_planet.");
            return false;
        }

        // Every position of the day's row is one the tables can hold, before any of them
        // is used: a damaged file is refused with its row and field.
        const PositionSource where{"天文暦の年テーブル「" + std::to_string(record.year) + "」", record.birthDateText};
        const auto check = [&](const std::string& signField, const std::string& degField) {
            checkTablePosition(where, signField, table.text(signField), degField, table.text(degField));
        };
        check(ephemeris::sunSign, ephemeris::sunDeg);
        check(record.hour < 12 ? ephemeris::moon0Sign : ephemeris::moon12Sign,
              record.hour < 12 ? ephemeris::moon0Deg : ephemeris::moon12Deg);
        check(ephemeris::nodeSign, ephemeris::nodeDeg);
        for (const char* planet : ephemeris::planetFieldNames) {
            check(std::string("WIN") + planet, std::string("RAD") + planet);
        }

        int p = point::Mercury;
        for (const char* planet : ephemeris::planetFieldNames) {
            record.pointSignName[p] = table.text(std::string("WIN") + planet);
            record.pointDegText[p] = table.text(std::string("RAD") + planet);
            ++p;
        }
        record.pointSignName[point::Node] = table.text(ephemeris::nodeSign);
        record.pointDegText[point::Node] = table.text(ephemeris::nodeDeg);

        // The Sun moves about 2.5' per hour from its 0 h position.
        SignDeg sun = readSignDeg(datacalc_, table, ephemeris::sunSign, ephemeris::sunDeg);
        const int sunMinutes = sun.m + sunHourCorrection(record.hour);
        if (sunMinutes >= 120) {
            sun.d += 2;
            sun.m = sunMinutes - 120;
        } else if (sunMinutes >= 60) {
            sun.d += 1;
            sun.m = sunMinutes - 60;
        } else {
            sun.m = sunMinutes;
        }
        wrapIntoNextSign(sun);

        // The Moon moves about 30' per hour from its 0 h or 12 h position.
        const bool morning = record.hour < 12;
        SignDeg moon = readSignDeg(datacalc_, table, morning ? ephemeris::moon0Sign : ephemeris::moon12Sign,
                                   morning ? ephemeris::moon0Deg : ephemeris::moon12Deg);
        moon.m += moonHourCorrection(record.hour, record.minute);
        moon.d += moon.m / 60;
        moon.m %= 60;
        wrapIntoNextSign(moon);

        record.pointSignName[point::Sun] = signName(sun.sign);
        record.pointSignName[point::Moon] = signName(moon.sign);
        record.pointDegText[point::Sun] = degreeText(sun.d, sun.m);
        record.pointDegText[point::Moon] = degreeText(moon.d, moon.m);

        std::string notice;
        for (int q = 1; q <= point::lastPlanet; ++q) {
            record.pointSign[q] = seiza2id(record.pointSignName[q]);
            record.pointDeg[q] = datacalc_.DDHHStr2Int(record.pointDegText[q], &notice);
            record.pointDegReal[q] = datacalc_.Kakudo2Real(record.pointDegText[q], &notice);
        }
        if (!notice.empty()) messages_.information(notice);

        // The angles belong to the birth moment and place: always the main chart's.
        const ChartRecord& natal = mainChart_;
        const int angleHouse[] = {1, 10};
        const int anglePoint[] = {point::Asc, point::Mc};
        for (int i = 0; i < 2; ++i) {
            const int h = angleHouse[i];
            const int q = anglePoint[i];
            record.pointSignName[q] = natal.houseSignName[h];
            record.pointSign[q] = natal.houseSign[h];
            record.pointDegText[q] = natal.houseDegText[h];
            record.pointDegReal[q] = natal.houseDegReal[h];
            record.pointDeg[q] = platform::roundHalfEven(natal.houseDegReal[h]);
        }
    }
    if (reopenEveryCall_) closeTable();

    if (computeHarmonics_) computeHarmonics_(record);
    return true;
}

}  // namespace celmora::core
