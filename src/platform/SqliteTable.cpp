// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The table engine on SQLite: one database file per table.
//
// File layout (format 1):
//   records          the rows; one column per field, named after the field
//   celmora_fields   the field definitions in field order
//   celmora_meta     "format", "primaryKeyFields", "autoinc:<field>" (last number given)
//   celmora_indexes  secondary index name -> field; the SQLite index is "ix:<name>"
//   celmora_primary  unique index on the primary key fields (when there are any)
// Every index compares text with COLLATE NOCASE (ASCII letters fold, other bytes as
// they are) or, asked for, with the Japanese order registered on every connection as
// "celmora_ja" (platform/JapaneseOrder.h); every ORDER BY and lookup repeats the
// collation of its index so that SQLite walks the index instead of sorting. Ties are broken by rowid, which an index
// holds as its last column anyway.
//
// Cursor: the rowids of the selected order are kept in a vector together with the
// position of the current row. The vector is rebuilt lazily: after an insert, after
// an edit of a field of the selected order, after a change of order, and whenever
// PRAGMA data_version reports a commit by another connection (another table object
// or another process). Lookups run as SQL on the index and then locate the rowid.
//
// Read-only tables (installed data, or a file this process may not write) are opened
// "immutable": no lock, no side file, and the table object refuses every write; an
// index asked for that the file lacks is kept in memory (see addIndex).
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <variant>

#include "platform/Checked.h"
#include "platform/Errors.h"
#include "platform/JapaneseOrder.h"
#include "platform/Table.h"
#include "platform/Utf8.h"

