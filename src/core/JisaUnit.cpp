// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/JisaUnit.h"

#include "core/ChartRecord.h"
#include "core/CurrentPersonRow.h"
#include "core/DataUnit1.h"
#include "core/situkohyodb.h"
#include "platform/Checked.h"
#include "platform/Utf8.h"

#include <array>

namespace celmora::core {

namespace {

constexpr int secondsPerDay = 86400;

// Mean sidereal time at 12:00 standard time, months 1..12 by days 1..31.
constexpr const char* meanSiderealTable[12][31] = {
    // month 1
    {"18.43.0", "18.47.0", "18.51.0", "18.55.0", "18.59.0", "19.3.0", "19.7.0", "19.11.0",
     "19.15.0", "19.19.0", "19.23.0", "19.26.0", "19.31.0", "19.35.0", "19.39.0", "19.43.0",
     "19.46.0", "19.50.0", "19.54.0", "19.58.0", "20.2.0", "20.6.0", "20.10.0", "20.14.0",
     "20.18.0", "20.22.0", "20.26.0", "20.30.0", "20.34.0", "20.38.0", "20.42.0"},
    // month 2
    {"20.45.0", "20.49.0", "20.53.0", "20.57.0", "21.1.0", "21.5.0", "21.9.0", "21.13.0",
     "21.17.0", "21.21.0", "21.25.0", "21.29.0", "21.33.0", "21.37.0", "21.41.0", "21.45.0",
     "21.49.0", "21.53.0", "21.57.0", "22.1.0", "22.4.0", "22.8.0", "22.12.0", "22.16.0",
     "22.20.0", "22.24.0", "22.28.0", "22.32.0", "22.33.0", "0.0.0", "0.0.0"},
    // month 3
    {"22.36.0", "22.40.0", "22.44.0", "22.48.0", "22.52.0", "22.56.0", "23.0.0", "23.3.0",
     "23.7.0", "23.11.0", "23.15.0", "23.19.0", "23.23.0", "23.27.0", "23.31.0", "23.35.0",
     "23.39.0", "23.44.0", "23.48.0", "23.52.0", "23.56.0", "23.59.0", "0.2.0", "0.6.0",
     "0.10.0", "0.14.0", "0.18.0", "0.22.0", "0.25.0", "0.30.0", "0.34.0"},
    // month 4
    {"0.38.0", "0.42.0", "0.46.0", "0.50.0", "0.54.0", "0.58.0", "1.2.0", "1.6.0",
     "1.10.0", "1.14.0", "1.18.0", "1.22.0", "1.26.0", "1.29.0", "1.33.0", "1.37.0",
     "1.41.0", "1.45.0", "1.49.0", "1.53.0", "1.57.0", "2.1.0", "2.5.0", "2.9.0",
     "2.13.0", "2.17.0", "2.21.0", "2.25.0", "2.29.0", "2.33.0", "0.0.0"},
    // month 5
    {"2.36.0", "2.40.0", "2.44.0", "2.48.0", "2.52.0", "2.56.0", "3.0.0", "3.4.0",
     "3.8.0", "3.12.0", "3.16.0", "3.20.0", "3.24.0", "3.28.0", "3.32.0", "3.36.0",
     "3.40.0", "3.44.0", "3.47.0", "3.51.0", "3.55.0", "3.59.0", "4.3.0", "4.7.0",
     "4.11.0", "4.15.0", "4.19.0", "4.23.0", "4.27.0", "4.31.0", "4.35.0"},
    // month 6
    {"4.39.0", "4.43.0", "4.47.0", "4.51.0", "4.54.0", "4.58.0", "5.2.0", "5.6.0",
     "5.10.0", "5.14.0", "5.18.0", "5.22.0", "5.26.0", "5.30.0", "5.34.0", "5.38.0",
     "5.42.0", "5.46.0", "5.50.0", "5.54.0", "5.58.0", "6.2.0", "6.5.0", "6.9.0",
     "6.13.0", "6.17.0", "6.21.0", "6.25.0", "6.29.0", "6.33.0", "0.0.0"},
    // month 7
    {"6.37.0", "6.41.0", "6.45.0", "6.49.0", "6.53.0", "6.57.0", "7.1.0", "7.5.0",
     "7.9.0", "7.12.0", "7.16.0", "7.20.0", "7.24.0", "7.28.0", "7.32.0", "7.36.0",
     "7.40.0", "7.44.0", "7.48.0", "7.52.0", "7.56.0", "8.0.0", "8.4.0", "8.8.0",
     "8.12.0", "8.16.0", "8.20.0", "8.23.0", "8.27.0", "8.31.0", "8.35.0"},
    // month 8
    {"8.39.0", "8.43.0", "8.47.0", "8.51.0", "8.55.0", "8.59.0", "9.3.0", "9.7.0",
     "9.11.0", "9.15.0", "9.19.0", "9.23.0", "9.27.0", "9.30.0", "9.34.0", "9.38.0",
     "9.42.0", "9.46.0", "9.50.0", "9.54.0", "9.58.0", "10.2.0", "10.6.0", "10.10.0",
     "10.14.0", "10.18.0", "10.22.0", "10.26.0", "10.30.0", "10.34.0", "10.38.0"},
    // month 9
    {"10.42.0", "10.45.0", "10.49.0", "10.53.0", "10.57.0", "11.1.0", "11.5.0", "11.9.0",
     "11.13.0", "11.17.0", "11.21.0", "11.25.0", "11.29.0", "11.33.0", "11.37.0", "11.41.0",
     "11.45.0", "11.48.0", "11.52.0", "11.56.0", "12.0.0", "12.4.0", "12.8.0", "12.12.0",
     "12.16.0", "12.20.0", "12.24.0", "12.28.0", "12.32.0", "12.36.0", "0.0.0"},
    // month 10
    {"12.40.0", "12.44.0", "12.48.0", "12.52.0", "12.55.0", "12.59.0", "13.3.0", "13.7.0",
     "13.11.0", "13.15.0", "13.19.0", "13.23.0", "13.27.0", "13.31.0", "13.35.0", "13.39.0",
     "13.43.0", "13.47.0", "13.51.0", "13.55.0", "13.59.0", "14.3.0", "14.6.0", "14.10.0",
     "14.14.0", "14.18.0", "14.22.0", "14.26.0", "14.30.0", "14.34.0", "14.38.0"},
    // month 11
    {"14.42.0", "14.46.0", "14.50.0", "14.54.0", "14.58.0", "15.2.0", "15.6.0", "15.10.0",
     "15.13.0", "15.17.0", "15.21.0", "15.25.0", "15.29.0", "15.33.0", "15.37.0", "15.41.0",
     "15.45.0", "15.49.0", "15.53.0", "15.57.0", "16.1.0", "16.5.0", "16.9.0", "16.13.0",
     "16.17.0", "16.20.0", "16.24.0", "16.28.0", "16.32.0", "16.36.0", "0.0.0"},
    // month 12
    {"16.40.0", "16.44.0", "16.48.0", "16.52.0", "16.56.0", "17.0.0", "17.4.0", "17.8.0",
     "17.12.0", "17.16.0", "17.20.0", "17.24.0", "17.28.0", "17.31.0", "17.35.0", "17.39.0",
     "17.43.0", "17.47.0", "17.51.0", "17.55.0", "17.59.0", "18.3.0", "18.7.0", "18.11.0",
     "18.15.0", "18.19.0", "18.23.0", "18.27.0", "18.31.0", "18.35.0", "18.38.0"},
};

constexpr std::array<Place, placeCount> places{{
    {"那覇", "-29", 5},  // 1
    {"長崎", "-21", 5},  // 2
    {"佐賀", "-19", 5},  // 3
    {"福岡", "-18", 5},  // 4
    {"鹿児島", "-18", 5},  // 5
    {"熊本", "-17", 5},  // 6
    {"宮崎", "-14", 5},  // 7
    {"大分", "-14", 5},  // 8
    {"松山", "-09", 5},  // 9
    {"高知", "-06", 5},  // 10
    {"高松", "-04", 5},  // 11
    {"徳島", "-02", 5},  // 12
    {"山口", "-14", 4},  // 13
    {"広島", "-10", 4},  // 14
    {"松江", "-08", 2},  // 15
    {"岡山", "-04", 4},  // 16
    {"鳥取", "-03", 2},  // 17
    {"和歌山", "+01", 5},  // 18
    {"神戸", "+01", 4},  // 19
    {"大阪", "+02", 4},  // 20
    {"京都", "+03", 4},  // 21
    {"奈良", "+03", 4},  // 22
    {"大津", "+03", 3},  // 23
    {"津", "+06", 3},  // 24
    {"福井", "+05", 2},  // 25
    {"金沢", "+07", 1},  // 26
    {"岐阜", "+07", 2},  // 27
    {"名古屋", "+08", 3},  // 28
    {"富山", "+09", 2},  // 29
    {"長野", "+13", 2},  // 30
    {"静岡", "+14", 2},  // 31
    {"甲府", "+14", 2},  // 32
    {"新潟", "+16", 1},  // 33
    {"前橋", "+16", 2},  // 34
    {"横浜", "+19", 2},  // 35
    {"浦和", "+19", 2},  // 36
    {"東京", "+19", 2},  // 37
    {"宇都宮", "+20", 2},  // 38
    {"千葉", "+20", 2},  // 39
    {"水戸", "+22", 2},  // 40
    {"小笠原", "+29", 5},  // 41
    {"秋田", "+20", 1},  // 42
    {"山形", "+21", 1},  // 43
    {"福島", "+22", 1},  // 44
    {"青森", "+23", 1},  // 45
    {"仙台", "+23", 1},  // 46
    {"盛岡", "+25", 1},  // 47
    {"函館", "+23", 0},  // 48
    {"札幌", "+25", 0},  // 49
    {"根室", "+42", 0},  // 50
}};

// The names were stored in six bytes of a double-byte code page.
constexpr int storedNameColumns = 6;

}  // namespace

const Place& place(int no)
{
    platform::checkedRange(no, 1, placeCount, "地域番号");
    return places[static_cast<std::size_t>(no - 1)];
}

int findPlace(std::string_view name)
{
    for (int no = 1; no <= placeCount; ++no) {
        if (place(no).name == name) return no;
    }
    return 0;
}

std::string storedPlaceName(int no)
{
    const std::string_view name = place(no).name;
    int columns = 0;
    for (std::size_t i = 0; i < name.size();) columns += platform::utf8::isHalfWidth(platform::utf8::next(name, i)) ? 1 : 2;
    std::string stored(name);
    if (columns < storedNameColumns) stored.append(static_cast<std::size_t>(storedNameColumns - columns), ' ');
    return stored;
}

std::string areaListItem(int no)
{
    return storedPlaceName(no) + " " + std::string(place(no).timeDiff);
}

const std::string& MeanSiderealTime(int month, int day)
{
    static const platform::Array2<std::string, 1, 12, 1, 31> table = [] {
        platform::Array2<std::string, 1, 12, 1, 31> t;
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) t[m][d] = meanSiderealTable[m - 1][d - 1];
        return t;
    }();
    return table[month][day];
}

