// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The table engine against hostile input: values, field, index and table names that
// carry quotes, SQL text, NUL bytes or bytes that are not UTF-8; very long texts;
// files that are empty, text or truncated; folders that cannot be written. Every case
// either works exactly or ends in a TableError whose Japanese text names the table —
// never a crash, a hang, another file written, or a row silently changed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/Errors.h"
#include "platform/Table.h"

namespace celmora::platform {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

using namespace std::string_literals;

enum class EngineKind { Sqlite, Memory };

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

// Everything below the folder, so a test can tell that nothing was written elsewhere.
std::set<std::string> filesUnder(const std::string& root)
{
    std::set<std::string> out;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        out.insert(fs::relative(it->path(), root).string());
    }
    return out;
}

class TableHostileTest : public ::testing::TestWithParam<EngineKind> {
protected:
    TableHostileTest()
        : engine(GetParam() == EngineKind::Sqlite ? makeSqliteTableEngine() : makeMemoryTableEngine()),
          folder(dir / "db")
    {
    }

    testing::TempDir dir;
    std::unique_ptr<TableEngine> engine;
    std::string folder;
};

// Values are data, never SQL: they round-trip byte for byte, exact lookups match only
// themselves (no wildcards), and the order and the other rows stay as they were.
TEST_P(TableHostileTest, ValuesWithQuotesSqlNulAndForeignBytesRoundTrip)
{
    const std::vector<std::string> values = {
        "'; DROP TABLE records; --",
        "\"); DELETE FROM celmora_fields; --",
        "%",
        "_",
        "a%",
        "\\",
        "x\0y"s,
        "\xff\xfe\x80",  // not UTF-8
        "\xe6\x97",      // a cut-off kanji
        "",
    };
    auto t = engine->create(folder, "keyed",
                            TableDef{{{"code", FieldType::Text, 40, false}, {"memo", FieldType::Memo, 0, false}}, 1});
    for (const auto& v : values) {
        t->append();
        t->setText("code", v);
        t->setText("memo", v);
        t->post();
    }
    t.reset();
    t = engine->open(folder, "keyed");
    EXPECT_EQ(t->recordCount(), static_cast<int>(values.size()));
    for (const auto& v : values) {
        SCOPED_TRACE(::testing::PrintToString(v));
        ASSERT_TRUE(t->findKey({v}));
        EXPECT_EQ(t->text("code"), v);
        EXPECT_EQ(t->text("memo"), v);
    }
    ASSERT_TRUE(t->findKey({"x\0y"s}));
    EXPECT_EQ(t->text("code").size(), 3u) << "the NUL byte and what follows are kept";
    EXPECT_FALSE(t->findKey({"a"})) << "'%' and '_' are not wildcards";
    EXPECT_FALSE(t->findKey({"x"})) << "a value is not cut at a NUL byte";
}

TEST_P(TableHostileTest, SizesCountCharactersAndRefuseInsteadOfCutting)
{
    auto t = engine->create(folder, "sizes",
                            TableDef{{{"name", FieldType::Text, 4, false}, {"memo", FieldType::Memo, 0, false}}, 0});
    const std::string longMemo(8 * 1024 * 1024, 'x');
    t->append();
    t->setText("name", "天王星座");  // four characters, twelve bytes
    t->setText("memo", longMemo);
    t->post();
    ASSERT_TRUE(t->first());
    EXPECT_EQ(t->text("memo").size(), longMemo.size());

    // Invalid bytes count one character each, so a size is never undercounted.
    for (const std::string& tooLong : {"天王星座x"s, "\xff\xff\xff\xff\xff"s, std::string(100000, 'a')}) {
        t->edit();
        t->setText("name", tooLong);
        EXPECT_THAT(tableErrorOf([&] { t->post(); }), HasSubstr("4文字まで"));
        t->cancel();
    }
    ASSERT_TRUE(t->first());
    EXPECT_EQ(t->text("name"), "天王星座");
}