namespace celmora::platform {

namespace {

namespace fs = std::filesystem;

constexpr int defaultBusyTimeoutMs = 2000;
constexpr int formatVersion = 1;
constexpr int smallIntMin = -32768;
constexpr int smallIntMax = 32767;

// All fixed SQL text of the engine.
namespace sql {
constexpr const char* createFields =
    "CREATE TABLE celmora_fields(position INTEGER PRIMARY KEY, name TEXT NOT NULL, type TEXT NOT NULL, "
    "size INTEGER NOT NULL, required INTEGER NOT NULL)";
constexpr const char* createMeta = "CREATE TABLE celmora_meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)";
constexpr const char* createIndexes =
    "CREATE TABLE celmora_indexes(name TEXT PRIMARY KEY COLLATE NOCASE, field TEXT NOT NULL)";
constexpr const char* insertField =
    "INSERT INTO celmora_fields(position, name, type, size, required) VALUES(?1, ?2, ?3, ?4, ?5)";
constexpr const char* selectFields = "SELECT name, type, size, required FROM celmora_fields ORDER BY position";
constexpr const char* selectMeta = "SELECT value FROM celmora_meta WHERE key = ?1";
constexpr const char* upsertMeta =
    "INSERT INTO celmora_meta(key, value) VALUES(?1, ?2) ON CONFLICT(key) DO UPDATE SET value = excluded.value";
constexpr const char* selectIndex = "SELECT name, field FROM celmora_indexes WHERE name = ?1";
constexpr const char* selectIndexNames = "SELECT name FROM celmora_indexes ORDER BY rowid";
constexpr const char* deleteIndex = "DELETE FROM celmora_indexes WHERE name = ?1";
constexpr const char* insertIndex = "INSERT INTO celmora_indexes(name, field) VALUES(?1, ?2)";
constexpr const char* sqliteIndexExists = "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1";
constexpr const char* dataVersion = "PRAGMA data_version";
constexpr const char* deleteRow = "DELETE FROM records WHERE rowid = ?1";
constexpr const char* primaryIndexName = "celmora_primary";
}  // namespace sql

using Value = std::variant<std::monostate, std::int64_t, std::string>;

// ---- text orders

int japaneseCollation(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return compareJapanese({static_cast<const char*>(a), static_cast<std::size_t>(lengthA)},
                           {static_cast<const char*>(b), static_cast<std::size_t>(lengthB)});
}

// On every connection, before its first statement: an index in the Japanese order can
// neither be read nor kept up to date by a connection that lacks the collation.
void registerCollations(sqlite3* db)
{
    sqlite3_create_collation_v2(db, japaneseCollationName, SQLITE_UTF8, nullptr, &japaneseCollation, nullptr);
}

const char* collationName(TextOrder order)
{
    return order == TextOrder::Japanese ? japaneseCollationName : "NOCASE";
}

TextOrder orderOfCollation(std::string_view name)
{
    return name == japaneseCollationName ? TextOrder::Japanese : TextOrder::NoCase;
}

std::string identifier(std::string_view identifier)
{
    std::string out = "\"";
    for (char c : identifier) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameAsciiNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

const char* typeName(FieldType type)
{
    switch (type) {
        case FieldType::Text:
            return "Text";
        case FieldType::Integer:
            return "Integer";
        case FieldType::SmallInt:
            return "SmallInt";
        case FieldType::AutoInc:
            return "AutoInc";
        case FieldType::Memo:
            return "Memo";
    }
    return "Text";
}

std::optional<FieldType> parseTypeName(std::string_view name)
{
    for (FieldType t :
         {FieldType::Text, FieldType::Integer, FieldType::SmallInt, FieldType::AutoInc, FieldType::Memo}) {
        if (name == typeName(t)) return t;
    }
    return std::nullopt;
}

bool isIntegerType(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::SmallInt || type == FieldType::AutoInc;
}

// "Tokyo.db" and "Tokyo" name the same table.
std::string tableNameOf(const std::string& name)
{
    if (name.size() > 3 && sameAsciiNoCase(std::string_view(name).substr(name.size() - 3), ".db")) {
        return name.substr(0, name.size() - 3);
    }
    return name;
}

// A name shown in a message: control characters (a NUL byte would end the text) as "?".
std::string shownName(std::string_view name)
{
    std::string out;
    for (char c : name) out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    return out;
}

bool hasControlCharacter(std::string_view name)
{
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// A table is one file in its folder: its name can hold no folder separator, cannot be
// "." or "..", and no control character (a NUL byte would cut the path short and
// another file would be opened). The Japanese message, or "" for a good name.
std::string tableNameProblem(const std::string& name)
{
    const std::string table = tableNameOf(name);
    if (table.empty()) return "テーブル名が空です。";
    if (hasControlCharacter(table)) return "テーブル名「" + shownName(table) + "」に使えない文字が含まれています。";
    if (table == "." || table == ".." || table.find('/') != std::string::npos) {
        return "テーブル名「" + table + "」は使えません（フォルダの区切りの「/」と「.」「..」は使えません）。";
    }
    return "";
}

void checkTableName(const std::string& name)
{
    if (const std::string problem = tableNameProblem(name); !problem.empty()) throw TableError(problem);
}

// The names under which SQLite also knows a row's own number: a field of that name
// would take the place of the row identity the cursor relies on.
bool isRowIdentityName(std::string_view name)
{
    return sameAsciiNoCase(name, "rowid") || sameAsciiNoCase(name, "oid") || sameAsciiNoCase(name, "_rowid_");
}

std::string normalFolder(const std::string& folder)
{
    std::string f = fs::path(folder).lexically_normal().string();
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    return f;
}

std::string tablePath(const std::string& folder, const std::string& name)
{
    return normalFolder(folder) + "/" + tableNameOf(name) + ".db";
}

// Percent-encodes the characters that end or escape a path inside an SQLite URI.
std::string uriPath(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == '?' || c == '#' || c == '%') {
            static constexpr char hex[] = "0123456789ABCDEF";
            out += '%';
            out += hex[(static_cast<unsigned char>(c) >> 4) & 0xF];
            out += hex[static_cast<unsigned char>(c) & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

// The table's identity in every message, and the translation of SQLite result codes
// into messages a user can act on.
struct Context {
    std::string name;
    std::string folder;
    sqlite3* db = nullptr;

    [[noreturn]] void fail(int rc) const
    {
        const int primary = rc & 0xFF;
        const std::string t = "テーブル「" + name + "」";
        switch (primary) {
            case SQLITE_BUSY:
            case SQLITE_LOCKED:
                throw TableError(t + "は他のプログラムが使用中です。しばらくしてからもう一度お試しください。");
            case SQLITE_CORRUPT:
            case SQLITE_NOTADB:
                throw TableError(t + "のファイルが壊れているか、テーブルのファイルではありません（フォルダ「" + folder +
                                 "」）。");
            case SQLITE_FULL:
                throw TableError("ディスクの空きが足りないため、" + t + "に書き込めません。");
            case SQLITE_READONLY:
                throw TableError(t + "は読み取り専用のため、書き込めません。");
            case SQLITE_CANTOPEN:
                throw TableError(t + "をフォルダ「" + folder + "」で開けません。");
            default:
                break;
        }
        const std::string detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        throw TableError(t + "の読み書きに失敗しました（" + detail + "）。");
    }
};

class Statement {
public:
    Statement(const Context& context, const std::string& text) : context_(&context)
    {
        const int rc = sqlite3_prepare_v3(context.db, text.c_str(), static_cast<int>(text.size()),
                                          SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
        if (rc != SQLITE_OK) context.fail(rc);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt_); }

    Statement& reset()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        return *this;
    }
    Statement& bind(int index, const Value& value)
    {
        int rc = SQLITE_OK;
        if (const auto* i = std::get_if<std::int64_t>(&value)) {
            rc = sqlite3_bind_int64(stmt_, index, *i);
        } else if (const auto* s = std::get_if<std::string>(&value)) {
            rc = sqlite3_bind_text(stmt_, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
        } else {
            rc = sqlite3_bind_null(stmt_, index);
        }
        if (rc != SQLITE_OK) context_->fail(rc);
        return *this;
    }
    Statement& bind(int index, const std::string& text) { return bind(index, Value(text)); }
    Statement& bind(int index, std::int64_t number) { return bind(index, Value(number)); }

    // True while there is a row; false when done. Errors throw TableError.
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        sqlite3_reset(stmt_);
        context_->fail(rc);
    }
    // Runs to completion and returns the extended result code instead of throwing,
    // for the callers that turn a constraint into their own message.
    int run()
    {
        int rc = SQLITE_ROW;
        while (rc == SQLITE_ROW) rc = sqlite3_step(stmt_);
        const int extended = rc == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(context_->db);
        sqlite3_reset(stmt_);
        return extended;
    }

    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string text(int column) const
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return p == nullptr ? std::string()
                            : std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
    }
    Value value(int column) const
    {
        switch (sqlite3_column_type(stmt_, column)) {
            case SQLITE_NULL:
                return std::monostate{};
            case SQLITE_INTEGER:
                return integer(column);
            default:
                return text(column);
        }
    }

private:
    const Context* context_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A stored value as a message may show it: at most 20 characters, invalid UTF-8
// replaced, control characters as "?".
std::string echoValue(const std::string& value)
{
    std::string out;
    std::size_t count = 0;
    for (std::size_t i = 0; i < value.size() && count < 20; ++count) {
        const std::size_t start = i;
        const char32_t cp = utf8::next(value, i);
        if (cp == 0xFFFD || cp < 0x20 || cp == 0x7F) {
            out += '?';
        } else {
            out.append(value, start, i - start);
        }
    }
    if (count == 20 && out.size() < value.size()) out += "…";
    return out;
}

std::string textOf(sqlite3* db, const char* query)
{
    sqlite3_stmt* s = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, query, -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW) {
        if (const auto* p = sqlite3_column_text(s, 0)) out = reinterpret_cast<const char*>(p);
    }
    sqlite3_finalize(s);
    return out;
}

void exec(const Context& context, const char* text)
{
    const int rc = sqlite3_exec(context.db, text, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) context.fail(rc);
}

// BEGIN IMMEDIATE takes the write lock up front (waiting up to the busy timeout), so a
// post never fails half-way for want of a lock. Rolled back unless committed.
class Transaction {
public:
    enum Kind { Write, Read };
    // A read transaction only groups several reads under one snapshot and one lock.
    explicit Transaction(const Context& context, Kind kind = Write) : context_(context)
    {
        exec(context_, kind == Write ? "BEGIN IMMEDIATE" : "BEGIN");
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction()
    {
        if (!done_) sqlite3_exec(context_.db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void commit()
    {
        exec(context_, "COMMIT");
        done_ = true;
    }

private:
    const Context& context_;
    bool done_ = false;
};

void closeConnection(sqlite3* db)
{
    if (db != nullptr) sqlite3_close_v2(db);
}

// A file as the file system knows it. An open connection keeps its file open, so
// while it lives no other file can get the same device and inode: equal identities
// mean the very same file, even across a delete and re-create of the path.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;

    static std::optional<FileIdentity> of(const std::string& path)
    {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) return std::nullopt;
        return FileIdentity{info.st_dev, info.st_ino};
    }
};

// Closed tables hand their connection back here, and opening the same file again
// takes it instead of opening the file anew. Opening a WAL database costs dozens of
// system calls (locks, the shared-memory index, the log file created and deleted
// again on the last close), and some commands reopen the same year table many
// times.
//
// A connection serves only the file it was opened on: it is kept, and later taken,
// only while the path still names that file (another process or create() may have
// replaced it).
class ConnectionPool {
public:
    struct Taken {
        sqlite3* db = nullptr;
        std::optional<FileIdentity> file;
    };

    ConnectionPool() = default;
    ConnectionPool(const ConnectionPool&) = delete;
    ConnectionPool& operator=(const ConnectionPool&) = delete;
    ~ConnectionPool() { purge(""); }

    Taken take(const std::string& path, bool readOnly)
    {
        const auto current = FileIdentity::of(path);
        for (auto it = idle_.begin(); it != idle_.end(); ++it) {
            if (it->path != path) continue;
            Taken taken{it->db, it->file};
            const bool sameMode = it->readOnly == readOnly;
            idle_.erase(it);
            if (current == taken.file && sameMode) return taken;
            closeConnection(taken.db);
            return {};
        }
        return {};
    }

    void put(const std::string& path, bool readOnly, sqlite3* db, const std::optional<FileIdentity>& file)
    {
        if (!file || FileIdentity::of(path) != file || !sqlite3_get_autocommit(db)) {
            closeConnection(db);
            return;
        }
        // What was committed goes into the main file now, as a close would do: a
        // finished table file is complete on its own even while the log file stays
        // (a data builder's output is copied without it). Passive: never waits.
        if (!readOnly) sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        if (idle_.size() >= capacity) {
            closeConnection(idle_.front().db);
            idle_.erase(idle_.begin());
        }
        idle_.push_back({path, readOnly, *file, db});
    }

    // Closes the idle connections to `path` ("" for all), before the file goes.
    void purge(const std::string& path) { purgeWhere(path, false); }

    // Closes the idle read-only connections to `path`, before it is opened for writing:
    // a read-only connection never looks for changes (see openReadOnly), so after a
    // write in this process it would serve the old rows.
    void purgeReadOnly(const std::string& path) { purgeWhere(path, true); }

private:
    static constexpr std::size_t capacity = 16;

    struct Idle {
        std::string path;
        bool readOnly;
        FileIdentity file;
        sqlite3* db;
    };

    void purgeWhere(const std::string& path, bool readOnlyOnly)
    {
        for (auto it = idle_.begin(); it != idle_.end();) {
            if ((path.empty() || it->path == path) && (!readOnlyOnly || it->readOnly)) {
                closeConnection(it->db);
                it = idle_.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::vector<Idle> idle_;
};

struct Connection {
    sqlite3* db = nullptr;
    bool readOnly = false;
    std::shared_ptr<ConnectionPool> pool;  // null: close on destruction
    std::string path;
    std::optional<FileIdentity> file;  // the file `db` was opened on
};

enum class Mode { Browse, Insert, Edit };

class SqliteTable final : public Table {
public:
    SqliteTable(Connection connection, std::string name, std::string folder)
        : readOnly_(connection.readOnly),
          pool_(std::move(connection.pool)),
          path_(std::move(connection.path)),
          file_(connection.file)
    {
        context_.db = connection.db;
        context_.name = std::move(name);
        context_.folder = std::move(folder);
        try {
            loadDefinition();
        } catch (...) {
            statements_.clear();
            closeConnection(context_.db);
            throw;
        }
    }

    ~SqliteTable() override
    {
        // An unposted edit is dropped, as when a table is closed: a destructor cannot
        // report a refused value.
        statements_.clear();
        if (pool_) {
            pool_->put(path_, readOnly_, context_.db, file_);
        } else {
            closeConnection(context_.db);
        }
    }

    const std::string& name() const override { return context_.name; }
    const std::vector<FieldDef>& fields() const override { return fields_; }
    bool hasField(std::string_view field) const override { return findField(field).has_value(); }

    // ---- indexes

    void addIndex(const std::string& indexName, const std::string& field, TextOrder order) override
    {
        if (indexName.empty()) throw TableError(tableText() + "のインデックス名が空です。");
        if (hasControlCharacter(indexName)) {
            throw TableError(tableText() + "のインデックス名「" + shownName(indexName) +
                             "」に使えない文字が含まれています。");
        }
        const std::size_t f = fieldIndex(field);
        const std::string& fieldName = fields_[f].name;

        if (readOnly_) {
            // Nothing is written: the index the data builder stored is used as it is;
            // any other order is kept by this table object only (ORDER BY without a
            // stored index: a sort, fine for the table sizes here).
            std::erase_if(sessionIndexes_, [&](const auto& entry) { return sameAsciiNoCase(entry.first, indexName); });
            std::erase_if(sessionOrders_, [&](const auto& entry) { return sameAsciiNoCase(entry.first, indexName); });
            if (auto stored = storedIndex(indexName);
                !stored || stored->second != fieldName || storedOrder(stored->first) != order) {
                sessionIndexes_[indexName] = fieldName;
                sessionOrders_[indexName] = order;
            }
            if (sameAsciiNoCase(selected_, indexName)) {
                selectedField_ = f;
                selectedOrder_ = order;
                invalidateOrder();
            }
            return;
        }
        // Re-creating an index with the same definition would build the same b-tree
        // again; the screens add their indexes on every opening, so skip that work.
        if (auto existing = storedIndex(indexName); existing && existing->second == fieldName) {
            if (sqliteIndexExists(existing->first) && storedOrder(existing->first) == order) return;
        }
        leaveEditing();
        refuseWhileReading();
        Transaction tx(context_);
        if (auto existing = storedIndex(indexName)) {
            exec(context_, ("DROP INDEX IF EXISTS " + identifier("ix:" + existing->first)).c_str());
            statement(sql::deleteIndex).reset().bind(1, existing->first).step();
        }
        exec(context_, ("CREATE INDEX " + identifier("ix:" + indexName) + " ON records(" + identifier(fieldName) +
                        " COLLATE " + collationName(order) + ")")
                           .c_str());
        statement(sql::insertIndex).reset().bind(1, indexName).bind(2, fieldName).step();
        tx.commit();
        if (sameAsciiNoCase(selected_, indexName)) {
            selectedField_ = f;
            selectedOrder_ = order;
            invalidateOrder();
        }
    }

    void selectIndex(const std::string& indexName) override
    {
        leaveEditing();
        if (indexName.empty()) {
            selected_.clear();
            selectedField_.reset();
            selectedOrder_ = TextOrder::NoCase;
        } else {
            std::optional<std::pair<std::string, std::string>> found;
            TextOrder order = TextOrder::NoCase;
            for (const auto& [name, field] : sessionIndexes_) {
                if (sameAsciiNoCase(name, indexName)) {
                    found = std::make_pair(name, field);
                    order = sessionOrders_.at(name);
                }
            }
            if (!found) {
                found = storedIndex(indexName);
                if (found) order = storedOrder(found->first);
            }
            if (!found) throw TableError(tableText() + "にインデックス「" + indexName + "」がありません。");
            selected_ = found->first;
            selectedField_ = fieldIndex(found->second);
            selectedOrder_ = order;
        }
        invalidateOrder();
    }

    std::string selectedIndex() const override { return selected_; }

    std::vector<std::string> indexNames() const override
    {
        std::vector<std::string> names;
        Statement& s = statement(sql::selectIndexNames).reset();
        while (s.step()) names.push_back(s.text(0));
        for (const auto& entry : sessionIndexes_) {
            if (std::none_of(names.begin(), names.end(),
                             [&](const std::string& n) { return sameAsciiNoCase(n, entry.first); })) {
                names.push_back(entry.first);
            }
        }
        return names;
    }

    // ---- navigation

    bool first() override { return moveToPosition(Where::First); }
    bool last() override { return moveToPosition(Where::Last); }

    bool next() override
    {
        leaveEditing();
        refresh();
        if (order_.empty()) return runOff(true, true);
        if (pos_ + 1 >= order_.size()) return runOff(true, false);
        setPosition(pos_ + 1);
        return true;
    }

    bool prior() override
    {
        leaveEditing();
        refresh();
        if (order_.empty()) return runOff(true, true);
        if (pos_ == 0) return runOff(false, true);
        setPosition(pos_ - 1);
        return true;
    }

    bool eof() const override { return eof_; }
    bool bof() const override { return bof_; }
    bool isEmpty() const override { return recordCount() == 0; }

    int recordCount() const override
    {
        refresh();
        return static_cast<int>(order_.size());
    }

    int recordNumber() const override
    {
        refresh();
        return current_ ? static_cast<int>(pos_) + 1 : 0;
    }

    bool moveTo(int recordNumber) override
    {
        leaveEditing();
        refresh();
        if (order_.empty()) return runOff(true, true);
        const int clamped = std::clamp(recordNumber, 1, static_cast<int>(order_.size()));
        setPosition(static_cast<std::size_t>(clamped - 1));
        return true;
    }

    // ---- lookups

    bool findKey(const std::vector<std::string>& key) override
    {
        leaveEditing();
        checkVersion();
        const std::vector<std::size_t> keyFields = lookupFields(key);
        std::vector<Value> values;
        for (std::size_t i = 0; i < key.size(); ++i) {
            auto v = keyValue(keyFields[i], key[i]);
            if (!v) return false;  // an empty key on a number field matches no row
            values.push_back(std::move(*v));
        }
        std::string where;
        for (std::size_t i = 0; i < keyFields.size(); ++i) {
            if (i > 0) where += " AND ";
            where += collated(keyFields[i]) + " = ?" + std::to_string(i + 1);
        }
        const auto rowid = lookup(where, values);
        if (!rowid) return false;
        return goToRowid(*rowid);
    }

    bool findNearest(const std::vector<std::string>& key) override
    {
        leaveEditing();
        refresh();
        const std::vector<std::size_t> keyFields = lookupFields(key);
        if (order_.empty()) return runOff(true, true);
        std::vector<Value> values;
        for (std::size_t i = 0; i < key.size(); ++i) {
            // An empty key on a number field is smaller than every number.
            values.push_back(keyValue(keyFields[i], key[i]).value_or(Value(std::int64_t{INT64_MIN})));
        }
        // Lexicographic "row key >= given key" over the given leading fields:
        // k1 > v1 OR (k1 = v1 AND k2 > v2) OR ... OR (k1 = v1 AND ... AND kn >= vn).
        std::string where;
        for (std::size_t j = 0; j < keyFields.size(); ++j) {
            if (j > 0) where += " OR ";
            where += "(";
            for (std::size_t i = 0; i < j; ++i) {
                where += collated(keyFields[i]) + " = ?" + std::to_string(i + 1) + " AND ";
            }
            where += collated(keyFields[j]) + (j + 1 == keyFields.size() ? " >=" : " >") + " ?" +
                     std::to_string(j + 1) + ")";
        }
        if (const auto rowid = lookup(where, values); rowid && goToRowid(*rowid)) return true;
        setPosition(order_.size() - 1);
        return true;
    }

    // ---- editing

    void append() override
    {
        leaveEditing();
        if (readOnly_) failReadOnly();
        refuseWhileReading();
        buffer_.assign(fields_.size(), std::monostate{});
        dirty_.assign(fields_.size(), false);
        mode_ = Mode::Insert;
    }

    void edit() override
    {
        if (mode_ != Mode::Browse) return;
        if (readOnly_) failReadOnly();
        refuseWhileReading();
        refresh();
        // Editing an empty table starts a new row, as a bound form does.
        if (!current_) {
            append();
            return;
        }
        loadRow();
        buffer_ = row_;
        dirty_.assign(fields_.size(), false);
        editRowid_ = *current_;
        mode_ = Mode::Edit;
    }

    void post() override
    {
        if (mode_ == Mode::Browse) return;
        if (readOnly_) failReadOnly();
        validate(buffer_, mode_ == Mode::Insert);

        if (mode_ == Mode::Edit) {
            if (std::none_of(dirty_.begin(), dirty_.end(), [](bool d) { return d; })) {
                mode_ = Mode::Browse;
                return;
            }
            Transaction tx(context_);
            std::string text = "UPDATE records SET ";
            std::vector<Value> values;
            bool orderChanged = false;
            for (std::size_t f = 0; f < fields_.size(); ++f) {
                if (!dirty_[f]) continue;
                if (!values.empty()) text += ", ";
                text += identifier(fields_[f].name) + " = ?" + std::to_string(values.size() + 1);
                values.push_back(buffer_[f]);
                orderChanged = orderChanged || isOrderField(f);
            }
            text += " WHERE rowid = ?" + std::to_string(values.size() + 1);
            Statement update(context_, text);
            for (std::size_t i = 0; i < values.size(); ++i) update.bind(static_cast<int>(i + 1), values[i]);
            update.bind(static_cast<int>(values.size() + 1), editRowid_);
            checkWrite(update.run(), buffer_);
            if (sqlite3_changes(context_.db) == 0) {
                throw TableError(tableText() + "のこのレコードは、他のプログラムによって削除されています。");
            }
            tx.commit();
            if (orderChanged) invalidateOrder();
        } else {
            Transaction tx(context_);
            std::vector<Value> row = buffer_;
            assignAutoIncrements(row);
            Statement& insert = insertStatement();
            insert.reset();
            for (std::size_t f = 0; f < fields_.size(); ++f) insert.bind(static_cast<int>(f + 1), row[f]);
            checkWrite(insert.run(), row);
            const std::int64_t rowid = sqlite3_last_insert_rowid(context_.db);
            tx.commit();
            current_ = rowid;
            placed_ = true;
            invalidateOrder();
        }
        mode_ = Mode::Browse;
        rowValid_ = false;
        eof_ = bof_ = false;
    }

    void cancel() override
    {
        mode_ = Mode::Browse;
        buffer_.clear();
        dirty_.clear();
    }

    bool isEditing() const override { return mode_ != Mode::Browse; }

    void deleteRecord() override
    {
        if (mode_ == Mode::Insert) {
            cancel();  // the unposted row is simply dropped
            return;
        }
        cancel();
        refresh();
        if (!current_) throw TableError(tableText() + "にはレコードがありません。");
        if (readOnly_) failReadOnly();
        refuseWhileReading();
        {
            Transaction tx(context_);
            statement(sql::deleteRow).reset().bind(1, *current_).step();
            tx.commit();
        }
        // Removing one rowid keeps the rest of the order valid.
        order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(pos_));
        rowValid_ = false;
        if (order_.empty()) {
            current_.reset();
            pos_ = 0;
            eof_ = bof_ = true;
            return;
        }
        setPosition(std::min(pos_, order_.size() - 1));
    }

    // ---- field access

    std::string text(std::string_view field) const override
    {
        const std::size_t f = fieldIndex(field);
        const Value& v = currentValue(f);
        if (const auto* i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
        if (const auto* s = std::get_if<std::string>(&v)) return *s;
        return "";
    }

    int integer(std::string_view field) const override
    {
        const std::size_t f = fieldIndex(field);
        const Value& v = currentValue(f);
        if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<int>(*i);
        if (const auto* s = std::get_if<std::string>(&v)) {
            if (s->find_first_not_of(" \t") == std::string::npos) return 0;
            try {
                return toInt(*s);
            } catch (const CommandError&) {
                // A damaged or hand-edited file: name the table, the row and the field, and
                // never echo more than a short, valid piece of the value.
                throw TableError(tableText() + "の " + std::to_string(recordNumber()) + " 行目、フィールド「" +
                                 fields_[f].name + "」の値「" + echoValue(*s) + "」は整数ではありません。");
            }
        }
        return 0;
    }

    bool isNull(std::string_view field) const override
    {
        return std::holds_alternative<std::monostate>(currentValue(fieldIndex(field)));
    }

    void setText(std::string_view field, std::string_view value) override
    {
        const std::size_t f = fieldIndex(field);
        requireEditing();
        setBuffer(f, convertText(f, value));
    }

    void setInteger(std::string_view field, int value) override
    {
        const std::size_t f = fieldIndex(field);
        requireEditing();
        if (isIntegerType(fields_[f].type)) {
            setBuffer(f, static_cast<std::int64_t>(value));
        } else {
            setBuffer(f, std::to_string(value));
        }
    }

    void setNull(std::string_view field) override
    {
        const std::size_t f = fieldIndex(field);
        requireEditing();
        setBuffer(f, std::monostate{});
    }

    void beginReading() override
    {
        if (readingDepth_ == 0) {
            leaveEditing();
            exec(context_, "BEGIN");
            checkVersion();  // the snapshot is taken here, at its first read
        }
        ++readingDepth_;
    }

    void endReading() override
    {
        if (readingDepth_ == 0) return;
        // Nothing was written inside the pass, so ending it cannot fail for a lock.
        if (--readingDepth_ == 0) sqlite3_exec(context_.db, "COMMIT", nullptr, nullptr, nullptr);
    }

    void disableControls() override { ++disabledCount_; }
    void enableControls() override
    {
        if (disabledCount_ > 0) --disabledCount_;
    }
    bool controlsDisabled() const override { return disabledCount_ > 0; }

    // ---- batch writing

    void insertRows(const std::vector<std::vector<std::string>>& rows)
    {
        leaveEditing();
        if (readOnly_) failReadOnly();
        refuseWhileReading();
        std::vector<std::vector<Value>> converted;
        converted.reserve(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].size() > fields_.size()) {
                throw TableError(tableText() + "への一括書き込みの" + std::to_string(r + 1) + "行目は値が" +
                                 std::to_string(rows[r].size()) + "個あり、フィールドの数（" +
                                 std::to_string(fields_.size()) + "）より多すぎます。");
            }
            std::vector<Value> row(fields_.size(), std::monostate{});
            for (std::size_t f = 0; f < rows[r].size(); ++f) row[f] = convertText(f, rows[r][f]);
            validate(row, true);
            converted.push_back(std::move(row));
        }
        if (converted.empty()) return;

        Transaction tx(context_);
        Statement& insert = insertStatement();
        std::int64_t lastRowid = 0;
        std::map<std::size_t, std::int64_t> lastNumbers;
        for (auto& row : converted) {
            assignAutoIncrements(row, &lastNumbers);
            insert.reset();
            for (std::size_t f = 0; f < fields_.size(); ++f) insert.bind(static_cast<int>(f + 1), row[f]);
            checkWrite(insert.run(), row);
            lastRowid = sqlite3_last_insert_rowid(context_.db);
        }
        for (const auto& [f, last] : lastNumbers) setMeta("autoinc:" + fields_[f].name, std::to_string(last));
        tx.commit();
        current_ = lastRowid;
        placed_ = true;
        invalidateOrder();
        rowValid_ = false;
        eof_ = bof_ = false;
    }

    void sealForInstallation()
    {
        leaveEditing();
        if (readOnly_) failReadOnly();
        // Leaving WAL checkpoints the log into the file and deletes it; from then on the
        // file header says "rollback journal", which a reader needs no side file for.
        // A table of the memory engine has no file and stays as it is.
        const std::string mode = textOf(context_.db, "PRAGMA journal_mode=DELETE");
        if (!sameAsciiNoCase(mode, "delete") && !sameAsciiNoCase(mode, "memory")) {
            // WAL stays while another connection has the file open.
            throw TableError(tableText() + "のファイルを単独のファイルにまとめられません（ジャーナル「" + mode +
                             "」のまま）。他のプログラムが使用していないか確認してください。");
        }
    }

private:
    enum class Where { First, Last };

    std::string tableText() const { return "テーブル「" + context_.name + "」"; }

    [[noreturn]] void failReadOnly() const
    {
        throw TableError(tableText() +
                         "は読み取り専用のため、書き込めません（プログラムと一緒にインストールされたデータか、"
                         "書き込めないフォルダにあるテーブルです）。");
    }

    void refuseWhileReading() const
    {
        if (readingDepth_ > 0) throw TableError(tableText() + "は読み取りの途中のため、書き込めません。");
    }

    Statement& statement(const std::string& text) const
    {
        auto it = statements_.find(text);
        if (it == statements_.end()) {
            it = statements_.emplace(text, std::make_unique<Statement>(context_, text)).first;
        }
        return *it->second;
    }

    void loadDefinition()
    {
        Transaction snapshot(context_, Transaction::Read);
        std::vector<FieldDef> fields;
        try {
            Statement& s = statement(sql::selectFields).reset();
            while (s.step()) {
                const auto type = parseTypeName(s.text(1));
                if (!type) context_.fail(SQLITE_CORRUPT);
                fields.push_back(FieldDef{s.text(0), *type, static_cast<int>(s.integer(2)), s.integer(3) != 0});
            }
        } catch (const TableError&) {
            // A database without our metadata is not a table of this program.
            const int code = sqlite3_extended_errcode(context_.db) & 0xFF;
            if (code == SQLITE_BUSY || code == SQLITE_LOCKED) throw;
            context_.fail(SQLITE_NOTADB);
        }
        if (fields.empty()) context_.fail(SQLITE_NOTADB);
        fields_ = std::move(fields);
        const std::int64_t keyCount = metaNumber("primaryKeyFields");
        if (keyCount < 0 || keyCount > static_cast<std::int64_t>(fields_.size())) context_.fail(SQLITE_CORRUPT);
        primaryKeyFields_ = static_cast<std::size_t>(keyCount);
        // The row list is read on first use, not here: a table opened for key lookups
        // (a year of the ephemeris, a house table) never needs all of it.
        snapshot.commit();
    }

    std::optional<std::string> meta(const std::string& key) const
    {
        Statement& s = statement(sql::selectMeta).reset().bind(1, key);
        if (!s.step()) return std::nullopt;
        std::string value = s.text(0);
        s.reset();
        return value;
    }

    std::int64_t metaNumber(const std::string& key) const
    {
        const std::string text = meta(key).value_or("0");
        std::size_t used = 0;
        std::int64_t value = 0;
        try {
            value = std::stoll(text, &used);
        } catch (const std::logic_error&) {
            context_.fail(SQLITE_CORRUPT);
        }
        if (used != text.size()) context_.fail(SQLITE_CORRUPT);
        return value;
    }

    void setMeta(const std::string& key, const std::string& value)
    {
        statement(sql::upsertMeta).reset().bind(1, key).bind(2, value).step();
    }

    std::optional<std::pair<std::string, std::string>> storedIndex(const std::string& indexName) const
    {
        Statement& s = statement(sql::selectIndex).reset().bind(1, indexName);
        if (!s.step()) return std::nullopt;
        auto found = std::make_pair(s.text(0), s.text(1));
        s.reset();
        return found;
    }

    // The order a stored index was built in, read from the index itself.
    TextOrder storedOrder(const std::string& indexName) const
    {
        Statement& s = statement("PRAGMA index_xinfo(" + identifier("ix:" + indexName) + ")").reset();
        std::string collation;
        if (s.step()) collation = s.text(4);  // the first key column
        s.reset();
        return orderOfCollation(collation);
    }

    bool sqliteIndexExists(const std::string& indexName) const
    {
        Statement& s = statement(sql::sqliteIndexExists).reset().bind(1, "ix:" + indexName);
        const bool exists = s.step();
        s.reset();
        return exists;
    }

    std::optional<std::size_t> findField(std::string_view field) const
    {
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            if (fields_[f].name == field) return f;
        }
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            if (sameAsciiNoCase(fields_[f].name, field)) return f;
        }
        return std::nullopt;
    }

    std::size_t fieldIndex(std::string_view field) const
    {
        if (auto f = findField(field)) return *f;
        throw TableError(tableText() + "にフィールド「" + std::string(field) + "」がありません。");
    }

    // The fields of the selected order, most significant first.
    std::vector<std::size_t> orderFields() const
    {
        if (selectedField_) return {*selectedField_};
        std::vector<std::size_t> keys(primaryKeyFields_);
        for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = i;
        return keys;
    }

    bool isOrderField(std::size_t f) const
    {
        const auto keys = orderFields();
        return std::find(keys.begin(), keys.end(), f) != keys.end();
    }

    std::string orderBy() const
    {
        std::string terms;
        for (std::size_t f : orderFields()) terms += collated(f) + ", ";
        return " ORDER BY " + terms + "rowid";
    }

    // A field of the selected order as its index compares it.
    std::string collated(std::size_t f) const
    {
        const TextOrder order = selectedField_ == f ? selectedOrder_ : TextOrder::NoCase;
        return identifier(fields_[f].name) + " COLLATE " + collationName(order);
    }

    // ---- cursor state

    void invalidateOrder() const { orderValid_ = false; }

    // Another connection's commit (data_version) makes the row list and the row stale.
    void checkVersion() const
    {
        Statement& version = statement(sql::dataVersion).reset();
        version.step();
        const std::int64_t v = version.integer(0);
        version.reset();
        if (v != dataVersion_) {
            dataVersion_ = v;
            orderValid_ = false;
            rowValid_ = false;
        }
    }

    // Brings the row list up to date: another connection's commit (data_version) or
    // our own change of order makes it reload; the cursor stays on its row, or on the
    // row that took its place when that row is gone.
    void refresh() const
    {
        checkVersion();
        placed_ = true;
        if (orderValid_) return;

        order_.clear();
        Statement& s = statement("SELECT rowid FROM records" + orderBy()).reset();
        while (s.step()) order_.push_back(s.integer(0));
        orderValid_ = true;
        if (order_.empty()) {
            current_.reset();
            pos_ = 0;
            return;
        }
        if (current_) {
            const auto it = std::find(order_.begin(), order_.end(), *current_);
            if (it != order_.end()) {
                pos_ = static_cast<std::size_t>(it - order_.begin());
                return;
            }
            rowValid_ = false;
        }
        pos_ = std::min(pos_, order_.size() - 1);
        current_ = order_[pos_];
    }

    void setPosition(std::size_t pos)
    {
        pos_ = pos;
        if (!current_ || *current_ != order_[pos]) rowValid_ = false;
        current_ = order_[pos];
        eof_ = bof_ = false;
    }

    bool runOff(bool atEnd, bool atStart)
    {
        if (atEnd) eof_ = true;
        if (atStart) bof_ = true;
        return false;
    }

    bool moveToPosition(Where where)
    {
        leaveEditing();
        refresh();
        if (order_.empty()) return runOff(true, true);
        setPosition(where == Where::First ? 0 : order_.size() - 1);
        return true;
    }

    bool goToRowid(std::int64_t rowid)
    {
        if (!orderValid_) {
            // The row exists (a lookup has just found it). Its position is found when the
            // order is next read, as after an insert, so a lookup reads one row, not the
            // whole order.
            if (current_ != rowid) rowValid_ = false;
            current_ = rowid;
            placed_ = true;
            eof_ = bof_ = false;
            return true;
        }
        const auto it = std::find(order_.begin(), order_.end(), rowid);
        if (it == order_.end()) return false;
        setPosition(static_cast<std::size_t>(it - order_.begin()));
        return true;
    }

    void loadRow() const
    {
        if (rowValid_) return;
        row_.assign(fields_.size(), std::monostate{});
        if (current_) {
            std::string columns;
            for (const FieldDef& f : fields_) columns += (columns.empty() ? "" : ", ") + identifier(f.name);
            Statement& s = statement("SELECT " + columns + " FROM records WHERE rowid = ?1").reset().bind(1, *current_);
            if (s.step()) {
                for (std::size_t f = 0; f < fields_.size(); ++f) row_[f] = s.value(static_cast<int>(f));
            }
            s.reset();
        }
        rowValid_ = true;
    }

    const Value& currentValue(std::size_t f) const
    {
        if (mode_ != Mode::Browse) return buffer_[f];
        // A table just opened reads its first row, as it did when the order was read at
        // opening.
        if (!placed_) refresh();
        loadRow();
        return row_[f];
    }

    // ---- editing helpers

    // Leaving a row posts what was typed; a row that was never touched is dropped, as
    // a bound form does (an empty new row is not saved just by moving away).
    void leaveEditing()
    {
        if (mode_ == Mode::Browse) return;
        if (std::any_of(dirty_.begin(), dirty_.end(), [](bool d) { return d; })) {
            post();
        } else {
            cancel();
        }
    }

    void requireEditing() const
    {
        if (mode_ == Mode::Browse) {
            throw TableError(tableText() + "は編集中ではありません。編集を始めてから値を設定してください。");
        }
    }

    void setBuffer(std::size_t f, Value value)
    {
        buffer_[f] = std::move(value);
        dirty_[f] = true;
    }

    Value convertText(std::size_t f, std::string_view value) const
    {
        const FieldDef& field = fields_[f];
        if (!isIntegerType(field.type)) return std::string(value);
        if (value.find_first_not_of(" \t") == std::string_view::npos) return std::monostate{};
        try {
            return static_cast<std::int64_t>(toInt(value));
        } catch (const CommandError&) {
            throw TableError(tableText() + "のフィールド「" + field.name + "」には整数を入力してください（「" +
                             std::string(value) + "」）。");
        }
    }

    std::string fieldText(std::size_t f) const { return tableText() + "のフィールド「" + fields_[f].name + "」"; }

    void validate(const std::vector<Value>& row, bool inserting) const
    {
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            const FieldDef& field = fields_[f];
            const Value& v = row[f];
            const auto* s = std::get_if<std::string>(&v);
            const auto* i = std::get_if<std::int64_t>(&v);
            const bool empty = std::holds_alternative<std::monostate>(v) || (s != nullptr && s->empty());
            if (field.required && empty && !(inserting && field.type == FieldType::AutoInc)) {
                throw TableError(fieldText(f) + "は入力が必要です。");
            }
            if (field.type == FieldType::Text && s != nullptr && field.size > 0) {
                const std::size_t length = utf8::codePointCount(*s);
                if (length > static_cast<std::size_t>(field.size)) {
                    throw TableError(fieldText(f) + "には" + std::to_string(field.size) + "文字までしか入りません（" +
                                     std::to_string(length) + "文字の「" + *s + "」）。");
                }
            }
            if (field.type == FieldType::SmallInt && i != nullptr && (*i < smallIntMin || *i > smallIntMax)) {
                throw TableError(fieldText(f) + "の値 " + std::to_string(*i) + " が範囲（" +
                                 std::to_string(smallIntMin) + "～" + std::to_string(smallIntMax) + "）の外です。");
            }
            if (isIntegerType(field.type) && i != nullptr && (*i < INT_MIN || *i > INT_MAX)) {
                throw TableError(fieldText(f) + "の値 " + std::to_string(*i) + " が整数の範囲の外です。");
            }
        }
    }

    // Numbers of auto-increment fields: the larger of the last number ever given (kept
    // in the file, so a deleted last row's number is not given again) and the largest
    // in the table, plus one. Runs inside the caller's transaction.
    // `known`, when given, carries the last numbers of a batch from row to row: the
    // table's largest number is read once per batch, not once per row (a 100,000-row
    // import would otherwise scan the table 100,000 times).
    void assignAutoIncrements(std::vector<Value>& row, std::map<std::size_t, std::int64_t>* known = nullptr)
    {
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            if (fields_[f].type != FieldType::AutoInc) continue;
            const std::string key = "autoinc:" + fields_[f].name;
            std::int64_t last = 0;
            if (known != nullptr && known->count(f) != 0) {
                last = known->at(f);
            } else {
                last = metaNumber(key);
                Statement& s = statement("SELECT max(" + identifier(fields_[f].name) + ") FROM records").reset();
                if (s.step()) last = std::max(last, s.integer(0));
                s.reset();
            }
            if (const auto* given = std::get_if<std::int64_t>(&row[f])) {
                last = std::max(last, *given);
            } else {
                if (last >= INT_MAX) throw TableError(fieldText(f) + "の番号が上限に達しました。");
                row[f] = ++last;
            }
            if (known != nullptr) {
                (*known)[f] = last;
            } else {
                setMeta(key, std::to_string(last));
            }
        }
    }

    Statement& insertStatement() const
    {
        std::string columns, params;
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            columns += (f ? ", " : "") + identifier(fields_[f].name);
            params += (f ? ", ?" : "?") + std::to_string(f + 1);
        }
        return statement("INSERT INTO records(" + columns + ") VALUES(" + params + ")");
    }

