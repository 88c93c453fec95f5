// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A grid over the open person list: one row per person in the list's selected order
// (the pending new row last), the given columns. Rows are read on demand, so a list of
// thousands of persons opens at once. The current row shows its edit buffer.
// An editable grid writes a cell into the row's edit buffer after moving there, as a
// grid bound to the table does; the row is saved when the cursor leaves it.

#include <QAbstractTableModel>
#include <vector>

#include "records/ui/PersonGridColumns.h"

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonTable;

class PersonGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // `messages` reports a value the table refuses while editing (editable grids).
    PersonGridModel(PersonTable& persons, std::vector<PersonGridColumn> columns, platform::Messages& messages,
                    bool editable, QObject* parent = nullptr);
    ~PersonGridModel() override;

    const std::vector<PersonGridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The list's cursor is on another row (or the rows were reloaded).
    void currentRowChanged(int row);

private:
    PersonTable& persons_;
    std::vector<PersonGridColumn> columns_;
    platform::Messages& messages_;
    bool editable_;
    int listener_ = 0;
    int shownRows_ = 0;
};

}  // namespace celmora::records
