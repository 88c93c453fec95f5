// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <algorithm>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "PersonFixture.h"
#include "platform/Errors.h"
#include "platform/TempDir.h"
#include "records/PersonIndexes.h"

namespace celmora::records_test {
namespace {

using ::testing::ElementsAre;

TEST(PersonTableFiles, FirstStartCreatesBothListsEmptyOnDisk)
{
    testing::TempDir dir;
    auto engine = platform::makeSqliteTableEngine();
    PersonTable persons(*engine, dir / "jinmei");
    persons.createMissingLists();
    persons.open(PersonList::First);

    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "jinmei/人名DB.db"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "jinmei/人名2DB.db"));
    // An empty list offers one new row to type into; nothing is stored yet.
    EXPECT_EQ(persons.rowCount(), 1);
    EXPECT_TRUE(persons.newRowPending());
    EXPECT_TRUE(persons.openReader()->isEmpty());
}

TEST(PersonTableFiles, TypedRowSurvivesReopeningFromDisk)
{
    testing::TempDir dir;
    auto engine = platform::makeSqliteTableEngine();
    {
        PersonTable persons(*engine, dir / "jinmei");
        persons.open(PersonList::First);
        persons.setField(fields::name, "山田花子");
        persons.setField(fields::year, "1959");
        persons.open(PersonList::Second);  // switching lists saves the typed row
    }
    PersonTable again(*engine, dir / "jinmei");
    again.open(PersonList::First);
    EXPECT_EQ(again.field(fields::name), "山田花子");
    EXPECT_EQ(again.field(fields::year), "1959");
    EXPECT_EQ(again.integerField(fields::no), 1);
}

TEST(PersonTableFiles, ForeignTableIsRefused)
{
    auto engine = platform::makeMemoryTableEngine();
    platform::TableDef other;
    other.fields = {{"No", platform::FieldType::AutoInc, 0, false}, {"氏名", platform::FieldType::Text, 16, false}};
    PersonTable persons(*engine, "/p");
    persons.createMissingLists();
    engine->remove("/p", "人名DB");
    engine->create("/p", "人名DB", other);
    EXPECT_THROW(persons.open(PersonList::First), platform::TableError);

    persons.open(PersonList::Second);
    persons.setField(fields::name, "花子");
    EXPECT_THROW(persons.open(PersonList::First), platform::TableError);
    EXPECT_EQ(persons.list(), PersonList::Second);  // still open, the typed row saved
    EXPECT_EQ(persons.field(fields::name), "花子");
}

// A list is created only where nothing stands and only in a fresh folder; anything
// else is refused and left exactly as it was.
TEST(PersonTableFiles, ListsAreNeverCreatedOverSomethingElse)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> prepare;
    };
    const Case cases[] = {
        {"DanglingLink", [](const fs::path& d) { fs::create_symlink(d / "elsewhere.db", d / "人名DB.db"); }},
        {"LinkLoop", [](const fs::path& d) { fs::create_symlink(d / "人名DB.db", d / "人名DB.db"); }},
        {"Fifo", [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / "人名DB.db").c_str(), 0644), 0); }},
        {"Directory", [](const fs::path& d) { fs::create_directory(d / "人名DB.db"); }},
        {"OtherListOnly", [](const fs::path& d) {
             auto engine = platform::makeSqliteTableEngine();
             PersonTable fresh(*engine, (d / "fresh").string());
             fresh.createMissingLists();
             fs::copy_file(d / "fresh" / "人名2DB.db", d / "人名2DB.db");
             fs::remove_all(d / "fresh");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        const fs::path folder(dir.path());
        c.prepare(folder);
        std::vector<std::string> before;
        for (const auto& e : fs::directory_iterator(folder)) before.push_back(e.path().filename().string());
        auto engine = platform::makeSqliteTableEngine();
        PersonTable persons(*engine, folder.string());
        EXPECT_THROW(persons.createMissingLists(), platform::TableError);
        EXPECT_THROW(persons.open(PersonList::First), platform::TableError);
        std::vector<std::string> after;
        for (const auto& e : fs::directory_iterator(folder)) after.push_back(e.path().filename().string());
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
        std::error_code ec;
        EXPECT_FALSE(fs::is_regular_file(folder / "人名DB.db", ec));
    }
}