    // A unique-index refusal becomes the duplicate-key message; anything else the
    // general translation.
    void checkWrite(int rc, const std::vector<Value>& row) const
    {
        if (rc == SQLITE_OK) return;
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
            std::string key;
            for (std::size_t f = 0; f < primaryKeyFields_; ++f) {
                if (!key.empty()) key += ", ";
                const Value& v = row[f];
                key += fields_[f].name + "=";
                if (const auto* i = std::get_if<std::int64_t>(&v)) key += std::to_string(*i);
                if (const auto* s = std::get_if<std::string>(&v)) key += *s;
            }
            throw TableError(tableText() + "には同じキー（" + key + "）のレコードがすでにあります。");
        }
        context_.fail(rc);
    }

    std::vector<std::size_t> lookupFields(const std::vector<std::string>& key) const
    {
        const auto keys = orderFields();
        if (keys.empty()) {
            throw TableError(tableText() + "でキー検索をするには、インデックスを選んでください。");
        }
        if (key.empty() || key.size() > keys.size()) {
            throw TableError(tableText() + "のキー検索の値の数（" + std::to_string(key.size()) +
                             "）が、インデックスのフィールド数（" + std::to_string(keys.size()) + "）と合いません。");
        }
        return {keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(key.size())};
    }

    // A key value as the field stores it; nullopt for an empty key on a number field.
    std::optional<Value> keyValue(std::size_t f, const std::string& text) const
    {
        Value v = convertText(f, text);
        if (std::holds_alternative<std::monostate>(v)) return std::nullopt;
        return v;
    }

