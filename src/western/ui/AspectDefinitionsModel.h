// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The rows of "ASPECT.db" as an editable grid: 名称, Tessaro流, 度数, 許容度. An edit is
// posted to the file at once; a value the table refuses is reported and dropped.

#include <QAbstractTableModel>

namespace celmora::platform {
class Messages;
class Table;
}  // namespace celmora::platform

namespace celmora::western {

class AspectDefinitionsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int orbColumn = 3;  // 許容度, highlighted

    AspectDefinitionsModel(platform::Table& table, platform::Messages& messages, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The memo of a row, and writing it back.
    QString memo(int row) const;
    bool setMemo(int row, const QString& text);
    // Appends a row (a hard aspect of 0 degrees, orb 0, to be edited) and returns its row.
    int appendRow();
    bool removeRowAt(int row);
    // Re-reads the row count after the file may have changed.
    void reload();

private:
    bool moveTo(int row) const;

    platform::Table& table_;
    platform::Messages& messages_;
};

}  // namespace celmora::western
