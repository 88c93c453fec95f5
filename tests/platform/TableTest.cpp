// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Cursor, order, lookup and editing semantics of the table engine. Every case runs on
// both engines (files and memory): the memory engine stands in for the file engine
// in other subsystems' tests, so the two must not drift apart.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "TempDir.h"
#include "platform/Errors.h"
#include "platform/Table.h"

namespace celmora::platform {
namespace {

using ::testing::HasSubstr;

enum class EngineKind { Sqlite, Memory };

// A person-like table: no primary key (insertion order), one secondary index.
TableDef personDef()
{
    return TableDef{{
                        {"No", FieldType::AutoInc, 0, false},
                        {"氏名", FieldType::Text, 8, true},
                        {"年度", FieldType::Text, 4, false},
                        {"太陽角度", FieldType::SmallInt, 0, false},
                        {"メモ", FieldType::Memo, 0, false},
                    },
                    0};
}

// A text-keyed table, like the ephemeris years and house tables.
TableDef keyedDef()
{
    return TableDef{{{"code", FieldType::Text, 10, true}, {"value", FieldType::Integer, 0, false}}, 1};
}

// Two key fields, like the reading-text tables.
TableDef twoKeyDef()
{
    return TableDef{
        {{"a", FieldType::Text, 4, false}, {"b", FieldType::Text, 4, false}, {"text", FieldType::Text, 20, false}}, 2};
}

void addRow(Table& t, const std::vector<std::pair<std::string, std::string>>& values)
{
    t.append();
    for (const auto& [field, value] : values) t.setText(field, value);
    t.post();
}

// The values of one field in the selected order, walked the way the screens do.
std::vector<std::string> column(Table& t, const std::string& field)
{
    std::vector<std::string> out;
    t.first();
    while (!t.eof()) {
        out.push_back(t.text(field));
        t.next();
    }
    return out;
}

template <typename F>
std::string tableErrorOf(F&& action)
{
    try {
        action();
    } catch (const TableError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no TableError";
    return "";
}

class TableTest : public ::testing::TestWithParam<EngineKind> {
protected:
    TableTest()
        : engine(GetParam() == EngineKind::Sqlite ? makeSqliteTableEngine() : makeMemoryTableEngine()),
          folder(dir / "db")
    {
    }

    std::unique_ptr<Table> create(const std::string& name, const TableDef& def)
    {
        return engine->create(folder, name, def);
    }
    std::unique_ptr<Table> reopen(std::unique_ptr<Table>& t)
    {
        const std::string name = t->name();
        t.reset();
        return engine->open(folder, name);
    }

    std::unique_ptr<Table> keyed(const std::vector<std::string>& codes)
    {
        auto t = create("keyed", keyedDef());
        int n = 0;
        for (const auto& code : codes) addRow(*t, {{"code", code}, {"value", std::to_string(++n)}});
        return t;
    }

    std::unique_ptr<Table> persons(const std::vector<std::string>& names)
    {
        auto t = create("人名DB", personDef());
        for (const auto& name : names) addRow(*t, {{"氏名", name}});
        return t;
    }

    testing::TempDir dir;
    std::unique_ptr<TableEngine> engine;
    std::string folder;
};

TEST_P(TableTest, PrimaryOrderAndLookupsAreCaseInsensitive)
{
    auto t = keyed({"b", "A", "c", "D"});
    EXPECT_EQ(column(*t, "code"), (std::vector<std::string>{"A", "b", "c", "D"}));

    EXPECT_TRUE(t->findKey({"a"}));
    EXPECT_EQ(t->text("code"), "A");
    EXPECT_EQ(t->recordNumber(), 1);
    EXPECT_TRUE(t->findKey({"C"}));
    EXPECT_EQ(t->text("code"), "c");
    EXPECT_FALSE(t->findKey({"x"}));
    EXPECT_EQ(t->text("code"), "c") << "a failed exact lookup leaves the cursor where it was";

    const struct {
        const char* key;
        const char* expected;
    } nearest[] = {
        {"B", "b"},   // equal ignoring case
        {"a0", "b"},  // between two keys: the next one
        {"", "A"},    // before every key: the first row
        {"zz", "D"},  // after every key: the last row
    };
    for (const auto& c : nearest) {
        EXPECT_TRUE(t->findNearest({c.key})) << c.key;
        EXPECT_EQ(t->text("code"), c.expected) << "nearest to \"" << c.key << "\"";
    }
}

TEST_P(TableTest, SecondaryIndexOrdersByFieldThenInsertionAndKeepsTheCurrentRow)
{
    auto t = persons({"佐藤", "alice", "Bob", "佐藤", "ALICE2"});
    t->addIndex("SIMEI", "氏名");

    EXPECT_THROW(t->findKey({"Bob"}), TableError) << "the primary order has no key: lookups need an index";

    ASSERT_TRUE(t->moveTo(3));
    ASSERT_EQ(t->text("氏名"), "Bob");
    t->selectIndex("simei");  // index names ignore case as well
    EXPECT_EQ(t->selectedIndex(), "SIMEI");
    EXPECT_EQ(t->text("氏名"), "Bob") << "changing the order keeps the current row";
    EXPECT_EQ(t->recordNumber(), 3);

    EXPECT_EQ(column(*t, "氏名"), (std::vector<std::string>{"alice", "ALICE2", "Bob", "佐藤", "佐藤"}));
    EXPECT_EQ(column(*t, "No"), (std::vector<std::string>{"2", "5", "3", "1", "4"}))
        << "equal names stay in entry order";

    EXPECT_TRUE(t->findKey({"BOB"}));
    EXPECT_EQ(t->text("No"), "3");
    EXPECT_TRUE(t->findNearest({"zzz"}));  // kanji sort after ASCII by their UTF-8 bytes
    EXPECT_EQ(t->text("No"), "1");
    EXPECT_TRUE(t->findNearest({"龠"}));  // after every name
    EXPECT_EQ(t->text("No"), "4");

    t->selectIndex("");
    EXPECT_EQ(t->text("No"), "4");
    EXPECT_EQ(column(*t, "No"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_THAT(tableErrorOf([&] { t->selectIndex("NOPE"); }), HasSubstr("NOPE"));
}

TEST_P(TableTest, MultiFieldKeysCompareFieldByField)
{
    auto t = create("ASPBUN", twoKeyDef());
    for (auto [a, b] : {std::pair{"1", "2"}, {"1", "1"}, {"2", "1"}, {"0", "9"}}) addRow(*t, {{"a", a}, {"b", b}});

    EXPECT_TRUE(t->findKey({"1", "2"}));
    EXPECT_EQ(t->recordNumber(), 3);
    EXPECT_TRUE(t->findKey({"1"})) << "a partial key matches on its leading fields";
    EXPECT_EQ(t->text("b"), "1");
    EXPECT_FALSE(t->findKey({"1", "3"}));

    EXPECT_TRUE(t->findNearest({"1", "15"}));
    EXPECT_EQ(t->text("a") + t->text("b"), "12");
    EXPECT_TRUE(t->findNearest({"1", "3"}));
    EXPECT_EQ(t->text("a") + t->text("b"), "21");
    EXPECT_THROW(t->findKey({"1", "2", "3"}), TableError);
}

TEST_P(TableTest, NavigationStopsAtBothEnds)
{
    auto t = keyed({"a", "b", "c"});
    ASSERT_TRUE(t->first());
    EXPECT_FALSE(t->bof());
    EXPECT_FALSE(t->prior());
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->text("code"), "a");

    EXPECT_TRUE(t->next());
    EXPECT_FALSE(t->bof());
    ASSERT_TRUE(t->last());
    EXPECT_FALSE(t->next());
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->text("code"), "c");
    EXPECT_EQ(t->recordNumber(), 3);

    EXPECT_TRUE(t->moveTo(99));
    EXPECT_EQ(t->recordNumber(), 3);
    EXPECT_FALSE(t->eof());
    EXPECT_TRUE(t->moveTo(0));
    EXPECT_EQ(t->text("code"), "a");

    auto empty = create("empty", keyedDef());
    EXPECT_FALSE(empty->first());
    EXPECT_TRUE(empty->eof());
    EXPECT_TRUE(empty->bof());
    EXPECT_TRUE(empty->isEmpty());
    EXPECT_EQ(empty->recordNumber(), 0);
    EXPECT_FALSE(empty->findNearest({"a"}));
    EXPECT_EQ(empty->text("code"), "");
    EXPECT_EQ(empty->integer("value"), 0);
    EXPECT_TRUE(column(*empty, "code").empty());
}

TEST_P(TableTest, EditPostCancelAndPostOnMove)
{
    auto t = persons({"田中", "鈴木"});
    t->first();
    EXPECT_THAT(tableErrorOf([&] { t->setText("氏名", "x"); }), HasSubstr("人名DB"))
        << "setters need edit() or append()";

    t->edit();
    t->setText("年度", "1970");
    t->setInteger("太陽角度", 29);
    EXPECT_EQ(t->text("年度"), "1970") << "reads see the edit buffer";
    t->post();
    EXPECT_FALSE(t->isEditing());

    t->edit();
    t->setText("年度", "2000");
    t->cancel();
    EXPECT_EQ(t->text("年度"), "1970");

    t->edit();
    t->setText("メモ", "移動で保存");
    t->next();  // moving away posts the edit
    EXPECT_EQ(t->text("氏名"), "鈴木");

    t->append();  // a new row nobody typed into is dropped by moving away
    t->first();
    EXPECT_EQ(t->recordCount(), 2);
    t->append();
    t->setText("氏名", "高橋");
    t->first();  // ...but one with input is saved
    EXPECT_EQ(t->recordCount(), 3);

    t = reopen(t);
    EXPECT_EQ(t->text("年度"), "1970");
    EXPECT_EQ(t->integer("太陽角度"), 29);
    EXPECT_EQ(t->text("メモ"), "移動で保存");
    EXPECT_FALSE(t->isNull("年度"));
    t->next();
    EXPECT_TRUE(t->isNull("年度"));
    EXPECT_THAT(tableErrorOf([&] { t->text("住所"); }), HasSubstr("住所"));
}

TEST_P(TableTest, DeletingTheOnlyRowLeavesAnEmptyTableAndEditStartsANewRow)
{
    auto t = persons({"田中"});
    t->deleteRecord();
    EXPECT_TRUE(t->isEmpty());
    EXPECT_TRUE(t->eof());
    EXPECT_TRUE(t->bof());
    EXPECT_THROW(t->deleteRecord(), TableError);

    t->edit();
    ASSERT_TRUE(t->isEditing());
    t->setText("氏名", "鈴木");
    t->post();
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_EQ(t->text("氏名"), "鈴木");
}

TEST_P(TableTest, DeleteMovesToTheNextRowOrTheNewLastRow)
{
    auto t = keyed({"a", "b", "c"});
    t->findKey({"b"});
    t->deleteRecord();
    EXPECT_EQ(t->text("code"), "c");
    t->deleteRecord();
    EXPECT_EQ(t->text("code"), "a");
    EXPECT_EQ(column(*t, "code"), (std::vector<std::string>{"a"}));
}

TEST_P(TableTest, RefusedValuesWriteNothingAndNameTableAndField)
{
    const struct {
        const char* name;
        const char* field;
        std::function<void(Table&)> set;
    } refused[] = {
        {"text longer than its size in characters", "氏名", [](Table& t) { t.setText("氏名", "一二三四五六七八九"); }},
        {"small integer above its range", "太陽角度", [](Table& t) { t.setInteger("太陽角度", 32768); }},
        {"small integer below its range", "太陽角度", [](Table& t) { t.setText("太陽角度", "-32769"); }},
        {"required field left empty", "氏名", [](Table& t) { t.setText("氏名", ""); }},
        {"number field given text", "太陽角度", [](Table& t) { t.setText("太陽角度", "12度"); }},
    };
    auto t = persons({"基準"});
    for (const auto& c : refused) {
        for (bool appending : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (appending ? " (append)" : " (edit)"));
            t->first();
            if (appending) {
                t->append();
                t->setText("氏名", "新規");
            } else {
                t->edit();
            }
            const std::string message = tableErrorOf([&] {
                c.set(*t);
                t->post();
            });
            EXPECT_THAT(message, HasSubstr("人名DB"));
            EXPECT_THAT(message, HasSubstr(c.field));
            t->cancel();
            t = reopen(t);
            EXPECT_EQ(column(*t, "氏名"), std::vector<std::string>{"基準"});
            EXPECT_TRUE(t->isNull("太陽角度"));
        }
    }

    // The limits themselves are accepted; sizes count characters, not bytes.
    t->edit();
    t->setText("氏名", "一二三四五六七八");
    t->setInteger("太陽角度", -32768);
    t->post();
    t->edit();
    t->setText("太陽角度", " 32767 ");
    t->post();
    EXPECT_EQ(t->integer("太陽角度"), 32767);
}

TEST_P(TableTest, DuplicatePrimaryKeyIsRefusedIgnoringCase)
{
    auto t = keyed({"abc", "xyz"});
    t->append();
    t->setText("code", "ABC");
    EXPECT_THAT(tableErrorOf([&] { t->post(); }), HasSubstr("ABC"));
    t->cancel();

    t->findKey({"xyz"});
    t->edit();
    t->setText("code", "Abc");
    EXPECT_THROW(t->post(), TableError);
    t->cancel();

    EXPECT_EQ(column(*t, "code"), (std::vector<std::string>{"abc", "xyz"}));
    EXPECT_THROW(bulkInsert(*t, {{"new"}, {"XYZ"}}), TableError);
    EXPECT_EQ(t->recordCount(), 2) << "a refused batch writes none of its rows";
}

TEST_P(TableTest, AutoIncrementNumbersAreNeverReused)
{
    auto t = persons({"一", "二", "三"});
    EXPECT_EQ(column(*t, "No"), (std::vector<std::string>{"1", "2", "3"}));
    t->last();
    t->deleteRecord();
    addRow(*t, {{"氏名", "四"}});
    EXPECT_EQ(t->integer("No"), 4) << "the cursor is on the row just posted";
    t->last();
    t->deleteRecord();
    t = reopen(t);
    addRow(*t, {{"氏名", "五"}});
    EXPECT_EQ(t->integer("No"), 5);
}

TEST_P(TableTest, DefinitionAndIndexesAreReadBackOnOpening)
{
    auto t = persons({"b", "a", "c"});
    t->addIndex("SIMEI", "氏名");
    t->addIndex("YY", "年度");
    t = reopen(t);

    const auto def = personDef();
    ASSERT_EQ(t->fields().size(), def.fields.size());
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        EXPECT_EQ(t->fields()[i].name, def.fields[i].name);
        EXPECT_EQ(t->fields()[i].type, def.fields[i].type);
        EXPECT_EQ(t->fields()[i].size, def.fields[i].size);
        EXPECT_EQ(t->fields()[i].required, def.fields[i].required);
    }
    EXPECT_EQ(t->indexNames(), (std::vector<std::string>{"SIMEI", "YY"}));
    t->selectIndex("SIMEI");
    EXPECT_EQ(column(*t, "氏名"), (std::vector<std::string>{"a", "b", "c"}));

