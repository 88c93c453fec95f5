// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// A person list of 10,000 rows as the data-entry page uses it: opening it (with the
// nine indexes), switching to each sort order, the name search, and the cells of one
// screen of the grid. Each should take well under a second. The list is built once in
// a temporary folder.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Table.h"
#include "records/PersonIndexes.h"
#include "records/PersonTable.h"

namespace {

using celmora::records::PersonList;
using celmora::records::PersonTable;

constexpr int personCount = 10000;
constexpr std::array<const char*, 12> signs{"牡羊", "牡牛",   "双子", "かに", "獅子", "乙女",
                                            "天秤", "さそり", "射手", "山羊", "水瓶", "うお"};
constexpr std::array<const char*, 8> familyNames{"山田", "佐藤", "鈴木", "高橋", "田中", "伊藤", "Smith", "abe"};

std::string nameOf(int i)
{
    return std::string(familyNames[static_cast<std::size_t>(i * 7 % 8)]) + std::to_string((i * 7919) % personCount);
}

class PersonFolder {
public:
    PersonFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "celmora-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
        engine = celmora::platform::makeSqliteTableEngine();
        auto table = engine->create(path, PersonTable::tableName(PersonList::First), PersonTable::definition());
        const auto& fields = PersonTable::definition().fields;
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < personCount; ++i) {
            std::vector<std::string> row(fields.size());
            for (std::size_t f = 0; f < fields.size(); ++f) {
                const auto& name = fields[f].name;
                if (name == "No") continue;
                if (name == "氏名")
                    row[f] = nameOf(i);
                else if (name == "年度")
                    row[f] = std::to_string(1926 + i % 100);
                else if (fields[f].type == celmora::platform::FieldType::SmallInt)
                    row[f] = std::to_string(i % 13);
                else if (fields[f].type == celmora::platform::FieldType::Text && fields[f].size >= 4)
                    row[f] = signs[static_cast<std::size_t>((i + static_cast<int>(f)) % 12)];
            }
            rows.push_back(std::move(row));
        }
        celmora::platform::bulkInsert(*table, rows);
        table.reset();
        // The indexes exist from here on, as after the program's first opening.
        PersonTable(*engine, path).open(PersonList::First);
    }
    ~PersonFolder()
    {
        engine.reset();
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }

    std::string path;
    std::unique_ptr<celmora::platform::TableEngine> engine;
};

PersonFolder& folder()
{
    static PersonFolder f;
    return f;
}

void BM_OpenList(benchmark::State& state)
{
    PersonFolder& f = folder();
    for (auto _ : state) {
        PersonTable persons(*f.engine, f.path);
        persons.open(PersonList::First);
        benchmark::DoNotOptimize(persons.rowCount());
    }
}
BENCHMARK(BM_OpenList)->Unit(benchmark::kMillisecond);

// One sort order per argument, in the sort screen's order; the first and last rows of
// the new order are read, as the grid shows them.
void BM_SortByIndex(benchmark::State& state)
{
    PersonFolder& f = folder();
    PersonTable persons(*f.engine, f.path);
    persons.open(PersonList::First);
    const auto& item = celmora::records::sortItems[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(item.index));
    for (auto _ : state) {
        persons.setOrder("");
        persons.setOrder(item.index);
        benchmark::DoNotOptimize(persons.rowText(0, "氏名"));
        benchmark::DoNotOptimize(persons.rowText(persons.rowCount() - 1, "氏名"));
    }
}
BENCHMARK(BM_SortByIndex)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

void BM_NameSearch(benchmark::State& state)
{
    PersonFolder& f = folder();
    PersonTable persons(*f.engine, f.path);
    persons.open(PersonList::First);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(persons.searchName(nameOf(i++ % personCount)));
        persons.setOrder("");  // each search switches to the name order again
    }
}
BENCHMARK(BM_NameSearch)->Unit(benchmark::kMillisecond);

// The cells of one screen of DBGrid1 (30 rows, 30 columns) somewhere in the list.
void BM_GridScreen(benchmark::State& state)
{
    PersonFolder& f = folder();
    PersonTable persons(*f.engine, f.path);
    persons.open(PersonList::First);
    const std::array<const char*, 6> columns{"氏名", "年度", "太陽", "ASC", "惑星ポイント", "SUNMC"};
    int top = 0;
    for (auto _ : state) {
        top = (top + 997) % (personCount - 30);
        for (int r = top; r < top + 30; ++r) {
            for (int c = 0; c < 30; ++c) benchmark::DoNotOptimize(persons.rowText(r, columns[c % columns.size()]));
        }
    }
}
BENCHMARK(BM_GridScreen)->Unit(benchmark::kMillisecond);

}  // namespace