    std::optional<std::int64_t> lookup(const std::string& where, const std::vector<Value>& values)
    {
        Statement& s = statement("SELECT rowid FROM records WHERE " + where + orderBy() + " LIMIT 1").reset();
        for (std::size_t i = 0; i < values.size(); ++i) s.bind(static_cast<int>(i + 1), values[i]);
        if (!s.step()) return std::nullopt;
        const std::int64_t rowid = s.integer(0);
        s.reset();
        return rowid;
    }

    Context context_;
    bool readOnly_ = false;
    std::shared_ptr<ConnectionPool> pool_;
    std::string path_;
    std::optional<FileIdentity> file_;
    std::vector<FieldDef> fields_;
    std::size_t primaryKeyFields_ = 0;

    std::string selected_;                               // "" = primary order
    std::optional<std::size_t> selectedField_;           // field of the selected secondary index
    std::map<std::string, std::string> sessionIndexes_;  // read-only tables: name -> field
    std::map<std::string, TextOrder> sessionOrders_;     // read-only tables: name -> order
    TextOrder selectedOrder_ = TextOrder::NoCase;        // of the selected secondary index

    mutable std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;

    mutable std::vector<std::int64_t> order_;
    mutable bool orderValid_ = false;
    mutable std::size_t pos_ = 0;
    mutable std::optional<std::int64_t> current_;
    // False until the cursor is first placed (by a move, a lookup or reading the order):
    // until then it stands on the first row.
    mutable bool placed_ = false;
    mutable std::int64_t dataVersion_ = -1;
    mutable std::vector<Value> row_;
    mutable bool rowValid_ = false;
    bool eof_ = false;
    bool bof_ = false;

