// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The lower-triangular aspect grid of "出生図詳細": row k and the diagonal carry body
// k's icon (column 0 and column k), the cell in row k, column j < k shows the pair
// (j, k) as aspectCell gives it.

#include <QAbstractTableModel>
#include <QPixmap>
#include <array>

#include "platform/ProgramDir.h"
#include "western/AspectUnit1.h"

namespace celmora::graphics {
struct WheelFrame;
}

namespace celmora::western {

class NatalAspectGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit NatalAspectGridModel(const platform::ProgramDir& dirs, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Takes the cells from the frame and matrix of the last aspect build.
    void refresh(const graphics::WheelFrame& frame, const AspectMatrix& matrix);
    // Every pair back to the blank cell a grid shows before the first run.
    void clear();
    // The cell of pair (j, k), j < k.
    const AspectCell& cell(int j, int k) const { return cells_[j][k]; }

private:
    platform::Array2<AspectCell, 1, 13, 1, 13> cells_;
    std::array<QPixmap, 13> icons_;
};

}  // namespace celmora::western
