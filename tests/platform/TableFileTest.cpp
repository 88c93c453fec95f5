// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// What only the file engine has: durability across a killed process, sharing a file
// between engines, busy and damaged files, file names; and that the memory engine
// leaves the disk alone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "platform/Errors.h"
#include "platform/Table.h"
#include "support/FolderSnapshot.h"

namespace celmora::platform {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

TableDef keyedDef()
{
    return TableDef{{{"code", FieldType::Text, 10, true}, {"value", FieldType::Integer, 0, false}}, 1};
}

void addRow(Table& t, const std::string& code, int value)
{
    t.append();
    t.setText("code", code);
    t.setInteger("value", value);
    t.post();
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

class TableFileTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    std::string folder = dir / "jinmei";
};

TEST_F(TableFileTest, PostedRowSurvivesAKilledProcess)
{
    makeSqliteTableEngine()->create(folder, "人名DB", keyedDef());  // closed again before fork

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // No gtest assertions here: a failure shows as a wrong exit status instead.
        try {
            auto t = makeSqliteTableEngine()->open(folder, "人名DB");
            addRow(*t, "posted", 7);
            t->append();
            t->setText("code", "unposted");
            ::kill(::getpid(), SIGKILL);  // no destructor, no checkpoint, no close
        } catch (...) {
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child failed before it was killed";

    auto t = makeSqliteTableEngine()->open(folder, "人名DB");
    EXPECT_EQ(t->recordCount(), 1);
    ASSERT_TRUE(t->findKey({"posted"}));
    EXPECT_EQ(t->integer("value"), 7);
    EXPECT_FALSE(t->findKey({"unposted"}));
}

TEST_F(TableFileTest, TwoEnginesOnOneFileSeeEachOthersPosts)
{
    auto first = makeSqliteTableEngine()->create(folder, "人名DB", keyedDef());
    auto second = makeSqliteTableEngine()->open(folder, "人名DB");
    addRow(*first, "a", 1);
    EXPECT_TRUE(second->first());
    EXPECT_EQ(second->text("code"), "a");
    addRow(*second, "b", 2);
    EXPECT_TRUE(first->findKey({"B"}));
    EXPECT_EQ(first->recordCount(), 2);
}

// Closed tables keep their connection for a quick reopening; that must never outlive
// the file it belongs to, nor leave the file incomplete without its log.
TEST_F(TableFileTest, ClosedTablesLeaveCompleteFilesAndReopenTheCurrentOne)
{
    auto engine = makeSqliteTableEngine();
    addRow(*engine->create(folder, "1950", keyedDef()), "old", 1);

    fs::create_directories(dir / "copy");
    fs::copy_file(folder + "/1950.db", dir / "copy/1950.db");  // the file alone, as an installer copies it
    EXPECT_TRUE(makeSqliteTableEngine()->open(dir / "copy", "1950")->findKey({"old"}));

    // Replaced elsewhere while closed here.
    addRow(*makeSqliteTableEngine()->create(folder, "1950", keyedDef()), "new", 2);
    auto t = engine->open(folder, "1950");
    EXPECT_FALSE(t->findKey({"old"}));
    EXPECT_TRUE(t->findKey({"new"}));

    // Replaced elsewhere while open here: closing it afterwards must not hand its
    // connection to the next opening.
    addRow(*makeSqliteTableEngine()->create(folder, "1950", keyedDef()), "newer", 3);
    t.reset();
    EXPECT_TRUE(engine->open(folder, "1950")->findKey({"newer"}));

    engine->remove(folder, "1950");
    EXPECT_THAT(tableErrorOf([&] { engine->open(folder, "1950"); }), HasSubstr("1950"));
}

TEST_F(TableFileTest, LockedDatabaseReportsBusyInsteadOfWaiting)
{
    auto t = makeSqliteTableEngine(50)->create(folder, "人名DB", keyedDef());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "/人名DB.db").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    t->append();
    t->setText("code", "a");
    const std::string message = tableErrorOf([&] { t->post(); });
    EXPECT_THAT(message, HasSubstr("人名DB"));
    EXPECT_THAT(message, HasSubstr("使用中"));
    EXPECT_TRUE(t->isEditing()) << "the row can be posted again later";

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    t->post();
    EXPECT_EQ(t->recordCount(), 1);
}

TEST_F(TableFileTest, DamagedFilesGiveTableErrors)
{
    auto engine = makeSqliteTableEngine();
    fs::create_directories(folder);
    std::ofstream(folder + "/garbage.db") << "これはデータベースではありません";
    {
        sqlite3* db = nullptr;
        sqlite3_open((folder + "/foreign.db").c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    addRow(*makeSqliteTableEngine()->create(folder, "smashed", keyedDef()), "a", 1);  // written in an earlier run
    {
        std::fstream f(folder + "/smashed.db", std::ios::in | std::ios::out | std::ios::binary);
        f.write("\xde\xad\xbe\xef\xde\xad\xbe\xef\xde\xad\xbe\xef\xde\xad\xbe\xef", 16);  // the file header
    }
    for (const char* name : {"garbage", "foreign", "smashed"}) {
        SCOPED_TRACE(name);
        EXPECT_THAT(tableErrorOf([&] { engine->open(folder, name); }), HasSubstr(name));
    }
}

TEST_F(TableFileTest, TableNamesAreFileNames)
{
    auto engine = makeSqliteTableEngine();
    engine->create(folder, "人名DB", keyedDef());
    engine->create(folder + "/", "1950.db", keyedDef());
    EXPECT_TRUE(fs::is_regular_file(folder + "/人名DB.db"));
    EXPECT_TRUE(fs::is_regular_file(folder + "/1950.db"));
    EXPECT_EQ(engine->open(folder, "1950")->name(), "1950");

    engine->remove(folder, "人名DB");
    EXPECT_FALSE(fs::exists(folder + "/人名DB.db"));
    EXPECT_FALSE(fs::exists(folder + "/人名DB.db-wal"));
}

// The first bytes of a table file: bytes 18 and 19 of the header are 2 for a file in
// write-ahead-log mode, 1 for one with a rollback journal.
int journalVersion(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    char header[20] = {};
    in.read(header, sizeof header);
    return header[18];
}

// The journal chosen at creation is the file's: a write-ahead log has its side files
// while the table is open, a rollback journal none (opening it is then much cheaper);
// both keep every post.
TEST_F(TableFileTest, TheJournalChosenAtCreationIsKeptByTheFile)
{
    const struct {
        const char* name;
        Journal journal;
        bool sideFiles;
    } cases[] = {{"人名DB", Journal::WriteAhead, true}, {"1950", Journal::Rollback, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableDef def = keyedDef();
        def.journal = c.journal;
        addRow(*makeSqliteTableEngine()->create(folder, c.name, def), "a", 1);

        auto reader = makeSqliteTableEngine()->open(folder, c.name);
        ASSERT_TRUE(reader->findKey({"a"}));
        EXPECT_EQ(fs::exists(folder + "/" + c.name + ".db-wal"), c.sideFiles);
        EXPECT_EQ(fs::exists(folder + "/" + c.name + ".db-shm"), c.sideFiles);
        addRow(*makeSqliteTableEngine()->open(folder, c.name), "b", 2);
        EXPECT_TRUE(reader->findKey({"b"})) << "a post by another engine is seen";
        reader.reset();
        EXPECT_EQ(makeSqliteTableEngine()->open(folder, c.name)->recordCount(), 2);
    }
}

// With a rollback journal a reading pass holds its lock to the end: a writer waits,
// and one that cannot wait that long is told the table is busy.
TEST_F(TableFileTest, AWriterWaitsForAReadingPassOnARollbackJournal)
{
    TableDef def = keyedDef();
    def.journal = Journal::Rollback;
    addRow(*makeSqliteTableEngine()->create(folder, "1950", def), "a", 1);
    auto reader = makeSqliteTableEngine()->open(folder, "1950");
    auto writer = makeSqliteTableEngine(50)->open(folder, "1950");
    {
        ReadingPass pass(*reader);
        EXPECT_TRUE(reader->findKey({"a"}));
        writer->append();
        writer->setText("code", "b");
        EXPECT_THAT(tableErrorOf([&] { writer->post(); }), HasSubstr("使用中"));
    }
    writer->post();
    EXPECT_EQ(reader->recordCount(), 2);
}

// Installed data is opened read-only by its place, not by its permissions (root may
// write anywhere): whoever runs the program, the file keeps every byte, nothing
// appears beside it, not even while it is open, and each write is refused in words.
TEST_F(TableFileTest, ReadOnlyInstalledTableIsReadableAndRefusesWrites)
{
    struct Case {
        const char* name;
        bool sealed;  // as the data builders leave a file; else still in WAL mode
    };
    for (const Case& c : {Case{"sealed", true}, Case{"write-ahead log", false}}) {
        SCOPED_TRACE(c.name);
        const std::string installed = dir / (std::string("installed-") + (c.sealed ? "sealed" : "wal"));
        {
            auto t = makeSqliteTableEngine()->create(installed, "Tokyo", keyedDef());
            int value = 0;
            for (const char* code : {"k0", "k1", "k2"}) addRow(*t, code, value++);
            t->addIndex("BUILT", "value");
            if (c.sealed) sealForInstallation(*t);
        }
        EXPECT_EQ(journalVersion(installed + "/Tokyo.db"), c.sealed ? 1 : 2);
        fs::permissions(installed + "/Tokyo.db",
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(installed, fs::perms::owner_read | fs::perms::owner_exec);
        const auto before = testing::snapshotFolder(installed);
        ASSERT_EQ(before.size(), 1u) << "the table file alone";

        auto engine = makeSqliteTableEngine();
        auto t = engine->openReadOnly(installed, "Tokyo");
        t->addIndex("BUILT", "value");  // the builder's index, used as stored
        t->addIndex("JIKOKU", "code");  // not in the file: kept for this table object only
        t->selectIndex("JIKOKU");
        EXPECT_TRUE(t->findKey({"K1"}));
        EXPECT_EQ(t->integer("value"), 1);
        t->selectIndex("BUILT");
        EXPECT_TRUE(t->last());
        EXPECT_EQ(t->text("code"), "k2");

        const std::vector<std::pair<const char*, std::function<void()>>> writes = {
            {"append", [&] { t->append(); }},           {"edit", [&] { t->edit(); }},
            {"delete", [&] { t->deleteRecord(); }},     {"bulk insert", [&] { bulkInsert(*t, {{"k9", "9"}}); }},
            {"seal", [&] { sealForInstallation(*t); }},
        };
        for (const auto& [what, write] : writes) {
            EXPECT_THAT(tableErrorOf(write), HasSubstr("「Tokyo」は読み取り専用")) << what;
        }
        EXPECT_FALSE(t->isEditing());
        EXPECT_TRUE(testing::snapshotDifferences(before, testing::snapshotFolder(installed)).empty());

        // Closed (the engine keeps the connection) and gone: still nothing.
        t.reset();
        EXPECT_TRUE(testing::snapshotDifferences(before, testing::snapshotFolder(installed)).empty());
        engine.reset();
        EXPECT_TRUE(testing::snapshotDifferences(before, testing::snapshotFolder(installed)).empty());
        EXPECT_EQ(makeSqliteTableEngine()->openReadOnly(installed, "Tokyo")->indexNames(),
                  std::vector<std::string>{"BUILT"});
    }
}

// A file the process may not write is opened as installed data. Only a user other than
// root is bound by the permissions; root opens it for writing.
TEST_F(TableFileTest, TableInAFolderThatCannotBeWrittenIsOpenedReadOnly)
{
    {
        auto t = makeSqliteTableEngine()->create(folder, "Tokyo", keyedDef());
        addRow(*t, "k0", 0);
    }
    fs::permissions(folder + "/Tokyo.db", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const bool bound = ::geteuid() != 0;

    auto t = makeSqliteTableEngine()->open(folder, "Tokyo");
    EXPECT_TRUE(t->findKey({"k0"}));
    if (bound) {
        EXPECT_THAT(tableErrorOf([&] { t->append(); }), HasSubstr("読み取り専用"));
    } else {
        t->append();  // root: the table is writable, and so is the file
        t->cancel();
    }
}

// Closed read-only tables keep their connection, which never looks for changes: a
// write to the same file in this process must not leave a later read-only opening
// with the old rows.
TEST_F(TableFileTest, ReadOnlyReopeningSeesAnEditMadeMeanwhile)
{
    auto engine = makeSqliteTableEngine();
    addRow(*engine->create(folder, "Tokyo", keyedDef()), "k0", 0);
    EXPECT_EQ(engine->openReadOnly(folder, "Tokyo")->integer("value"), 0);  // closed again: pooled
    {
        auto writer = engine->open(folder, "Tokyo");
        writer->edit();
        writer->setInteger("value", 5);
        writer->post();
    }
    EXPECT_EQ(engine->openReadOnly(folder, "Tokyo")->integer("value"), 5);
}

// A sealed file has no log beside it from the start, so even a reader that opens it
// for writing creates none.
TEST_F(TableFileTest, SealedTableIsOneFileForEveryReader)
{
    {
        auto t = makeSqliteTableEngine()->create(folder, "ASPECT", keyedDef());
        addRow(*t, "a", 1);
        sealForInstallation(*t);
        EXPECT_EQ(t->recordCount(), 1) << "still usable";
        addRow(*t, "b", 2);  // and still writable, with a rollback journal now
    }
    const auto before = testing::snapshotFolder(folder);
    EXPECT_EQ(before.size(), 1u);
    auto engine = makeSqliteTableEngine();
    auto t = engine->open(folder, "ASPECT");
    EXPECT_EQ(t->recordCount(), 2);
    EXPECT_TRUE(t->findKey({"b"}));
    EXPECT_TRUE(testing::snapshotDifferences(before, testing::snapshotFolder(folder)).empty());

    // The memory engine has no file to seal.
    auto memory = makeMemoryTableEngine()->create(folder, "ASPECT", keyedDef());
    sealForInstallation(*memory);
    addRow(*memory, "a", 1);
}

TEST_F(TableFileTest, MemoryEngineLeavesTheDiskAlone)
{
    auto engine = makeMemoryTableEngine();
    auto t = engine->create(folder, "人名DB", keyedDef());
    addRow(*t, "a", 1);
    t->addIndex("V", "value");
    EXPECT_FALSE(fs::exists(folder));

    // Each engine has its own tables.
    EXPECT_FALSE(makeMemoryTableEngine()->exists(folder, "人名DB"));
}

}  // namespace
}  // namespace celmora::platform
