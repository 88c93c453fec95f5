// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The table engine on the sizes the program meets: a 366-row ephemeris year opened
// for one lookup per Diagnose run, and a large person list re-sorted by each of its
// indexes. Tables are built once in a temporary folder.
#include "platform/Table.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace celmora::platform;

class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "celmora-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
        buildYear();
        buildPersons();
    }
    ~BenchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }

    std::string path;
    static constexpr int personCount = 10000;

private:
    void buildYear()
    {
        std::vector<FieldDef> fields{{"YYMMDD", FieldType::Text, 10, true}};
        for (const char* body : {"太陽", "月1", "月12", "DH", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星"}) {
            fields.push_back({std::string("WIN") + body, FieldType::Text, 10, false});
            fields.push_back({std::string("RAD") + body, FieldType::Text, 8, false});
        }
        auto table = makeSqliteTableEngine()->create(path, "1950", TableDef{fields, 1});
        std::vector<std::vector<std::string>> rows;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31 && rows.size() < 366; ++day) {
                char key[16];
                std::snprintf(key, sizeof key, "1950/%02d/%02d", month, day);
                std::vector<std::string> row{key};
                for (std::size_t f = 1; f < fields.size(); ++f) row.push_back(f % 2 ? "牡羊" : "12.34");
                rows.push_back(row);
            }
        }
        bulkInsert(*table, rows);
    }

    void buildPersons()
    {
        const TableDef def{{{"No", FieldType::AutoInc, 0, false},
                            {"氏名", FieldType::Text, 16, true},
                            {"年度", FieldType::Text, 4, false},
                            {"太陽", FieldType::Text, 20, false},
                            {"月", FieldType::Text, 20, false},
                            {"太陽角度", FieldType::SmallInt, 0, false},
                            {"太陽HOUSE", FieldType::SmallInt, 0, false},
                            {"メモ", FieldType::Memo, 0, false}},
                           0};
        static const char* signs[] = {"牡羊", "牡牛", "双子", "かに", "獅子", "乙女", "天秤", "さそり", "射手", "山羊", "水瓶", "うお"};
        auto table = makeSqliteTableEngine()->create(path, "人名DB", def);
        std::vector<std::vector<std::string>> rows;
        unsigned seed = 12345;
        auto random = [&seed](unsigned n) {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 16) % n;
        };
        for (int i = 0; i < personCount; ++i) {
            rows.push_back({"", "名前" + std::to_string(random(100000)), std::to_string(1900 + random(120)),
                            signs[random(12)], signs[random(12)], std::to_string(random(30)), std::to_string(1 + random(12)),
                            ""});
        }
        bulkInsert(*table, rows);
        table->addIndex("SIMEI", "氏名");
        table->addIndex("YY", "年度");
        table->addIndex("SUN", "太陽");
        table->addIndex("SUNHOUSE", "太陽HOUSE");
    }
};

BenchFolder& folder()
{
    static BenchFolder f;
    return f;
}

// Reopening within a run, as every Diagnose run and each progressed year does.
void BM_YearTableOpenAndFindKey(benchmark::State& state)
{
    auto engine = makeSqliteTableEngine();
    const std::string path = folder().path;
    for (auto _ : state) {
        auto table = engine->open(path, "1950");
        benchmark::DoNotOptimize(table->findKey({"1950/07/15"}));
        benchmark::DoNotOptimize(table->text("WIN太陽"));
    }
}
BENCHMARK(BM_YearTableOpenAndFindKey)->Unit(benchmark::kMicrosecond);

// The first opening in a run: a new engine has no connection to hand out again.
void BM_YearTableColdOpenAndFindKey(benchmark::State& state)
{
    const std::string path = folder().path;
    for (auto _ : state) {
        auto table = makeSqliteTableEngine()->open(path, "1950");
        benchmark::DoNotOptimize(table->findKey({"1950/07/15"}));
    }
}
BENCHMARK(BM_YearTableColdOpenAndFindKey)->Unit(benchmark::kMicrosecond);

void BM_PersonTableOpenSortAndFind(benchmark::State& state)
{
    auto engine = makeSqliteTableEngine();
    const std::string path = folder().path;
    for (auto _ : state) {
        auto table = engine->open(path, "人名DB");
        for (const char* index : {"SIMEI", "YY", "SUN", "SUNHOUSE", ""}) {
            table->selectIndex(index);
            benchmark::DoNotOptimize(table->recordNumber());  // forces the new order
        }
        table->selectIndex("SIMEI");
        benchmark::DoNotOptimize(table->findNearest({"名前5"}));
    }
}
BENCHMARK(BM_PersonTableOpenSortAndFind)->Unit(benchmark::kMillisecond);

// One durable edit: a transaction committed to disk per post.
void BM_PersonTableEditAndPost(benchmark::State& state)
{
    auto table = makeSqliteTableEngine()->open(folder().path, "人名DB");
    int n = 0;
    for (auto _ : state) {
        table->edit();
        table->setInteger("太陽角度", ++n % 30);
        table->post();
    }
}
BENCHMARK(BM_PersonTableEditAndPost)->Unit(benchmark::kMicrosecond);

}  // namespace