// Names come from the program, but whatever a name holds it is quoted as a name: a
// field, index or table name with quotes or SQL text works as any other name.
TEST_P(TableHostileTest, NamesWithQuotesAndSqlTextAreOnlyNames)
{
    const std::string odd = "x\"); DROP TABLE records; --";
    const std::string quote = "a'b\"c]";
    const TableDef def{{{odd, FieldType::Text, 10, false}, {quote, FieldType::Integer, 0, false}}, 1};
    for (const std::string& table : {"it's \"here\""s, "a;b --"s, "名前?#%"s}) {
        SCOPED_TRACE(table);
        auto t = engine->create(folder, table, def);
        t->append();
        t->setText(odd, "k");
        t->setInteger(quote, 5);
        t->post();
        t->addIndex("ix\"; DROP INDEX x; --", quote);
        t.reset();
        t = engine->open(folder, table);
        EXPECT_EQ(t->name(), table);
        t->selectIndex("ix\"; DROP INDEX x; --");
        ASSERT_TRUE(t->findKey({"5"}));
        EXPECT_EQ(t->text(odd), "k");
        EXPECT_EQ(t->fields().size(), 2u);
    }
}

// The engine keeps its own row identity beside the fields; a field may not take the
// names that identity goes by, or rows would be found, edited and deleted by a value
// the user typed.
TEST_P(TableHostileTest, FieldNamesThatWouldShadowTheRowIdentityAreRefused)
{
    for (const char* name : {"rowid", "ROWID", "oid", "_rowid_"}) {
        SCOPED_TRACE(name);
        const std::string message = tableErrorOf([&] {
            engine->create(folder, "shadow",
                           TableDef{{{"code", FieldType::Text, 4, false}, {name, FieldType::Integer, 0, false}}, 0});
        });
        EXPECT_THAT(message, HasSubstr("shadow"));
        EXPECT_THAT(message, HasSubstr(name));
        EXPECT_FALSE(engine->exists(folder, "shadow"));
    }
}

// A name with a NUL byte or a line break would be cut short or misread on its way to
// the file system or the database: refused with a message, and nothing is created.
TEST_P(TableHostileTest, ControlCharactersInNamesAreRefused)
{
    const TableDef good{{{"code", FieldType::Text, 4, false}}, 1};
    const std::vector<std::string> badNames = {"a\0b"s, "a\nb", "a\tb", "\x7f"};
    for (const auto& bad : badNames) {
        SCOPED_TRACE(::testing::PrintToString(bad));
        EXPECT_THAT(tableErrorOf([&] {
                        engine->create(folder, "t", TableDef{{{bad, FieldType::Text, 4, false}}, 0});
                    }),
                    HasSubstr("使えない文字"));
        EXPECT_THAT(tableErrorOf([&] { engine->create(folder, bad, good); }), HasSubstr("使えない文字"));
        EXPECT_THAT(tableErrorOf([&] { engine->open(folder, bad); }), HasSubstr("使えない文字"));
        EXPECT_FALSE(engine->exists(folder, bad));
        auto t = engine->create(folder, "t", good);
        EXPECT_THAT(tableErrorOf([&] { t->addIndex(bad, "code"); }), HasSubstr("使えない文字"));
    }
    for (const auto& file : filesUnder(dir.path())) {
        EXPECT_TRUE(file == "db" || file.rfind("db/t.db", 0) == 0) << file;
    }
}