    Mode mode_ = Mode::Browse;
    std::int64_t editRowid_ = 0;  // the row being edited; the cursor may be refreshed meanwhile
    std::vector<Value> buffer_;
    std::vector<bool> dirty_;
    int disabledCount_ = 0;
    int readingDepth_ = 0;  // nested reading passes; the transaction is open while > 0
};

// ---- creating a table file

void checkDefinition(const std::string& name, const TableDef& def)
{
    checkTableName(name);
    const std::string t = "テーブル「" + name + "」";
    if (def.fields.empty()) throw TableError(t + "の定義にフィールドがありません。");
    if (def.primaryKeyFields < 0 || static_cast<std::size_t>(def.primaryKeyFields) > def.fields.size()) {
        throw TableError(t + "の主キーのフィールド数（" + std::to_string(def.primaryKeyFields) +
                         "）が正しくありません。");
    }
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        if (f.name.empty()) throw TableError(t + "の" + std::to_string(i + 1) + "番目のフィールド名が空です。");
        if (hasControlCharacter(f.name)) {
            throw TableError(t + "のフィールド名「" + shownName(f.name) + "」に使えない文字が含まれています。");
        }
        if (isRowIdentityName(f.name)) {
            throw TableError(t + "のフィールド名「" + f.name + "」は予約されているため使えません。");
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (sameAsciiNoCase(def.fields[j].name, f.name)) {
                throw TableError(t + "のフィールド「" + f.name + "」が二つあります。");
            }
        }
        if (f.type == FieldType::Text && f.size <= 0) {
            throw TableError(t + "のフィールド「" + f.name + "」の文字数（" + std::to_string(f.size) +
                             "）が正しくありません。");
        }
        if (f.type == FieldType::Memo && i < static_cast<std::size_t>(def.primaryKeyFields)) {
            throw TableError(t + "のメモフィールド「" + f.name + "」は主キーにできません。");
        }
    }
}

