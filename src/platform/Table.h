// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The table engine: record-oriented tables with a cursor, as every table of the
// system (ephemeris years, house tables, person lists, reading texts) is used.
//
// A table lives in one database file "<folder>/<name>.db". Its fields are declared
// once at creation (name, type, size) and read back from the file on opening. Rows
// are visited in the order of the selected index: the primary index (the leading
// `primaryKeyFields` fields, or insertion order when there are none) or a named
// secondary index on one field. Text comparison in indexes is case-insensitive for
// ASCII letters; other characters compare by their UTF-8 bytes.
//
// Cursor model: one current row. first/last/next/prior move it; eof()/bof() tell when
// a move ran off an end. append() starts a new row, edit() makes the current row
// editable; setters change the edit buffer; post() writes it durably (the change is
// on disk when post() returns); cancel() drops it. Moving the cursor while editing
// posts first, as a data-bound grid does.
//
// Errors: a missing file, a busy or corrupt database, an over-long text, a small
// integer out of range or a duplicate primary key throws TableError with a Japanese
// message that names the table. Nothing is ever truncated silently.
//
// Names: a table name is one file name in its folder (no "/", not "." or ".."); no
// table, field or index name may hold a control character; "rowid", "oid" and
// "_rowid_" are not field names (the engine numbers its rows under them). Values may
// hold any bytes, NUL included.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace celmora::platform {

enum class FieldType {
    Text,      // fixed maximum size in characters (UTF-8 code points)
    Integer,   // 32-bit signed
    SmallInt,  // 16-bit signed: -32768..32767
    AutoInc,   // assigned on post of an appended row: max + 1, never reused in the file
    Memo,      // unlimited text
};

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    int size = 0;           // characters, for Text only
    bool required = false;  // an empty value is refused on post
};

// How a table's commits reach its file.
enum class Journal {
    // A write-ahead log: readers never wait for a writer. For tables written while other
    // programs read them (the person lists). Opening one creates two side files beside
    // it, which is most of what opening a table costs.
    WriteAhead,
    // A rollback journal: a reader waits while a commit is written, and opening creates
    // no side file. For tables that are read far more than written (the installed data:
    // ephemeris years, house tables, reading texts), most often for a few lookups.
    Rollback,
};

struct TableDef {
    std::vector<FieldDef> fields;
    int primaryKeyFields = 0;               // the first N fields form the unique primary index
    Journal journal = Journal::WriteAhead;  // chosen at creation, kept by the file
};

// How an index compares texts. NoCase: ASCII letters fold, other characters by their
// UTF-8 bytes. Japanese: the order of Japanese dictionaries and name lists (Latin,
// kana in the order of the syllabary, kanji in the order of the national character
// set), ASCII letters folded as with NoCase; texts that order as equal there come in
// NoCase order, so only texts equal under NoCase are equal keys.
enum class TextOrder { NoCase, Japanese };

class Table {
public:
    virtual ~Table() = default;

    virtual const std::string& name() const = 0;
    virtual const std::vector<FieldDef>& fields() const = 0;
    virtual bool hasField(std::string_view field) const = 0;

    // Secondary indexes (case-insensitive on a text field, in `order`). addIndex
    // re-creates an index of that name when it exists with another field or order.
    // selectIndex("") selects the primary order (always NoCase). Key lookups on an
    // index compare in its order.
    // The cursor stays on the same row after a change of order.
    // On a read-only table addIndex writes nothing: an index of that name on that field
    // stored in the file (made by the data builder) is used as it is; otherwise the order
    // is kept for this table object only (a sort instead of a stored index).
    virtual void addIndex(const std::string& indexName, const std::string& field,
                          TextOrder order = TextOrder::NoCase) = 0;
    virtual void selectIndex(const std::string& indexName) = 0;
    virtual std::string selectedIndex() const = 0;
    virtual std::vector<std::string> indexNames() const = 0;

    // Navigation in the selected order. Each returns false when there is no row to go to
    // (the cursor then stays put and eof()/bof() is set).
    virtual bool first() = 0;
    virtual bool last() = 0;
    virtual bool next() = 0;
    virtual bool prior() = 0;
    virtual bool eof() const = 0;
    virtual bool bof() const = 0;
    virtual bool isEmpty() const = 0;
    virtual int recordCount() const = 0;
    // 1-based position of the current row in the selected order; 0 when empty.
    virtual int recordNumber() const = 0;
    // Moves to the row at a 1-based position (clamped to the table).
    virtual bool moveTo(int recordNumber) = 0;