// The file layout both lists share: every field with its type and size, in table order.
// Files written by another copy of the program (and the CSV import) rely on exactly this.
TEST(PersonTableLayout, FieldsTypesAndSizesInTableOrder)
{
    using platform::FieldType;
    struct Expected {
        std::string name;
        FieldType type;
        int size;
    };
    const auto text = [](std::string name, int size = 20) { return Expected{std::move(name), FieldType::Text, size}; };
    const auto small = [](std::string name) { return Expected{std::move(name), FieldType::SmallInt, 0}; };

    std::vector<Expected> expected{{"No", FieldType::AutoInc, 0},
                                   text("氏名", 16),
                                   text("年度", 4),
                                   text("月度", 2),
                                   text("日", 2),
                                   text("時", 2),
                                   text("分", 2),
                                   text("性別", 2),
                                   text("時差", 8)};
    for (std::string point :
         {"太陽", "月", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "DH", "ASC", "MC"}) {
        expected.push_back(text(point));
        expected.push_back(small(point + "角度"));
    }
    for (Expected e :
         {Expected{"メモ", FieldType::Memo, 0}, text("郵便", 12), text("住所", 40), text("TEL"), text("FAX")}) {
        expected.push_back(e);
    }
    for (int r = 1; r <= 13; ++r) expected.push_back(small("R" + std::to_string(r)));
    for (std::string to :
         {"月", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "DH", "ASC", "MC"}) {
        expected.push_back(small("SUN" + to));
    }
    for (Expected e :
         {text("惑星ポイント"), text("惑星NOASP"), small("太陽HOUSE"), text("上昇星1"), text("上昇星2"),
          text("上昇星3", 30), text("南中星1", 30), text("南中星2", 30), text("南中星3", 30), small("正三角"),
          small("二等辺"), small("直角三"), small("正方形"), small("長方形"), text("AREA1")}) {
        expected.push_back(e);
    }

    const auto& actual = PersonTable::definition().fields;
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name) << "field " << i;
        EXPECT_EQ(actual[i].type, expected[i].type) << expected[i].name;
        EXPECT_EQ(actual[i].size, expected[i].size) << expected[i].name;
    }
    EXPECT_EQ(PersonTable::definition().primaryKeyFields, 1);
}

class PersonTableTest : public PersonFixture {};

TEST_F(PersonTableTest, OpeningReCreatesTheNineIndexes)
{
    // A file whose "SUN" index was made on another field (say by an older copy).
    auto table = engine->create("/persons", "人名2DB", PersonTable::definition());
    table->addIndex("SUN", "月");
    for (auto [name, sun, moon] : {std::tuple{"a", "獅子", "牡羊"}, std::tuple{"b", "牡羊", "獅子"}}) {
        table->append();
        table->setText("氏名", name);
        table->setText("太陽", sun);
        table->setText("月", moon);
        table->post();
    }
    table.reset();

    persons.open(PersonList::Second);
    auto names = persons.cursor().indexNames();
    for (const auto& index : records::personIndexes) {
        EXPECT_NE(std::find(names.begin(), names.end(), index.name), names.end()) << index.name;
    }
    persons.setOrder("SUN");
    EXPECT_THAT(column(fields::name), ElementsAre("b", "a"));  // by 太陽: 牡羊 before 獅子 in code order
}

struct SearchCase {
    const char* label;
    const char* text;
    const char* expected;
};