void LocalSiderealTime(const TDatacalc1& calc, ChartRecord& record)
{
    const std::string& mean = MeanSiderealTime(record.month, record.day);
    HmsResult t;
    if (calc.HMSGreaterEq("12.0.0", record.birthTimeText)) {
        const HmsResult beforeNoon = calc.HMSDiff("12.0.0", record.birthTimeText);
        t = calc.TimeSubWrap(mean, beforeNoon.text);
    } else {
        const HmsResult afterNoon = calc.HMSDiff(record.birthTimeText, "12.0.0");
        t = calc.TimeAddWrap(mean, afterNoon.text);
    }
    const int c = calc.HMS2Sec(t.text);
    const int b = platform::checkedMul(record.timeDiffMinutes, 60);
    int seconds = 0;
    if (b < 0) {
        seconds = -b < c ? c + b : platform::checkedAdd(c + secondsPerDay, b);
    } else {
        // May pass 24 hours; the normalisation folds it back.
        seconds = platform::checkedAdd(c, b);
    }
    // A difference typed into the box can exceed a whole day, which one fold by 24 h
    // does not bring back (-3000 minutes gave "0-7.0-17.00"): keep the time of day.
    // Within a day's difference this changes nothing.
    seconds = (seconds % secondsPerDay + secondsPerDay) % secondsPerDay;
    record.localSiderealTime = calc.NormalizeTimeText(calc.Sec2HMS(seconds), "BELLOW24");
}

bool SelectBirthplaceTables(Tsitukofrm& houses, std::string_view name)
{
    int no = findPlace(name);
    if (no == 0) no = defaultPlace;
    const int houseTable = place(no).houseTable;
    if (!houses.selectTable(houseTable)) return false;
    houses.showInAreaBox(houseTable);
    return true;
}

std::string ChooseBirthplace(ChartRecord& mainChart, CurrentPersonRow* personRow, int no)
{
    const Place& chosen = place(no);
    mainChart.birthPlace = std::string(chosen.name);
    const std::string diff(chosen.timeDiff);
    if (personRow) personRow->setTimeDiffAndArea(diff, mainChart.birthPlace);
    return diff;
}

}  // namespace celmora::core
