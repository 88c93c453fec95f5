// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Small ephemeris year tables and house tables written through the table engine, so a
// test shows its rule on a few hand-made rows. The services to run them on are in
// support/TestServices.h.

#include "platform/Table.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace celmora::testing {

using SignDeg = std::pair<std::string, std::string>;  // sign name, degree text

// One day of an ephemeris year table. Unset bodies sit at 牡羊 0.00.
struct EphemerisDay {
    std::string date;  // YYYY/MM/DD
    SignDeg sun{"牡羊", "0.00"};
    SignDeg moon0{"牡羊", "0.00"};
    SignDeg moon12{"牡羊", "0.00"};
    SignDeg node{"牡羊", "0.00"};
    std::array<SignDeg, 8> planets{};  // Mercury .. Pluto
};

inline platform::TableDef ephemerisTableDef()
{
    platform::TableDef def;
    def.fields.push_back({"YYMMDD", platform::FieldType::Text, 10, true});
    for (const char* body : {"太陽", "月0", "月1", "ドラ", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星"}) {
        def.fields.push_back({std::string("WIN") + body, platform::FieldType::Text, 10, false});
        def.fields.push_back({std::string("RAD") + body, platform::FieldType::Text, 8, false});
    }
    def.primaryKeyFields = 1;
    return def;
}

inline void writeYearTable(platform::TableEngine& engine, const std::string& folder, int year,
                           const std::vector<EphemerisDay>& days)
{
    auto table = engine.create(folder, std::to_string(year), ephemerisTableDef());
    std::vector<std::vector<std::string>> rows;
    for (const EphemerisDay& d : days) {
        std::vector<std::string> row{d.date, d.sun.first, d.sun.second, d.moon0.first, d.moon0.second,
                                     d.moon12.first, d.moon12.second, d.node.first, d.node.second};
        for (const SignDeg& p : d.planets) {
            row.push_back(p.first.empty() ? "牡羊" : p.first);
            row.push_back(p.second.empty() ? "0.00" : p.second);
        }
        rows.push_back(std::move(row));
    }
    platform::bulkInsert(*table, rows);
}

// One minute of a house table: cusps 1, 2, 3, 10, 11, 12.
struct HouseRow {
    std::string key;  // HH.MM.SS
    std::array<SignDeg, 6> cusps;
};

inline void writeHouseTable(platform::TableEngine& engine, const std::string& folder, const std::string& name,
                            const std::vector<HouseRow>& houseRows)
{
    platform::TableDef def;
    def.fields.push_back({"HHMMSS", platform::FieldType::Text, 8, true});
    for (const char* cusp : {"HA01", "HA02", "HA03", "HA10", "HA11", "HA12"}) {
        def.fields.push_back({std::string(cusp) + "S", platform::FieldType::Text, 10, false});
        def.fields.push_back({cusp, platform::FieldType::Text, 8, false});
    }
    def.primaryKeyFields = 1;
    auto table = engine.create(folder, name, def);
    std::vector<std::vector<std::string>> rows;
    for (const HouseRow& r : houseRows) {
        std::vector<std::string> row{r.key};
        for (const SignDeg& c : r.cusps) {
            row.push_back(c.first);
            row.push_back(c.second);
        }
        rows.push_back(std::move(row));
    }
    platform::bulkInsert(*table, rows);
}

// A house row whose cusps follow the Ascendant's sign around the zodiac.
inline HouseRow houseRow(const std::string& key, const std::string& ascSign, const std::string& ascDeg,
                         const std::string& mcSign, const std::string& mcDeg)
{
    return {key, {{{ascSign, ascDeg}, {ascSign, "20.10"}, {ascSign, "25.20"}, {mcSign, mcDeg}, {mcSign, "12.40"}, {mcSign, "18.50"}}}};
}

// The aspect definitions "ASPECT.db" with the shipped angles and orbs (memos short).
inline void writeAspectTable(platform::TableEngine& engine, const std::string& folder)
{
    using platform::FieldType;
    const platform::TableDef def{{{"名称", FieldType::Text, 20},
                                  {"Tessaro流", FieldType::Text, 10},
                                  {"度数", FieldType::SmallInt},
                                  {"許容度", FieldType::SmallInt},
                                  {"ETC", FieldType::Text, 40},
                                  {"メモ", FieldType::Memo}},
                                 0};
    auto table = engine.create(folder, "ASPECT", def);
    platform::bulkInsert(*table, {{"コンジャンクション", "HARD", "0", "8", "", "合"},
                                  {"オポジション", "HARD", "180", "8", "", "衝"},
                                  {"スクエア", "HARD", "90", "7", "", "矩"},
                                  {"トライン", "SOFT", "120", "7", "", "三分"},
                                  {"クインカンクス", "HARD", "150", "3", "", "インコンジャンクト"},
                                  {"セクスタイル", "SOFT", "60", "5", "", "六分"},
                                  {"セミスクエア", "HARD", "45", "2", "", "半矩"},
                                  {"セスキコードレート", "HARD", "135", "2", "", "一矩半"},
                                  {"セミセクスタイル", "SOFT", "30", "2", "", "半六分"},
                                  {"クインタイル", "SOFT", "72", "2", "", "五分"},
                                  {"バイクインタイル", "SOFT", "144", "2", "", "倍五分"}});
}

}  // namespace celmora::testing
