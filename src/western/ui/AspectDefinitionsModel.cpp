// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ui/AspectDefinitionsModel.h"

#include "platform/Checked.h"
#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "western/ASPDB1.h"

#include <QBrush>
#include <QColor>

namespace celmora::western {

namespace {

constexpr const char* columns[4] = {aspectfield::name, aspectfield::school, aspectfield::degree, aspectfield::orb};

bool isIntegerColumn(int column)
{
    return column == 2 || column == 3;
}

}  // namespace

AspectDefinitionsModel::AspectDefinitionsModel(platform::Table& table, platform::Messages& messages, QObject* parent)
    : QAbstractTableModel(parent), table_(table), messages_(messages)
{
}

bool AspectDefinitionsModel::moveTo(int row) const
{
    if (row < 0 || row >= table_.recordCount()) return false;
    return table_.moveTo(row + 1);
}

int AspectDefinitionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.recordCount();
}

int AspectDefinitionsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant AspectDefinitionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::BackgroundRole && index.column() == orbColumn) return QBrush(QColor(0xFF, 0xFF, 0x00));
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (!moveTo(index.row())) return {};
    const char* field = columns[index.column()];
    if (isIntegerColumn(index.column())) return table_.isNull(field) ? QVariant() : QVariant(table_.integer(field));
    return QString::fromStdString(table_.text(field));
}

QVariant AspectDefinitionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < 4) return QString::fromUtf8(columns[section]);
    if (orientation == Qt::Vertical) return section + 1;
    return {};
}

Qt::ItemFlags AspectDefinitionsModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool AspectDefinitionsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !moveTo(index.row())) return false;
    const char* field = columns[index.column()];
    const std::string text = value.toString().trimmed().toStdString();
    try {
        table_.edit();
        if (isIntegerColumn(index.column())) {
            table_.setInteger(field, platform::toInt(text));
        } else {
            table_.setText(field, text);
        }
        table_.post();
    } catch (const platform::CommandError& e) {
        if (table_.isEditing()) table_.cancel();
        messages_.error(e.what());
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

QString AspectDefinitionsModel::memo(int row) const
{
    return moveTo(row) ? QString::fromStdString(table_.text(aspectfield::memo)) : QString();
}

bool AspectDefinitionsModel::setMemo(int row, const QString& text)
{
    if (!moveTo(row)) return false;
    try {
        table_.edit();
        table_.setText(aspectfield::memo, text.toStdString());
        table_.post();
    } catch (const platform::CommandError& e) {
        if (table_.isEditing()) table_.cancel();
        messages_.error(e.what());
        return false;
    }
    return true;
}

int AspectDefinitionsModel::appendRow()
{
    const int row = table_.recordCount();
    try {
        beginInsertRows({}, row, row);
        table_.append();
        table_.setText(aspectfield::name, "新しいアスペクト");
        table_.setText(aspectfield::school, "HARD");
        table_.setInteger(aspectfield::degree, 0);
        table_.setInteger(aspectfield::orb, 0);
        table_.post();
        endInsertRows();
    } catch (const platform::CommandError& e) {
        if (table_.isEditing()) table_.cancel();
        endInsertRows();
        reload();
        messages_.error(e.what());
        return -1;
    }
    return row;
}

bool AspectDefinitionsModel::removeRowAt(int row)
{
    if (!moveTo(row)) return false;
    try {
        beginRemoveRows({}, row, row);
        table_.deleteRecord();
        endRemoveRows();
    } catch (const platform::CommandError& e) {
        endRemoveRows();
        reload();
        messages_.error(e.what());
        return false;
    }
    return true;
}

void AspectDefinitionsModel::reload()
{
    beginResetModel();
    endResetModel();
}

}  // namespace celmora::western