    // Key lookups on the selected index (the primary index takes one value per key field).
    // findKey moves to the row whose key equals `key` exactly and returns true; when there
    // is none it returns false and the cursor does not move.
    virtual bool findKey(const std::vector<std::string>& key) = 0;
    // findNearest moves to the first row whose key is >= `key` in index order, or to the
    // last row when every key is smaller; false only when the table is empty.
    virtual bool findNearest(const std::vector<std::string>& key) = 0;

    // Editing.
    virtual void append() = 0;
    virtual void edit() = 0;
    virtual void post() = 0;
    virtual void cancel() = 0;
    virtual bool isEditing() const = 0;
    // Deletes the current row; the cursor moves to the next row (or the new last row).
    virtual void deleteRecord() = 0;

    // Field access on the current row (or on the edit buffer while editing). A null
    // field reads as "" / 0. An unknown field name throws TableError.
    virtual std::string text(std::string_view field) const = 0;
    virtual int integer(std::string_view field) const = 0;
    virtual bool isNull(std::string_view field) const = 0;
    virtual void setText(std::string_view field, std::string_view value) = 0;
    virtual void setInteger(std::string_view field, int value) = 0;
    virtual void setNull(std::string_view field) = 0;

    // Suspend/resume of bound views is a screen matter; the engine keeps a counter
    // so that screens can ask whether to repaint.
    virtual void disableControls() = 0;
    virtual void enableControls() = 0;
    virtual bool controlsDisabled() const = 0;

    // A reading pass (use ReadingPass below): every read in between sees one snapshot
    // of the table, taken under one lock when the pass begins, instead of locking the
    // file again for each move and each row read; a loop over all rows runs in a
    // fraction of the time. Commits by others become visible when the pass ends; with a
    // rollback journal a writer elsewhere waits for that (see the busy timeout), with
    // the write-ahead log it does not. Passes nest. An edit in progress is left first
    // (posted when typed, as a move does); editing inside a pass throws TableError.
    virtual void beginReading() = 0;
    virtual void endReading() = 0;
};

// A reading pass for the life of the object.
class ReadingPass {
public:
    explicit ReadingPass(Table& table) : table_(table) { table_.beginReading(); }
    ~ReadingPass() { table_.endReading(); }
    ReadingPass(const ReadingPass&) = delete;
    ReadingPass& operator=(const ReadingPass&) = delete;

private:
    Table& table_;
};

// Opens and creates tables. `folder` is an absolute directory; `name` the table name
// without extension ("1950", "Tokyo", "人名DB"). A table, and the engine, are used only
// by the thread that made them (the engine does no locking of its own for them).
class TableEngine {
public:
    virtual ~TableEngine() = default;

    virtual bool exists(const std::string& folder, const std::string& name) const = 0;
    // Whether anything at all stands where the table's file would be: a file, a folder,
    // a named pipe, a symbolic link even when it leads nowhere. A table is only ever
    // created where nothing is.
    virtual bool occupied(const std::string& folder, const std::string& name) const { return exists(folder, name); }
    // Opens an existing table; a missing or unreadable file throws TableError naming
    // the table and folder. A file this process may not write (a read-only folder) is
    // opened as by openReadOnly.
    virtual std::unique_ptr<Table> open(const std::string& folder, const std::string& name) = 0;
    // Opens an existing table that is only read: installed data (ProgramDir::isInstalledData).
    // Whatever the permissions (root may write anywhere), nothing is written: no lock, no
    // side file ("-wal", "-shm", "-journal") appears beside the table, and every write
    // (append, edit, delete, bulkInsert) throws TableError. The file must not change
    // while the table is open; the data builders replace installed files, never edit them.
    virtual std::unique_ptr<Table> openReadOnly(const std::string& folder, const std::string& name) = 0;
    // Creates (replacing any existing table of that name) and opens it.
    virtual std::unique_ptr<Table> create(const std::string& folder, const std::string& name, const TableDef& def) = 0;
    virtual void remove(const std::string& folder, const std::string& name) = 0;
};

// The real engine: one SQLite database file per table.
std::unique_ptr<TableEngine> makeSqliteTableEngine();
// The same with another wait for a locked database (milliseconds; 2000 by default)
// before TableError reports it busy.
std::unique_ptr<TableEngine> makeSqliteTableEngine(int busyTimeoutMs);
// Test double: the same semantics kept in memory; nothing touches the disk.
std::unique_ptr<TableEngine> makeMemoryTableEngine();

// Batch writing for data builders: many rows in one transaction.
// Rows are value lists in field order; throws TableError like post().
void bulkInsert(Table& table, const std::vector<std::vector<std::string>>& rows);

// For data builders, once a table is complete: its file becomes a single self-contained
// file (everything moved out of the write-ahead log, a rollback journal from then on),
// so that a reader, even one that opens it for writing, creates no side file beside an
// installed table.
void sealForInstallation(Table& table);

}  // namespace celmora::platform
