// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/situkohyodb.h"

#include "core/TablePosition.h"
#include <optional>

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

std::string tableFileName(int no)
{
    return std::string(houses::tableNames[static_cast<std::size_t>(no)]) + ".db";
}

// Houses read from a row, and the opposite house each one gives.
struct CuspField {
    int house;
    const char* signField;
    const char* degField;
    int opposite;
};
constexpr CuspField cuspFields[] = {
    {1, "HA01S", "HA01", 7},  {2, "HA02S", "HA02", 8},  {3, "HA03S", "HA03", 9},
    {10, "HA10S", "HA10", 4}, {11, "HA11S", "HA11", 5}, {12, "HA12S", "HA12", 6},
};

// Every cusp of the current row (or only ASC and MC) is a position the tables can
// hold, before any of them is written into a record.
void checkCusps(const platform::Table& table, const std::string& tableName, std::string_view key, bool anglesOnly)
{
    for (const CuspField& f : cuspFields) {
        if (anglesOnly && f.house != 1 && f.house != 10) continue;
        checkTablePosition({"室項表「" + tableName + "」", std::string(key)}, f.signField, table.text(f.signField), f.degField, table.text(f.degField));
    }
}

}  // namespace

Tsitukofrm::Tsitukofrm(const platform::Services& services, const TDatacalc1& datacalc)
    : engine_(*services.tables),
      messages_(*services.messages),
      datacalc_(datacalc),
      folder_(services.dirs.houseTableDir()),
      installed_(services.dirs.isInstalledData(folder_))
{
}

Tsitukofrm::~Tsitukofrm() = default;

void Tsitukofrm::closeTable()
{
    table_.reset();
    current_ = -1;
}

std::string Tsitukofrm::displayName() const
{
    return current_ < 0 ? std::string() : tableFileName(current_);
}

void Tsitukofrm::openAtStartup()
{
    if (engine_.exists(folder_, std::string(houses::tableNames[houses::tokyo]))) selectTable(houses::tokyo);
}

bool Tsitukofrm::selectTable(int houseTableNo)
{
    platform::checkedRange(houseTableNo, 0, 5, "室項表番号");
    if (table_ && current_ == houseTableNo && !reopenEveryCall_) return true;
    closeTable();
    const std::string name(houses::tableNames[static_cast<std::size_t>(houseTableNo)]);
    if (!engine_.exists(folder_, name)) {
        messages_.error("室項表「" + tableFileName(houseTableNo) + "」がフォルダ「" + folder_ + "」にありません。");
        return false;
    }
    try {
        auto table = installed_ ? engine_.openReadOnly(folder_, name) : engine_.open(folder_, name);
        // The house-table builder stores this index in the file; on a read-only table
        // without it (an older file) the engine keeps the order in memory instead.
        table->addIndex(houses::keyIndex, houses::keyField);
        table->selectIndex(houses::keyIndex);
        table_ = std::move(table);
    } catch (const platform::TableError&) {
        messages_.error("室項表「" + tableFileName(houseTableNo) + "」（フォルダ「" + folder_ +
                        "」）を読み込めません。");
        return false;
    }
    current_ = houseTableNo;
    return true;
}

bool Tsitukofrm::lookup(std::string_view t)
{
    if (!table_) {
        messages_.error("室項表が開かれていません。");
        return false;
    }
    table_->selectIndex(houses::keyIndex);
    // Every minute of sidereal time has a row; a missing key means a damaged table,
    // and reading whichever row is current would give the cusps of another time.
    if (!table_->findKey({std::string(t)})) {
        messages_.error("室項表「" + displayName() + "」に恒星時「" + std::string(t) + "」の行がありません。");
        return false;
    }
    return true;
}

bool Tsitukofrm::FindHouseCusps(std::string_view t, ChartRecord& record)
{
    // The lookup and the fields of its row under one lock.
    std::optional<platform::ReadingPass> pass;
    if (table_) pass.emplace(*table_);
    if (!lookup(t)) return false;
    platform::ControlsDisabled quiet(*table_);
    checkCusps(*table_, displayName(), t, false);
    std::string notice;
    for (const CuspField& f : cuspFields) {
        record.houseSignName[f.house] = table_->text(f.signField);
        record.houseSign[f.house] = seiza2id(record.houseSignName[f.house]);
        record.houseDegText[f.house] = table_->text(f.degField);
        record.houseDegReal[f.house] = datacalc_.Kakudo2Real(record.houseDegText[f.house], &notice);
    }
    if (!notice.empty()) messages_.information(notice);
    for (const CuspField& f : cuspFields) {
        record.houseSignName[f.opposite] = OppositeSignName(record.houseSignName[f.house]);
        record.houseSign[f.opposite] = OppositeSign(record.houseSign[f.house]);
        record.houseDegText[f.opposite] = record.houseDegText[f.house];
        record.houseDegReal[f.opposite] = record.houseDegReal[f.house];
    }
    record.wholeSignHouse[1] = record.houseSign[1];
    for (int k = 2; k <= 12; ++k) {
        const int sign = record.wholeSignHouse[1] + k - 1;
        record.wholeSignHouse[k] = SignIndex(sign > 12 ? sign - 12 : sign);
    }
    return true;
}

bool Tsitukofrm::FindNowAngles(ChartRecord& record)
{
    std::optional<platform::ReadingPass> pass;
    if (table_) pass.emplace(*table_);
    if (!lookup(record.localSiderealTime)) return false;
    platform::ControlsDisabled quiet(*table_);
    checkCusps(*table_, displayName(), record.localSiderealTime, true);
    std::string notice;
    for (const CuspField& f : cuspFields) {
        if (f.house != 1 && f.house != 10) continue;
        record.nowHouseSignName[f.house] = table_->text(f.signField);
        record.nowHouseSign[f.house] = seiza2id(record.nowHouseSignName[f.house]);
        record.nowHouseDegText[f.house] = table_->text(f.degField);
        record.nowHouseDegReal[f.house] = datacalc_.Kakudo2Real(record.nowHouseDegText[f.house], &notice);
    }
    if (!notice.empty()) messages_.information(notice);
    return true;
}

void Tsitukofrm::setAreaBoxUpdater(std::function<void(int)> updater)
{
    areaBoxUpdater_ = std::move(updater);
}

void Tsitukofrm::showInAreaBox(int houseTableNo)
{
    if (areaBoxUpdater_) areaBoxUpdater_(houseTableNo);
}

}  // namespace celmora::core
