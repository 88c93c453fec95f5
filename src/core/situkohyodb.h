// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// House cusps from the per-city Placidus tables (the logic of the house-table screen).
//
//   in:  a local sidereal time HH.MM.SS (one row per minute, 00.00.00 .. 23.59.00)
//        table "<program>/precidus/<City>" (HouseTable): cusps 1, 2, 3, 10, 11, 12
//   out: the record's natal house fields, or its current-residence ASC and MC
//
// One table component serves every lookup and stays on the last table selected: the
// birthplace's (Diagnose run), the current residence's, or the maintenance screen's.
// It is opened on Tokyo at start-up.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace celmora::platform {
struct Services;
class Messages;
class Table;
class TableEngine;
}  // namespace celmora::platform

namespace celmora::core {

struct ChartRecord;
class TDatacalc1;

namespace houses {
// House-table numbers 0..5: table names (the files are "<name>.db") and captions.
inline constexpr std::array<std::string_view, 6> tableNames{"Sapporo", "Sendai", "Tokyo",
                                                            "Nagoya",  "Oosaka", "Fukuoka"};
inline constexpr std::array<std::string_view, 6> captions{"札幌の室項表",   "仙台の室項表", "東京の室項表",
                                                          "名古屋の室項表", "大阪の室項表", "福岡の室項表"};
inline constexpr int tokyo = 2;
inline constexpr const char* keyField = "HHMMSS";
inline constexpr const char* keyIndex = "JIKOKU";
// Cusp fields: "HA01S" (sign name) and "HA01" (degree text), the same for 02, 03, 10, 11, 12.
}  // namespace houses

class Tsitukofrm {
public:
    Tsitukofrm(const platform::Services& services, const TDatacalc1& datacalc);
    ~Tsitukofrm();
    Tsitukofrm(const Tsitukofrm&) = delete;
    Tsitukofrm& operator=(const Tsitukofrm&) = delete;

    // Closes the component and opens house table 0..5 with the case-insensitive
    // index "JIKOKU" on "HHMMSS". Returns false after telling the user when the table
    // is missing or unreadable (the component is then closed). The table already open
    // is kept when it is the one asked for, unless setReopenEveryCall(true).
    bool selectTable(int houseTableNo);
    // Start-up: Tokyo when it is there; silent otherwise (the first lookup reports it).
    void openAtStartup();
    void closeTable();

    bool isOpen() const { return table_ != nullptr; }
    // The table number open, -1 when none.
    int currentTable() const { return current_; }
    // The open table (for the maintenance screen); null when none.
    platform::Table* table() { return table_.get(); }
    const std::string& folder() const { return folder_; }

    // Natal cusps for sidereal time `t`: houses 1, 2, 3, 10, 11, 12 from the row,
    // 7, 8, 9, 4, 5, 6 as the same degrees in the opposite signs, then wholeSignHouse.
    // Returns false after telling the user when no table is open or `t` is not a key.
    bool FindHouseCusps(std::string_view t, ChartRecord& record);
    // Current-residence ASC and MC (houses 1 and 10 of the now* fields) for the
    // record's localSiderealTime in the table open now. False as FindHouseCusps.
    bool FindNowAngles(ChartRecord& record);

    // The maintenance screen's area box follows the birthplace's table.
    void setAreaBoxUpdater(std::function<void(int houseTableNo)> updater);
    void showInAreaBox(int houseTableNo);

    void setReopenEveryCall(bool reopen) { reopenEveryCall_ = reopen; }

private:
    bool lookup(std::string_view t);
    std::string displayName() const;

    platform::TableEngine& engine_;
    platform::Messages& messages_;
    const TDatacalc1& datacalc_;
    std::string folder_;
    // Installed data (the program folder's tables) is opened read-only: never written.
    bool installed_;
    std::unique_ptr<platform::Table> table_;
    int current_ = -1;
    bool reopenEveryCall_ = false;
    std::function<void(int)> areaBoxUpdater_;
};

}  // namespace celmora::core