void createSchema(const Context& context, const TableDef& def)
{
    Transaction tx(context);
    exec(context, sql::createFields);
    exec(context, sql::createMeta);
    exec(context, sql::createIndexes);
    std::string columns;
    for (const FieldDef& f : def.fields) {
        if (!columns.empty()) columns += ", ";
        columns += identifier(f.name) + (isIntegerType(f.type) ? " INTEGER" : " TEXT");
    }
    exec(context, ("CREATE TABLE records(" + columns + ")").c_str());
    if (def.primaryKeyFields > 0) {
        std::string keys;
        for (int i = 0; i < def.primaryKeyFields; ++i) {
            if (i > 0) keys += ", ";
            keys += identifier(def.fields[static_cast<std::size_t>(i)].name) + " COLLATE NOCASE";
        }
        exec(context,
             ("CREATE UNIQUE INDEX " + std::string(sql::primaryIndexName) + " ON records(" + keys + ")").c_str());
    }
    {
        Statement insert(context, sql::insertField);
        for (std::size_t i = 0; i < def.fields.size(); ++i) {
            const FieldDef& f = def.fields[i];
            insert.reset()
                .bind(1, static_cast<std::int64_t>(i + 1))
                .bind(2, f.name)
                .bind(3, std::string(typeName(f.type)))
                .bind(4, static_cast<std::int64_t>(f.type == FieldType::Text ? f.size : 0))
                .bind(5, static_cast<std::int64_t>(f.required ? 1 : 0));
            insert.step();
        }
        Statement meta(context, sql::upsertMeta);
        meta.reset().bind(1, std::string("format")).bind(2, std::to_string(formatVersion)).step();
        meta.reset().bind(1, std::string("primaryKeyFields")).bind(2, std::to_string(def.primaryKeyFields)).step();
    }
    tx.commit();
}