class NameSearch : public PersonTableTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(NameSearch, GoesToTheNearestNameAndStaysInNameOrder)
{
    for (const char* name : {"Suzuki", "ABE", "伊藤", "Tanaka"}) add(name);
    ASSERT_TRUE(persons.searchName(GetParam().text));
    EXPECT_EQ(persons.field(fields::name), GetParam().expected);
    EXPECT_EQ(persons.order(), "SIMEI");
    EXPECT_THAT(column(fields::name), ElementsAre("ABE", "Suzuki", "Tanaka", "伊藤"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameSearch,
    ::testing::Values(SearchCase{"Exact", "Tanaka", "Tanaka"}, SearchCase{"CaseIgnored", "suzuki", "Suzuki"},
                      SearchCase{"Prefix", "T", "Tanaka"}, SearchCase{"BetweenNames", "Sz", "Tanaka"},
                      SearchCase{"EmptyIsFirst", "", "ABE"}, SearchCase{"PastTheLastNameIsLastRow", "渡辺", "伊藤"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PersonTableTest, SearchOnAnEmptyListFindsNothing)
{
    EXPECT_FALSE(persons.searchName("山田"));
}

TEST_F(PersonTableTest, SwitchingListsAndBackShowsTheFirstRowOfEach)
{
    add("一郎");
    add("二郎");
    persons.last();
    persons.setOrder("SIMEI");

    persons.open(PersonList::Second);
    EXPECT_EQ(persons.list(), PersonList::Second);
    EXPECT_TRUE(persons.newRowPending());  // list 2 is empty
    add("花子");

    persons.open(PersonList::First);
    EXPECT_EQ(persons.field(fields::name), "一郎");
    EXPECT_EQ(persons.currentRow(), 0);
    EXPECT_EQ(persons.order(), "");  // entry order again
    EXPECT_EQ(persons.rowCount(), 2);
    persons.open(PersonList::Second);
    EXPECT_THAT(column(fields::name), ElementsAre("花子"));
}

TEST_F(PersonTableTest, DeletingTheOnlyRowLeavesAnEmptyListAndTheNextEditCreatesARow)
{
    add("一郎");
    persons.deleteCurrent();
    EXPECT_TRUE(persons.openReader()->isEmpty());
    EXPECT_EQ(persons.rowCount(), 0);
    EXPECT_EQ(persons.currentRow(), -1);
    EXPECT_EQ(persons.field(fields::name), "");

    persons.setField(fields::name, "二郎");
    EXPECT_TRUE(persons.newRowPending());
    persons.first();  // moving away saves what was typed
    EXPECT_THAT(column(fields::name), ElementsAre("二郎"));
    EXPECT_EQ(persons.integerField(fields::no), 2);  // numbers are never given twice
}

TEST_F(PersonTableTest, DeletingMovesToTheNextRow)
{
    for (const char* name : {"a", "b", "c"}) add(name);
    persons.first();
    persons.next();
    persons.deleteCurrent();
    EXPECT_EQ(persons.field(fields::name), "c");
    EXPECT_THAT(column(fields::name), ElementsAre("a", "c"));
}

TEST_F(PersonTableTest, UntouchedNewRowIsDroppedWhenMovingAway)
{
    add("一郎");
    persons.appendNew();
    EXPECT_EQ(persons.rowCount(), 2);
    EXPECT_EQ(persons.currentRow(), 1);
    persons.first();
    EXPECT_EQ(persons.rowCount(), 1);
    persons.appendNew();
    persons.deleteCurrent();  // deleting the pending row drops only it
    EXPECT_THAT(column(fields::name), ElementsAre("一郎"));
}

TEST_F(PersonTableTest, GridShowsTheEditBufferOfTheCurrentRow)
{
    add("一郎");
    add("二郎");
    persons.first();
    persons.setField(fields::name, "三郎");
    EXPECT_THAT(column(fields::name), ElementsAre("三郎", "二郎"));
    EXPECT_EQ(persons.openReader()->text(fields::name), "一郎");  // not saved yet
    persons.next();
    EXPECT_EQ(persons.openReader()->text(fields::name), "三郎");
}

TEST_F(PersonTableTest, RefusedValueKeepsTheCursorOnTheRow)
{
    add("一郎");
    add("二郎");
    persons.first();
    persons.setField(fields::year, "19590");  // five characters in a four-character field
    EXPECT_THROW(persons.next(), platform::TableError);
    EXPECT_EQ(persons.currentRow(), 0);
    EXPECT_TRUE(persons.isEditing());
}

struct OrderCase {
    const char* index;
    const char* field;
};

class SortOrder : public PersonTableTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(SortOrder, RowsFollowTheIndexAndTheCurrentRowStays)
{
    // Values chosen so that each field orders the rows differently from entry order.
    add("Sato", {{"年度", "1980"},
                 {"太陽", "獅子"},
                 {"月", "牡牛"},
                 {"ASC", "天秤"},
                 {"MC", "双子"},
                 {"太陽HOUSE", "10"},
                 {"惑星ポイント", "金星"}});
    add("abe", {{"年度", "1950"},
                {"太陽", "牡羊"},
                {"月", "獅子"},
                {"ASC", "牡羊"},
                {"MC", "山羊"},
                {"太陽HOUSE", "2"},
                {"惑星ポイント", "火星"}});
    add("Kato", {{"年度", "1965"},
                 {"太陽", "山羊"},
                 {"月", "乙女"},
                 {"ASC", "獅子"},
                 {"MC", "牡羊"},
                 {"太陽HOUSE", "7"},
                 {"惑星ポイント", "木星"}});
    persons.first();
    persons.next();
    const std::string current = persons.field(fields::name);

    persons.setOrder(GetParam().index);
    EXPECT_EQ(persons.field(fields::name), current);
    const auto values = column(GetParam().field);
    const bool numeric = std::string(GetParam().field) == "太陽HOUSE" || std::string(GetParam().field) == "No";
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (numeric) {
            EXPECT_LE(std::stoi(values[i - 1]), std::stoi(values[i]));
        } else {
            std::string a = values[i - 1], b = values[i];
            std::transform(a.begin(), a.end(), a.begin(), ::tolower);
            std::transform(b.begin(), b.end(), b.begin(), ::tolower);
            EXPECT_LE(a, b);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NineIndexes, SortOrder,
                         ::testing::Values(OrderCase{"NO", "No"}, OrderCase{"SIMEI", "氏名"}, OrderCase{"YY", "年度"},
                                           OrderCase{"SUN", "太陽"}, OrderCase{"MOON", "月"}, OrderCase{"ASC", "ASC"},
                                           OrderCase{"MC", "MC"}, OrderCase{"SUNHOUSE", "太陽HOUSE"},
                                           OrderCase{"POINT", "惑星ポイント"}),
                         [](const auto& info) { return std::string(info.param.index); });

TEST_F(PersonTableTest, SortItemsNameExistingIndexesAndEndWithEntryOrder)
{
    EXPECT_EQ(records::sortItems.back().index, records::entryOrderIndex);
    for (const auto& item : records::sortItems) EXPECT_NO_THROW(persons.setOrder(item.index)) << item.index;
}

TEST_F(PersonTableTest, FindNameIsExactAndKeepsTheOrder)
{
    for (const char* name : {"Sato", "Abe", "Kato"}) add(name);
    persons.setOrder("NO");
    EXPECT_TRUE(persons.findName("abe"));
    EXPECT_EQ(persons.field(fields::name), "Abe");
    EXPECT_EQ(persons.order(), "NO");
    EXPECT_FALSE(persons.findName("Ab"));
    EXPECT_EQ(persons.field(fields::name), "Abe");
}

TEST_F(PersonTableTest, BirthplaceScreenWritesTimeDiffAndAreaAndSaves)
{
    add("一郎");
    persons.setTimeDiffAndArea("+19", "東京");
    EXPECT_FALSE(persons.isEditing());
    auto reader = persons.openReader();
    EXPECT_EQ(reader->text(fields::timeDiff), "+19");
    EXPECT_EQ(reader->text(fields::area1), "東京");
    EXPECT_EQ(persons.area1(), "東京");
}

TEST_F(PersonTableTest, ListenersHearOneNoticePerBatch)
{
    add("一郎");
    std::vector<records::PersonTableChange> heard;
    const int id = persons.addListener([&](records::PersonTableChange c) { heard.push_back(c); });
    {
        PersonTable::BatchedChanges batch(persons);
        persons.setField(fields::tel, "03");
        persons.setField(fields::fax, "04");
    }
    persons.post();
    persons.removeListener(id);
    persons.setField(fields::tel, "05");
    EXPECT_THAT(heard, ElementsAre(records::PersonTableChange::CurrentEdited, records::PersonTableChange::Rows));
}

}  // namespace
}  // namespace celmora::records_test