// A table name is one file in its folder: it cannot reach into another folder.
TEST_P(TableHostileTest, TableNamesCannotLeaveTheirFolder)
{
    const TableDef def{{{"code", FieldType::Text, 4, false}}, 1};
    for (const std::string& name : {"../escape"s, "sub/inner"s, "/etc/passwd"s, ".."s, "."s, ""s}) {
        SCOPED_TRACE(name);
        EXPECT_THAT(tableErrorOf([&] { engine->create(folder, name, def); }), HasSubstr("テーブル名"));
        EXPECT_THAT(tableErrorOf([&] { engine->open(folder, name); }), HasSubstr("テーブル名"));
        EXPECT_THAT(tableErrorOf([&] { engine->remove(folder, name); }), HasSubstr("テーブル名"));
        EXPECT_FALSE(engine->exists(folder, name));
    }
    EXPECT_TRUE(filesUnder(dir.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, TableHostileTest, ::testing::Values(EngineKind::Sqlite, EngineKind::Memory),
                         [](const auto& info) { return info.param == EngineKind::Sqlite ? "Sqlite" : "Memory"; });

// ---- files on disk

class TableHostileFileTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    std::string folder = dir / "db";
    std::unique_ptr<TableEngine> engine = makeSqliteTableEngine(50);
    TableDef def{{{"code", FieldType::Text, 10, true}, {"value", FieldType::Integer, 0, false}}, 1};

    void writeFile(const std::string& name, const std::string& bytes)
    {
        fs::create_directories(folder);
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    }
    std::string bytesOf(const std::string& name)
    {
        std::ifstream in(folder + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

// A file that is not one of our tables is reported, and left exactly as it was: opening
// must not turn an empty or foreign file into a database.
TEST_F(TableHostileFileTest, FilesThatAreNoTablesAreReportedAndLeftAlone)
{
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty", ""},
        {"text", "YYMMDD,WIN太陽\n1950/01/01,山羊\n"},
        {"nul", std::string(4096, '\0')},
        {"header", "SQLite format 3\0"s + std::string(200, '\xff')},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        writeFile(name + ".db", bytes);
        const std::string message = tableErrorOf([&] { engine->open(folder, name); });
        EXPECT_THAT(message, HasSubstr("「" + name + "」"));
        EXPECT_THAT(message, HasSubstr("壊れているか"));
        EXPECT_EQ(bytesOf(name + ".db"), bytes);
        EXPECT_FALSE(fs::exists(folder + "/" + name + ".db-wal"));
    }
}

// A table cut short (a copy that stopped half-way) fails on opening or on the first
// read, always with a TableError.
TEST_F(TableHostileFileTest, TruncatedTableGivesTableErrors)
{
    {
        // Written and closed by another run of the program: no connection of this
        // process still holds the file's pages.
        auto writer = makeSqliteTableEngine();
        auto t = writer->create(folder, "1950", def);
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < 2000; ++i) rows.push_back({std::to_string(100000 + i), std::to_string(i)});
        bulkInsert(*t, rows);
    }
    const auto size = fs::file_size(folder + "/1950.db");
    ASSERT_GT(size, 16384u);
    for (const auto cut : {size / 2, std::uintmax_t{4096}, std::uintmax_t{100}}) {
        SCOPED_TRACE(cut);
        fs::resize_file(folder + "/1950.db", cut);
        const std::string message = tableErrorOf([&] {
            auto t = makeSqliteTableEngine()->open(folder, "1950");
            for (t->first(); !t->eof(); t->next()) t->text("code");
            t->last();
            t->findKey({"101999"});
        });
        EXPECT_THAT(message, HasSubstr("1950"));
    }
}

TEST_F(TableHostileFileTest, FoldersThatCannotHoldTheTableAreReported)
{
    // The folder is a file.
    writeFile("plain", "x");
    EXPECT_THAT(tableErrorOf([&] { engine->create(folder + "/plain", "t", def); }), HasSubstr("フォルダ"));
    // The table file is a folder.
    fs::create_directories(folder + "/dir.db");
    EXPECT_FALSE(engine->exists(folder, "dir"));
    EXPECT_THAT(tableErrorOf([&] { engine->open(folder, "dir"); }), HasSubstr("ありません"));

    // A folder that takes no new file: by its permissions for anyone but root, and
    // /proc for everyone, root included.
    std::vector<std::string> closed = {"/proc"};
    if (::geteuid() != 0) {
        fs::create_directories(dir / "locked");
        fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        closed.push_back(dir / "locked");
    }
    for (const std::string& locked : closed) {
        SCOPED_TRACE(locked);
        EXPECT_THAT(tableErrorOf([&] { engine->create(locked, "t", def); }), HasSubstr("「t」"));
        EXPECT_THAT(tableErrorOf([&] { engine->create(locked + "/sub", "t", def); }), HasSubstr("フォルダ"));
        EXPECT_FALSE(fs::exists(locked + "/t.db"));
        EXPECT_FALSE(fs::exists(locked + "/sub"));
    }
    if (closed.size() > 1) {
        EXPECT_TRUE(filesUnder(dir / "locked").empty());
    }
}

}  // namespace
}  // namespace celmora::platform