    // Adding an index under an existing name replaces its definition.
    int year = 2000;
    t->first();
    for (const char* name : {"c", "b", "a"}) {
        t->findKey({name});
        t->edit();
        t->setText("年度", std::to_string(year++));
        t->post();
    }
    t->addIndex("SIMEI", "年度");
    EXPECT_EQ(column(*t, "氏名"), (std::vector<std::string>{"c", "b", "a"}));
    t = reopen(t);
    t->selectIndex("SIMEI");
    EXPECT_EQ(column(*t, "氏名"), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(t->indexNames().size(), 2u);
}

TEST_P(TableTest, MissingTableNamesTableAndFolder)
{
    EXPECT_FALSE(engine->exists(folder, "1950"));
    const std::string message = tableErrorOf([&] { engine->open(folder, "1950"); });
    EXPECT_THAT(message, HasSubstr("「1950」"));
    EXPECT_THAT(message, HasSubstr(folder));

    create("1950", keyedDef());
    EXPECT_TRUE(engine->exists(folder, "1950"));
    EXPECT_TRUE(engine->exists(folder, "1950.db")) << "a name with the extension names the same table";
    engine->remove(folder, "1950");
    EXPECT_FALSE(engine->exists(folder, "1950"));
}

TEST_P(TableTest, CreateReplacesAnExistingTable)
{
    keyed({"a", "b"});
    auto t = create("keyed", keyedDef());
    EXPECT_TRUE(t->isEmpty());
    EXPECT_THROW(create("bad", TableDef{{{"x", FieldType::Text, 0, false}}, 0}), TableError) << "text needs a size";
    EXPECT_THROW(create("bad", TableDef{{{"x", FieldType::Text, 4, false}, {"X", FieldType::Integer, 0, false}}, 0}),
                 TableError)
        << "field names are case-insensitive";
}

TEST_P(TableTest, BulkInsertWritesRowsInOneGo)
{
    auto t = create("1950", TableDef{{{"YYMMDD", FieldType::Text, 10, true},
                                      {"WIN太陽", FieldType::Text, 10, false},
                                      {"n", FieldType::SmallInt, 0, false}},
                                     1});
    std::vector<std::vector<std::string>> rows;
    for (int day = 366; day >= 1; --day)
        rows.push_back({"1950/" + std::to_string(1000 + day), "牡羊", std::to_string(day)});
    bulkInsert(*t, rows);
    EXPECT_EQ(t->recordCount(), 366);
    ASSERT_TRUE(t->findKey({"1950/1200"}));
    EXPECT_EQ(t->integer("n"), 200);
    t->first();
    EXPECT_EQ(t->text("YYMMDD"), "1950/1001");

    EXPECT_THROW(bulkInsert(*t, {{"1951/0001", "x", "40000"}}), TableError);
    EXPECT_THROW(bulkInsert(*t, {{"1951/0001", "x", "1", "extra"}}), TableError);
    EXPECT_EQ(t->recordCount(), 366);
}

TEST_P(TableTest, TwoCursorsOnOneTableSeeEachOthersPosts)
{
    auto writer = keyed({"a"});
    auto reader = engine->open(folder, "keyed");
    EXPECT_EQ(reader->recordCount(), 1);

    addRow(*writer, {{"code", "b"}});
    EXPECT_TRUE(reader->findKey({"b"}));
    EXPECT_EQ(reader->recordCount(), 2);

    reader->edit();
    reader->setInteger("value", 42);
    reader->post();
    writer->findKey({"b"});
    EXPECT_EQ(writer->integer("value"), 42);

    reader->deleteRecord();
    EXPECT_TRUE(writer->last());
    EXPECT_EQ(writer->text("code"), "a") << "the deleted row's neighbour takes its place";
}

TEST_P(TableTest, ReadOnlyTableReadsLikeAnyOtherAndRefusesEveryWrite)
{
    {
        auto t = keyed({"c", "a", "b"});  // values 1, 2, 3
        t->addIndex("BYVALUE", "value");
    }
    EXPECT_THAT(tableErrorOf([&] { engine->openReadOnly(folder, "missing"); }), HasSubstr("「missing」"));
    auto t = engine->openReadOnly(folder, "keyed");
    EXPECT_EQ(column(*t, "code"), (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_TRUE(t->findNearest({"B"}));
    EXPECT_EQ(t->text("code"), "b");

    // The stored index as it is; a new one, or a stored name given another field, only
    // for this table object.
    t->addIndex("BYVALUE", "value");
    t->selectIndex("BYVALUE");
    EXPECT_EQ(column(*t, "code"), (std::vector<std::string>{"c", "a", "b"}));
    t->addIndex("BYVALUE", "code");
    EXPECT_EQ(column(*t, "code"), (std::vector<std::string>{"a", "b", "c"}));
    t->addIndex("BYCODE", "code");
    t->selectIndex("BYCODE");
    ASSERT_TRUE(t->findKey({"C"}));
    EXPECT_EQ(t->integer("value"), 1);
    EXPECT_EQ(t->indexNames(), (std::vector<std::string>{"BYVALUE", "BYCODE"}));
    EXPECT_EQ(engine->openReadOnly(folder, "keyed")->indexNames(), std::vector<std::string>{"BYVALUE"});

    for (const auto& write : std::vector<std::function<void()>>{
             [&] { t->append(); },
             [&] { t->edit(); },
             [&] { t->deleteRecord(); },
             [&] {
                 bulkInsert(*t, {{"d", "4"}});
             },
         }) {
        EXPECT_THAT(tableErrorOf(write), HasSubstr("「keyed」は読み取り専用"));
    }
    EXPECT_THROW(t->setText("code", "x"), TableError) << "no edit was started";
    EXPECT_EQ(engine->open(folder, "keyed")->recordCount(), 3);
}

// A table reads its row order only when a move needs it: a lookup on a table just
// opened reads one row, and everything that depends on the position still finds it.
TEST_P(TableTest, ATableJustOpenedStandsOnItsFirstRowAndALookupKnowsItsPlace)
{
    auto t = keyed({"d", "b", "a", "c", "e"});
    t = reopen(t);
    EXPECT_EQ(t->text("code"), "a") << "no move yet: the first row";

    t = reopen(t);
    EXPECT_FALSE(t->findKey({"x"}));
    EXPECT_EQ(t->text("code"), "a") << "a failed lookup leaves the cursor on the first row";

    const struct {
        const char* key;
        int number;
        const char* next;
        const char* prior;
    } lookups[] = {{"c", 3, "d", "b"}, {"A", 1, "b", nullptr}, {"e", 5, nullptr, "d"}};
    for (const auto& l : lookups) {
        SCOPED_TRACE(l.key);
        for (const char* step : {"number", "next", "prior"}) {
            t = reopen(t);
            ASSERT_TRUE(t->findKey({l.key}));
            if (std::string(step) == "number") {
                EXPECT_EQ(t->recordNumber(), l.number);
            } else if (std::string(step) == "next") {
                EXPECT_EQ(t->next(), l.next != nullptr);
                EXPECT_EQ(t->text("code"), l.next != nullptr ? l.next : l.key);
                EXPECT_EQ(t->eof(), l.next == nullptr);
            } else {
                EXPECT_EQ(t->prior(), l.prior != nullptr);
                EXPECT_EQ(t->text("code"), l.prior != nullptr ? l.prior : "a");
                EXPECT_EQ(t->bof(), l.prior == nullptr);
            }
        }
    }

    // Rows another cursor removes before the found row do not shift it.
    t = reopen(t);
    auto other = engine->open(folder, "keyed");
    ASSERT_TRUE(t->findKey({"c"}));
    ASSERT_TRUE(other->findKey({"a"}));
    other->deleteRecord();
    EXPECT_EQ(t->recordNumber(), 2);
    EXPECT_TRUE(t->next());
    EXPECT_EQ(t->text("code"), "d");

    // Deleting a row just found moves to the row after it.
    other.reset();
    t = reopen(t);
    ASSERT_TRUE(t->findKey({"b"}));
    t->deleteRecord();
    EXPECT_EQ(t->text("code"), "c");
    EXPECT_EQ(t->recordCount(), 3);
}

TEST_P(TableTest, AReadingPassSeesOneSnapshotAndRefusesEditing)
{
    auto reader = keyed({"a", "b"});
    auto writer = engine->open(folder, "keyed");

    // A row typed before the pass is posted when it begins, as a move would.
    reader->append();
    reader->setText("code", "c");
    // The memory engine has no write-ahead log: there a writer would wait for the pass.
    const bool writeDuringPass = GetParam() == EngineKind::Sqlite;
    {
        ReadingPass pass(*reader);
        EXPECT_FALSE(reader->isEditing());
        if (writeDuringPass) addRow(*writer, {{"code", "d"}});
        EXPECT_EQ(column(*reader, "code"), (std::vector<std::string>{"a", "b", "c"})) << "d came after the snapshot";
        {
            ReadingPass inner(*reader);
        }
        EXPECT_FALSE(reader->findKey({"d"})) << "the inner pass does not end the outer one";

        for (const auto& [what, action] : std::vector<std::pair<std::string, std::function<void()>>>{
                 {"append", [&] { reader->append(); }},
                 {"edit", [&] { reader->edit(); }},
                 {"delete", [&] { reader->deleteRecord(); }},
                 {"index", [&] { reader->addIndex("byValue", "value"); }},
                 {"bulk",
                  [&] {
                      bulkInsert(*reader, {{"e", "5"}});
                  }},
             }) {
            EXPECT_THAT(tableErrorOf(action), HasSubstr("読み取りの途中")) << what;
        }
    }
    if (!writeDuringPass) addRow(*writer, {{"code", "d"}});
    EXPECT_TRUE(reader->findKey({"d"})) << "visible once the pass has ended";
    EXPECT_EQ(reader->recordCount(), 4);
    reader->edit();
    reader->setInteger("value", 9);
    reader->post();
    EXPECT_TRUE(writer->findKey({"d"}));
    EXPECT_EQ(writer->integer("value"), 9);
}

TEST_P(TableTest, ControlsCounterNests)
{
    auto t = keyed({});
    t->disableControls();
    t->disableControls();
    t->enableControls();
    EXPECT_TRUE(t->controlsDisabled());
    t->enableControls();
    EXPECT_FALSE(t->controlsDisabled());
    t->enableControls();  // one too many does not go negative
    t->disableControls();
    EXPECT_TRUE(t->controlsDisabled());
}

INSTANTIATE_TEST_SUITE_P(Engines, TableTest, ::testing::Values(EngineKind::Sqlite, EngineKind::Memory),
                         [](const auto& info) { return info.param == EngineKind::Sqlite ? "Sqlite" : "Memory"; });

}  // namespace
}  // namespace celmora::platform
