// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "records/ui/PersonGridModel.h"

#include "platform/EventBoundary.h"
#include "platform/Messages.h"
#include "records/PersonTable.h"

namespace celmora::records {

PersonGridModel::PersonGridModel(PersonTable& persons, std::vector<PersonGridColumn> columns,
                                 platform::Messages& messages, bool editable, QObject* parent)
    : QAbstractTableModel(parent),
      persons_(persons),
      columns_(std::move(columns)),
      messages_(messages),
      editable_(editable),
      shownRows_(persons.rowCount())
{
    listener_ = persons_.addListener([this](PersonTableChange change) {
        if (change == PersonTableChange::Rows || persons_.rowCount() != shownRows_) {
            beginResetModel();
            shownRows_ = persons_.rowCount();
            endResetModel();
        } else if (change == PersonTableChange::CurrentEdited) {
            // Typing changes only the current row's edit buffer: repaint that row alone.
            const int row = persons_.currentRow();
            if (row >= 0 && row < shownRows_) {
                emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
            }
        } else if (shownRows_ > 0) {
            emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1), {Qt::DisplayRole});
        }
        if (change != PersonTableChange::CurrentEdited) emit currentRowChanged(persons_.currentRow());
    });
}

PersonGridModel::~PersonGridModel()
{
    persons_.removeListener(listener_);
}

int PersonGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int PersonGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant PersonGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const auto& column = columns_[static_cast<std::size_t>(index.column())];
    // A paint cannot report an error; a row that cannot be read shows empty.
    try {
        return QString::fromStdString(persons_.rowText(index.row(), column.field));
    } catch (const std::exception&) {
        return {};
    }
}

QVariant PersonGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const auto heading = columns_[static_cast<std::size_t>(section)].heading;
    return QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size()));
}

Qt::ItemFlags PersonGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool PersonGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || role != Qt::EditRole || !index.isValid()) return false;
    const auto field = columns_[static_cast<std::size_t>(index.column())].field;
    const std::string text = value.toString().toStdString();
    return platform::guarded(messages_, [&] {
        if (!persons_.moveToRow(index.row())) return;
        if (persons_.field(field) != text) persons_.setField(field, text);
    });
}

}  // namespace celmora::records