// ---- the engine on files

// SQLite's process-wide settings, made before its first use in the process (later
// they are refused, harmlessly, and the defaults stay):
// - no page cache set aside per connection ahead of need: by default each connection
//   prepares 20 pages at its first read, and a table opened for a lookup or two reads
//   far fewer; touching memory that is never used costs more than the lookup;
// - no locking inside SQLite for a connection, and no memory statistics: every table
//   is used by the thread that opened it (the program has one), and otherwise every
//   call and every allocation takes a mutex.
void configureSqlite()
{
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
        sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    static_cast<void>(configured);
}

class SqliteEngine final : public TableEngine {
public:
    explicit SqliteEngine(int busyTimeoutMs) : busyTimeoutMs_(busyTimeoutMs) { configureSqlite(); }

    bool exists(const std::string& folder, const std::string& name) const override
    {
        if (!tableNameProblem(name).empty()) return false;
        std::error_code ec;
        return fs::is_regular_file(tablePath(folder, name), ec);
    }

    bool occupied(const std::string& folder, const std::string& name) const override
    {
        if (!tableNameProblem(name).empty()) return false;
        std::error_code ec;
        return fs::symlink_status(tablePath(folder, name), ec).type() != fs::file_type::not_found && !ec;
    }

    std::unique_ptr<Table> open(const std::string& folder, const std::string& name) override
    {
        // A copy in a read-only folder could not take the side files of a writer, so it
        // is read as installed data.
        const std::string path = tablePath(folder, name);
        const std::string dir = fs::path(path).parent_path().string();
        const bool writable = ::access(path.c_str(), W_OK) == 0 && ::access(dir.c_str(), W_OK) == 0;
        return openFile(folder, name, !writable);
    }

    std::unique_ptr<Table> openReadOnly(const std::string& folder, const std::string& name) override
    {
        return openFile(folder, name, true);
    }

    std::unique_ptr<Table> create(const std::string& folder, const std::string& name, const TableDef& def) override
    {
        const std::string table = tableNameOf(name);
        checkDefinition(table, def);
        std::error_code ec;
        fs::create_directories(normalFolder(folder), ec);
        if (!fs::is_directory(normalFolder(folder), ec)) {
            throw TableError("テーブル「" + table + "」を作るフォルダ「" + normalFolder(folder) +
                             "」を作成できません。");
        }
        remove(folder, name);
        const std::string path = tablePath(folder, name);
        Connection c{nullptr, false, pool_, path, std::nullopt};
        const int rc = sqlite3_open_v2(path.c_str(), &c.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        configure(c.db, rc, table, folder);
        try {
            // WAL: readers never wait for a writer, and a commit is one append to the
            // log. A file system without WAL support keeps the rollback journal,
            // which is just as durable (and what Journal::Rollback asks for).
            if (def.journal == Journal::WriteAhead) textOf(c.db, "PRAGMA journal_mode=WAL");
            createSchema(Context{table, normalFolder(folder), c.db}, def);
            c.file = FileIdentity::of(path);  // the file exists from its first write on
        } catch (...) {
            closeConnection(c.db);
            throw;
        }
        return std::make_unique<SqliteTable>(std::move(c), table, normalFolder(folder));
    }

    void remove(const std::string& folder, const std::string& name) override
    {
        checkTableName(name);
        const std::string path = tablePath(folder, name);
        pool_->purge(path);
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
            const std::string file = path + suffix;
            if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
                throw TableError("テーブル「" + tableNameOf(name) + "」のファイルを削除できません（" +
                                 std::strerror(errno) + "）。");
            }
        }
    }

