// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/PersonTable.h"

#include <algorithm>

#include "platform/Errors.h"
#include "platform/Table.h"
#include "records/PersonFields.h"
#include "records/PersonIndexes.h"

namespace celmora::records {

namespace {

using platform::FieldDef;
using platform::FieldType;

// Text without a size in the layout holds 20 characters.
constexpr int defaultTextSize = 20;

FieldDef text(std::string_view name, int size = defaultTextSize)
{
    return FieldDef{std::string(name), FieldType::Text, size, false};
}

FieldDef smallInt(std::string_view name)
{
    return FieldDef{std::string(name), FieldType::SmallInt, 0, false};
}

platform::TableDef makeDefinition()
{
    platform::TableDef def;
    auto& f = def.fields;
    f.push_back(FieldDef{std::string(fields::no), FieldType::AutoInc, 0, false});
    f.push_back(text(fields::name, 16));
    f.push_back(text(fields::year, 4));
    f.push_back(text(fields::month, 2));
    f.push_back(text(fields::day, 2));
    f.push_back(text(fields::hour, 2));
    f.push_back(text(fields::minute, 2));
    f.push_back(text(fields::sex, 2));
    f.push_back(text(fields::timeDiff, 8));
    for (std::size_t p = 0; p < fields::pointSign.size(); ++p) {
        f.push_back(text(fields::pointSign[p]));
        f.push_back(smallInt(fields::pointDegree[p]));
    }
    f.push_back(text(fields::asc));
    f.push_back(smallInt(fields::ascDegree));
    f.push_back(text(fields::mc));
    f.push_back(smallInt(fields::mcDegree));
    f.push_back(FieldDef{std::string(fields::memo), FieldType::Memo, 0, false});
    f.push_back(text(fields::postalCode, 12));
    f.push_back(text(fields::address, 40));
    f.push_back(text(fields::tel));
    f.push_back(text(fields::fax));
    for (auto name : fields::wheelAngle) f.push_back(smallInt(name));
    for (auto name : fields::sunSeparation) f.push_back(smallInt(name));
    f.push_back(text(fields::strongestPlanet));
    f.push_back(text(fields::weakestPlanet));
    f.push_back(smallInt(fields::sunHouse));
    f.push_back(text(fields::risingBody[0]));
    f.push_back(text(fields::risingBody[1]));
    f.push_back(text(fields::risingBody[2], 30));
    for (auto name : fields::culminatingBody) f.push_back(text(name, 30));
    f.push_back(smallInt(fields::grandTrine));
    f.push_back(smallInt(fields::isosceles));
    f.push_back(smallInt(fields::rightTriangle));
    f.push_back(smallInt(fields::square));
    f.push_back(smallInt(fields::rectangle));
    f.push_back(text(fields::area1));
    // "No" orders the rows by entry, as the primary index.
    def.primaryKeyFields = 1;
    return def;
}

int rank(PersonTableChange change)
{
    switch (change) {
        case PersonTableChange::CurrentEdited:
            return 1;
        case PersonTableChange::CurrentMoved:
            return 2;
        case PersonTableChange::Rows:
            return 3;
    }
    return 3;
}

PersonTableChange changeOfRank(int r)
{
    return r == 1   ? PersonTableChange::CurrentEdited
           : r == 2 ? PersonTableChange::CurrentMoved
                    : PersonTableChange::Rows;
}

}  // namespace

PersonTable::PersonTable(platform::TableEngine& engine, std::string folder)
    : engine_(engine), folder_(std::move(folder))
{
}

PersonTable::~PersonTable() = default;

const platform::TableDef& PersonTable::definition()
{
    static const platform::TableDef def = makeDefinition();
    return def;
}

std::string PersonTable::tableName(PersonList list)
{
    return list == PersonList::Second ? "人名2DB" : "人名DB";
}

std::string PersonTable::listCaption(PersonList list)
{
    return list == PersonList::Second ? "人名２" : "人名１";
}

void PersonTable::createMissingLists()
{
    // Only a fresh folder gets new empty lists: where one list is already kept, a
    // missing other one was moved or renamed, and an empty list in its place would hide that.
    const bool fresh =
        !engine_.occupied(folder_, tableName(PersonList::First)) && !engine_.occupied(folder_, tableName(PersonList::Second));
    for (PersonList list : {PersonList::First, PersonList::Second}) {
        const std::string name = tableName(list);
        if (engine_.exists(folder_, name)) continue;
        if (engine_.occupied(folder_, name)) {
            throw platform::TableError("人名テーブル「" + name + ".db」の場所（フォルダ「" + folder_ +
                                       "」）に、テーブルのファイルではないもの（フォルダ、名前付きパイプ、リンク切れのリンクなど）があります。"
                                       "触らずにそのままにしました。");
        }
        if (!fresh) {
            throw platform::TableError("人名テーブル「" + name + ".db」がフォルダ「" + folder_ +
                                       "」にありません。移動した場合は元の場所に戻してください。");
        }
        engine_.create(folder_, name, definition());
    }
}

void PersonTable::open(PersonList list)
{
    if (cursor_) leaveRow();

    // The new list is made ready before the open one is closed: a list that cannot be
    // opened leaves the current list open and current.
    const std::string name = tableName(list);
    if (!engine_.exists(folder_, name)) createMissingLists();
    std::unique_ptr<platform::Table> table = engine_.open(folder_, name);
    for (const FieldDef& f : definition().fields) {
        if (!table->hasField(f.name)) {
            throw platform::TableError("テーブル「" + name + "」にフィールド「" + f.name +
                                       "」がありません。人名テーブルのファイルではありません。");
        }
    }
    // Re-created at every opening, so a file from elsewhere gets exactly these orders.
    for (const PersonIndex& index : personIndexes) {
        table->addIndex(std::string(index.name), std::string(index.field), index.order);
    }
    table->selectIndex("");
    table->first();
    std::unique_ptr<platform::Table> reader = engine_.open(folder_, name);

    reader_ = std::move(reader);
    cursor_ = std::move(table);
    list_ = list;
    cachedRow_ = -1;
    typed_ = false;
    pendingNew_ = cursor_->isEmpty();
    cursor_->edit();  // on an empty list this starts the new row
    notify(PersonTableChange::Rows);
}

platform::Table& PersonTable::requireOpen() const
{
    if (!cursor_) throw platform::TableError("人名テーブルが開かれていません。");
    return *cursor_;
}

platform::Table& PersonTable::cursor()
{
    return requireOpen();
}

void PersonTable::notifyRowsChanged()
{
    pendingNew_ = pendingNew_ && isEditing();
    notify(PersonTableChange::Rows);
}

void PersonTable::leaveRow()
{
    platform::Table& t = requireOpen();
    if (t.isEditing()) {
        if (typed_) {
            t.post();
        } else {
            t.cancel();
        }
    }
    pendingNew_ = typed_ = false;
}

bool PersonTable::move(bool (platform::Table::*step)())
{
    platform::Table& t = requireOpen();
    const bool saved = typed_ && t.isEditing();
    const int before = currentRow();
    leaveRow();
    const bool moved = (t.*step)();
    if (saved) {
        notify(PersonTableChange::Rows);
    } else if (currentRow() != before) {
        notify(PersonTableChange::CurrentMoved);
    }
    return moved;
}

bool PersonTable::first()
{
    return move(&platform::Table::first);
}
bool PersonTable::prior()
{
    return move(&platform::Table::prior);
}
bool PersonTable::next()
{
    return move(&platform::Table::next);
}
bool PersonTable::last()
{
    return move(&platform::Table::last);
}

bool PersonTable::moveToRow(int row)
{
    if (row < 0 || row >= rowCount()) return false;
    if (row == currentRow()) return true;
    platform::Table& t = requireOpen();
    const bool saved = typed_ && t.isEditing();
    leaveRow();
    const bool moved = t.moveTo(row + 1);
    notify(saved ? PersonTableChange::Rows : PersonTableChange::CurrentMoved);
    return moved;
}

void PersonTable::appendNew()
{
    platform::Table& t = requireOpen();
    leaveRow();
    t.append();
    pendingNew_ = true;
    notify(PersonTableChange::Rows);
}

void PersonTable::save()
{
    platform::Table& t = requireOpen();
    beginEdit();
    t.post();
    pendingNew_ = typed_ = false;
    notify(PersonTableChange::Rows);
}

void PersonTable::post()
{
    platform::Table& t = requireOpen();
    if (!t.isEditing()) return;
    t.post();
    pendingNew_ = typed_ = false;
    notify(PersonTableChange::Rows);
}

void PersonTable::deleteCurrent()
{
    platform::Table& t = requireOpen();
    if (newRowPending()) {
        t.cancel();
    } else {
        if (t.isEditing()) t.cancel();
        if (t.isEmpty()) {
            pendingNew_ = typed_ = false;
            return;
        }
        t.deleteRecord();
    }
    pendingNew_ = typed_ = false;
    notify(PersonTableChange::Rows);
}

bool PersonTable::searchName(std::string_view text)
{
    platform::Table& t = requireOpen();
    leaveRow();
    t.selectIndex(std::string(nameIndex));
    const bool found = t.findNearest({std::string(text)});
    notify(PersonTableChange::Rows);
    return found;
}

bool PersonTable::findName(std::string_view text)
{
    platform::Table& t = requireOpen();
    leaveRow();
    const std::string previous = t.selectedIndex();
    t.selectIndex(std::string(nameIndex));
    const bool found = t.findKey({std::string(text)});
    t.selectIndex(previous);
    notify(PersonTableChange::Rows);
    return found;
}

void PersonTable::setOrder(std::string_view indexName)
{
    platform::Table& t = requireOpen();
    leaveRow();
    t.selectIndex(std::string(indexName));
    notify(PersonTableChange::Rows);
}

std::string PersonTable::order() const
{
    return requireOpen().selectedIndex();
}

std::string PersonTable::field(std::string_view name) const
{
    return requireOpen().text(name);
}

int PersonTable::integerField(std::string_view name) const
{
    return requireOpen().integer(name);
}

void PersonTable::beginEdit()
{
    platform::Table& t = requireOpen();
    if (t.isEditing()) return;
    pendingNew_ = t.isEmpty();
    t.edit();
}

void PersonTable::setField(std::string_view name, std::string_view value)
{
    platform::Table& t = requireOpen();
    beginEdit();
    t.setText(name, value);
    typed_ = true;
    notify(PersonTableChange::CurrentEdited);
}

void PersonTable::setIntegerField(std::string_view name, int value)
{
    platform::Table& t = requireOpen();
    beginEdit();
    t.setInteger(name, value);
    typed_ = true;
    notify(PersonTableChange::CurrentEdited);
}

bool PersonTable::isEditing() const
{
    return cursor_ && cursor_->isEditing();
}

bool PersonTable::newRowPending() const
{
    return pendingNew_ && isEditing();
}

int PersonTable::rowCount() const
{
    if (!cursor_) return 0;
    return cursor_->recordCount() + (newRowPending() ? 1 : 0);
}

int PersonTable::currentRow() const
{
    if (!cursor_) return -1;
    if (newRowPending()) return cursor_->recordCount();
    return cursor_->recordNumber() - 1;
}

void PersonTable::syncReaderOrder() const
{
    const std::string wanted = cursor_->selectedIndex();
    if (reader_->selectedIndex() != wanted) {
        reader_->selectIndex(wanted);
        cachedRow_ = -1;
    }
}

std::string PersonTable::rowText(int row, std::string_view name) const
{
    platform::Table& t = requireOpen();
    // Only a row being edited differs from what is stored.
    if (t.isEditing() && row == currentRow()) return t.text(name);
    const auto& fieldList = t.fields();
    const auto at = std::find_if(fieldList.begin(), fieldList.end(), [&](const FieldDef& f) { return f.name == name; });
    if (at == fieldList.end()) return t.text(name);  // unknown: let the engine report it

    if (cachedRow_ != row) {
        if (row < 0 || row >= t.recordCount()) return {};
        syncReaderOrder();
        reader_->moveTo(row + 1);
        cachedValues_.clear();
        for (const FieldDef& f : fieldList) cachedValues_.push_back(reader_->text(f.name));
        cachedRow_ = row;
    }
    return cachedValues_[static_cast<std::size_t>(at - fieldList.begin())];
}

std::unique_ptr<platform::Table> PersonTable::openReader() const
{
    requireOpen();
    return engine_.open(folder_, tableName(list_));
}

void PersonTable::appendRows(const std::vector<std::vector<std::string>>& rows)
{
    platform::Table& t = requireOpen();
    leaveRow();
    platform::bulkInsert(t, rows);
    notify(PersonTableChange::Rows);
}

std::string PersonTable::area1() const
{
    return isOpen() ? field(fields::area1) : std::string();
}

void PersonTable::setTimeDiffAndArea(const std::string& timeDiffText, const std::string& area)
{
    BatchedChanges batch(*this);
    setField(fields::timeDiff, timeDiffText);
    setField(fields::area1, area);
    post();
}

int PersonTable::addListener(Listener listener)
{
    const int id = nextListener_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void PersonTable::removeListener(int id)
{
    listeners_.erase(id);
}

void PersonTable::notify(PersonTableChange change)
{
    if (change != PersonTableChange::CurrentEdited) cachedRow_ = -1;
    if (batchDepth_ > 0) {
        batched_ = std::max(batched_, rank(change));
        return;
    }
    // A listener may remove itself while being told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) {
        if (listeners_.count(id) != 0) listener(change);
    }
}

PersonTable::BatchedChanges::BatchedChanges(PersonTable& table) : table_(table)
{
    ++table_.batchDepth_;
}

PersonTable::BatchedChanges::~BatchedChanges()
{
    if (--table_.batchDepth_ > 0 || table_.batched_ == 0) return;
    const PersonTableChange change = changeOfRank(table_.batched_);
    table_.batched_ = 0;
    table_.notify(change);
}

}  // namespace celmora::records
