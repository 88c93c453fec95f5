// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The person lists: one open table of persons with a cursor on the current person.
//
//   in:  the table engine, the writable "jinmei" folder, and the user's moves and
//        typing (through the data-entry page, the CLI or the Diagnose run)
//   out: the current row (read by the Diagnose run and the boxes), the rows in the
//        selected order (read by the grids), change notices for the views
//
// Two lists share one layout: "人名DB" (list 1, opened at start-up) and "人名2DB"
// (list 2). Only one is open at a time. A missing list is created empty.
//
// Editing model (that of a form bound to the table): a field set on the current row
// goes into the edit buffer; the buffer is saved when the cursor moves to another row,
// when the list changes, on save(), and by the Diagnose run's write-back. A row that
// was never typed into is dropped instead of saved, so an empty new row never becomes
// a record just by moving away from it. Setting a field of an empty list starts a new
// row.
//
// Views (grids) read rows through rowText(), which uses a second cursor on the same
// file so the current row never moves under the user; the current row itself is read
// from the edit buffer, so the grid shows what is being typed.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/CurrentPersonRow.h"

namespace celmora::platform {
class Table;
class TableEngine;
struct TableDef;
}  // namespace celmora::platform

namespace celmora::records {

enum class PersonList { First = 1, Second = 2 };

// What a view has to refresh.
enum class PersonTableChange {
    Rows,           // rows, order or the open list changed: reload everything
    CurrentMoved,   // the cursor is on another row
    CurrentEdited,  // a field of the current row's edit buffer changed
};

class PersonTable final : public core::CurrentPersonRow {
public:
    using Listener = std::function<void(PersonTableChange)>;

    // `folder` is the writable "jinmei" folder (ProgramDir::personDir()).
    PersonTable(platform::TableEngine& engine, std::string folder);
    ~PersonTable() override;
    PersonTable(const PersonTable&) = delete;
    PersonTable& operator=(const PersonTable&) = delete;

    // The layout of both lists: fields, types and sizes in table order; "No" is the
    // auto-increment primary key.
    static const platform::TableDef& definition();
    // "人名DB" / "人名2DB" (the engine adds ".db").
    static std::string tableName(PersonList list);
    // "人名１" / "人名２": the items of the list switch.
    static std::string listCaption(PersonList list);

    const std::string& folder() const { return folder_; }

    // Creates every list that does not exist yet (empty).
    // @warning Refuses (TableError) to create a list where something else stands (a
    // folder, a pipe, a dangling link) or where only the other list is kept (a moved
    // list is not silently replaced by an empty one); nothing is touched then.
    void createMissingLists();
    // Saves the current row, closes the open list, creates `list` when missing, adds
    // the nine indexes, opens it in entry order and puts its first row into edit mode
    // (an empty list gets a new row). A list whose file lacks a field of the layout is
    // refused with TableError, and the list open before stays open.
    void open(PersonList list);
    bool isOpen() const { return cursor_ != nullptr; }
    PersonList list() const { return list_; }

    // Navigation in the selected order. Each saves a typed row first (a refused value
    // throws TableError and the cursor stays). False when there is no row to go to.
    bool first();
    bool prior();
    bool next();
    bool last();
    // 0-based row in the selected order, as the grids count.
    bool moveToRow(int row);

    // 新規作成: saves the current row and starts a new, empty one (shown last).
    void appendNew();
    // データ登録: puts the current row into edit mode and saves it.
    void save();
    // Saves the current row when it was typed into; drops an untouched new row.
    void leaveRow();
    // Deletes the current row (an unsaved new row is just dropped); the next row
    // becomes current. Nothing happens on an empty list.
    void deleteCurrent();

    // Name search: switches to the name order and goes to the first row whose name is
    // equal to or after `text`, ignoring ASCII case; the last row when every name is
    // before it. False only when the list is empty.
    bool searchName(std::string_view text);
    // Goes to the first row whose name equals `text` (ASCII case ignored), in the
    // current order. False (cursor unmoved) when there is none.
    bool findName(std::string_view text);
    // Selects one of the nine indexes by name ("" or "NO" for entry order); the current
    // row stays current.
    void setOrder(std::string_view indexName);
    std::string order() const;

    // The current row (the edit buffer while editing). "" for a null field and when
    // the list is empty.
    std::string field(std::string_view name) const;
    int integerField(std::string_view name) const;
    // Sets a field of the current row, starting edit mode (or a new row on an empty
    // list). Values are checked when the row is saved.
    void setField(std::string_view name, std::string_view value);
    void setIntegerField(std::string_view name, int value);
    // Saves the edit buffer (a no-op when nothing is being edited).
    void post();
    bool isEditing() const;
    // True while a new row exists only in the edit buffer.
    bool newRowPending() const;

    // Rows as the grids show them: the saved rows in the selected order, plus the
    // pending new row last.
    int rowCount() const;
    // 0-based row of the cursor, -1 when there is none.
    int currentRow() const;
    std::string rowText(int row, std::string_view field) const;

    // A second cursor on the open list's file, for bulk reading (CSV export, listing).
    std::unique_ptr<platform::Table> openReader() const;
    // Appends rows (values in field order) in one transaction: all or nothing.
    void appendRows(const std::vector<std::vector<std::string>>& rows);

    // Birthplace of the current row, for the Diagnose run's house table.
    std::string area1() const;
    void setTimeDiffAndArea(const std::string& timeDiffText, const std::string& area) override;

    // Views register here; the returned number removes the listener again.
    int addListener(Listener listener);
    void removeListener(int id);

    // Many field changes as one notice (the write-back sets some 90 fields).
    class BatchedChanges {
    public:
        explicit BatchedChanges(PersonTable& table);
        ~BatchedChanges();
        BatchedChanges(const BatchedChanges&) = delete;
        BatchedChanges& operator=(const BatchedChanges&) = delete;

    private:
        PersonTable& table_;
    };

    // The table under the cursor, for what the methods above do not cover.
    // @warning Moving or editing it directly bypasses the change notices and the
    // new-row bookkeeping; call notifyRowsChanged() afterwards.
    platform::Table& cursor();
    void notifyRowsChanged();

private:
    platform::Table& requireOpen() const;
    void beginEdit();
    void syncReaderOrder() const;
    void notify(PersonTableChange change);
    bool move(bool (platform::Table::*step)());

    platform::TableEngine& engine_;
    std::string folder_;
    PersonList list_ = PersonList::First;
    std::unique_ptr<platform::Table> cursor_;
    mutable std::unique_ptr<platform::Table> reader_;
    bool pendingNew_ = false;  // the edit buffer holds a row not yet in the table
    bool typed_ = false;       // a field was set since the last save or move

    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
    int batchDepth_ = 0;
    int batched_ = 0;  // strongest change collected while batching (0: none)

    // One row of the reader kept, as a grid asks for a row's cells one after another.
    mutable int cachedRow_ = -1;
    mutable std::vector<std::string> cachedValues_;
};

}  // namespace celmora::records