private:
    std::unique_ptr<Table> openFile(const std::string& folder, const std::string& name, bool readOnly)
    {
        checkTableName(name);
        const std::string table = tableNameOf(name);
        const std::string path = tablePath(folder, name);
        if (!exists(folder, name)) {
            throw TableError("テーブル「" + table + "」がフォルダ「" + normalFolder(folder) + "」にありません。");
        }
        if (!readOnly) pool_->purgeReadOnly(path);
        Connection c{nullptr, readOnly, pool_, path, std::nullopt};
        auto taken = pool_->take(path, readOnly);
        c.db = taken.db;
        c.file = taken.file;
        if (c.db == nullptr) {
            // Identity first, then open: should the file be replaced in between, the
            // mismatch only costs a pooled connection, never a wrong file.
            c.file = FileIdentity::of(path);
            // Read-only is "immutable": SQLite then takes no lock and creates no side
            // file, even for a file in WAL mode (plain mode=ro would create and leave
            // "-wal" and "-shm" there), and it never looks for changes by others.
            const int rc = readOnly ? sqlite3_open_v2(("file:" + uriPath(path) + "?mode=ro&immutable=1").c_str(), &c.db,
                                                      SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr)
                                    : sqlite3_open_v2(path.c_str(), &c.db, SQLITE_OPEN_READWRITE, nullptr);
            configure(c.db, rc, table, folder);
        }
        return std::make_unique<SqliteTable>(std::move(c), table, normalFolder(folder));
    }

    // Durability: every commit reaches the disk before post() returns (WAL with
    // synchronous=FULL); a locked database is waited for, then reported as busy.
    void configure(sqlite3* db, int rc, const std::string& table, const std::string& folder) const
    {
        Context context{table, normalFolder(folder), db};
        if (rc != SQLITE_OK) {
            const int code = db != nullptr ? sqlite3_errcode(db) : rc;
            closeConnection(db);
            context.db = nullptr;
            context.fail(code);
        }
        sqlite3_extended_result_codes(db, 1);
        registerCollations(db);
        sqlite3_busy_timeout(db, busyTimeoutMs_);
        sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    }

    int busyTimeoutMs_;
    std::shared_ptr<ConnectionPool> pool_ = std::make_shared<ConnectionPool>();
};

// ---- the engine in memory

// Each table is a named database of SQLite's memdb VFS, shared by all connections
// that open the same name. The engine keeps one connection per table so the data
// live as long as the engine; a table object has its own connection, exactly as on
// disk, so data_version and locking behave the same.
class MemoryEngine final : public TableEngine {
public:
    MemoryEngine() : id_(nextEngineId_.fetch_add(1)) { configureSqlite(); }

    ~MemoryEngine() override
    {
        for (auto& [key, entry] : tables_) closeConnection(entry.keeper);
    }

    bool exists(const std::string& folder, const std::string& name) const override
    {
        return tableNameProblem(name).empty() && tables_.count(keyOf(folder, name)) != 0;
    }

    std::unique_ptr<Table> open(const std::string& folder, const std::string& name) override
    {
        return openTable(folder, name, false);
    }

    std::unique_ptr<Table> openReadOnly(const std::string& folder, const std::string& name) override
    {
        return openTable(folder, name, true);
    }

    std::unique_ptr<Table> create(const std::string& folder, const std::string& name, const TableDef& def) override
    {
        checkDefinition(tableNameOf(name), def);
        remove(folder, name);
        Entry entry;
        entry.uri = "file:/celmora-memory-" + std::to_string(id_) + "-" + std::to_string(++generation_) + "?vfs=memdb";
        entry.keeper = connect(entry.uri, name, folder).db;
        try {
            createSchema(Context{tableNameOf(name), normalFolder(folder), entry.keeper}, def);
        } catch (...) {
            closeConnection(entry.keeper);
            throw;
        }
        tables_[keyOf(folder, name)] = entry;
        return open(folder, name);
    }

    void remove(const std::string& folder, const std::string& name) override
    {
        checkTableName(name);
        const auto it = tables_.find(keyOf(folder, name));
        if (it == tables_.end()) return;
        closeConnection(it->second.keeper);
        tables_.erase(it);
    }

private:
    struct Entry {
        std::string uri;
        sqlite3* keeper = nullptr;
    };

    std::unique_ptr<Table> openTable(const std::string& folder, const std::string& name, bool readOnly)
    {
        checkTableName(name);
        const auto it = tables_.find(keyOf(folder, name));
        if (it == tables_.end()) {
            throw TableError("テーブル「" + tableNameOf(name) + "」がフォルダ「" + normalFolder(folder) +
                             "」にありません。");
        }
        Connection c = connect(it->second.uri, name, folder);
        c.readOnly = readOnly;  // refused by the table object, exactly as on disk
        return std::make_unique<SqliteTable>(std::move(c), tableNameOf(name), normalFolder(folder));
    }

    static std::string keyOf(const std::string& folder, const std::string& name)
    {
        return normalFolder(folder) + '\n' + tableNameOf(name);
    }

    Connection connect(const std::string& uri, const std::string& name, const std::string& folder) const
    {
        Connection c;
        const int rc =
            sqlite3_open_v2(uri.c_str(), &c.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
        if (rc != SQLITE_OK) {
            closeConnection(c.db);
            Context{tableNameOf(name), normalFolder(folder), nullptr}.fail(rc);
        }
        sqlite3_extended_result_codes(c.db, 1);
        registerCollations(c.db);
        sqlite3_busy_timeout(c.db, defaultBusyTimeoutMs);
        return c;
    }

    static inline std::atomic<int> nextEngineId_{1};
    int id_;
    int generation_ = 0;
    std::map<std::string, Entry> tables_;
};

}  // namespace

std::unique_ptr<TableEngine> makeSqliteTableEngine()
{
    return std::make_unique<SqliteEngine>(defaultBusyTimeoutMs);
}

std::unique_ptr<TableEngine> makeSqliteTableEngine(int busyTimeoutMs)
{
    return std::make_unique<SqliteEngine>(busyTimeoutMs);
}

std::unique_ptr<TableEngine> makeMemoryTableEngine()
{
    return std::make_unique<MemoryEngine>();
}

void sealForInstallation(Table& table)
{
    // Another implementation of Table has no file to seal.
    if (auto* sqlite = dynamic_cast<SqliteTable*>(&table)) sqlite->sealForInstallation();
}

void bulkInsert(Table& table, const std::vector<std::vector<std::string>>& rows)
{
    if (auto* sqlite = dynamic_cast<SqliteTable*>(&table)) {
        sqlite->insertRows(rows);
        return;
    }
    // Another implementation of Table: row by row through its own interface.
    const auto& fields = table.fields();
    for (const auto& row : rows) {
        if (row.size() > fields.size()) {
            throw TableError("テーブル「" + table.name() + "」への一括書き込みの値が多すぎます。");
        }
        table.append();
        for (std::size_t f = 0; f < row.size(); ++f) table.setText(fields[f].name, row[f]);
        table.post();
    }
}

}  // namespace celmora::platform
