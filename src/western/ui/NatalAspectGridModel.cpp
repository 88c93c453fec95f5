// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "western/ui/NatalAspectGridModel.h"

#include <QBitmap>
#include <QBrush>
#include <QColor>
#include <QImage>

#include "core/ChartPoints.h"
#include "graphics/WheelDrawing.h"

namespace celmora::western {

namespace {

QColor toQColor(platform::Colour c)
{
    return QColor(c.r, c.g, c.b);
}

// The body icons have white as their transparent key colour.
QPixmap keyedIcon(const QString& path)
{
    QImage image(path);
    if (image.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(QColor(255, 255, 255)));
    return pixmap;
}

}  // namespace

NatalAspectGridModel::NatalAspectGridModel(const platform::ProgramDir& dirs, QObject* parent)
    : QAbstractTableModel(parent)
{
    for (int b = 1; b <= 13; ++b) {
        const std::string path = dirs.iconDir() + "/" + std::string(graphics::bodyPictureStem(b)) + ".bmp";
        icons_[static_cast<std::size_t>(b - 1)] = keyedIcon(QString::fromStdString(path));
    }
}

int NatalAspectGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 13;
}

int NatalAspectGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 14;
}

QVariant NatalAspectGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const int k = index.row() + 1;
    const int j = index.column();
    if (j == 0 || j == k) {
        const QPixmap& icon = icons_[static_cast<std::size_t>(k - 1)];
        const std::string_view name = core::pointName(k);
        switch (role) {
            case Qt::DecorationRole:
                return icon.isNull() ? QVariant() : QVariant(icon);
            case Qt::DisplayRole:
                // Without its picture the body is named, so the grid still reads.
                return icon.isNull()
                           ? QVariant(QString::fromUtf8(graphics::bodyTextLabel(k).data(),
                                                        static_cast<qsizetype>(graphics::bodyTextLabel(k).size())))
                           : QVariant();
            case Qt::ToolTipRole:
                return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            case Qt::TextAlignmentRole:
                return int(Qt::AlignCenter);
            default:
                return {};
        }
    }
    if (j > k) return {};
    const AspectCell& c = cells_[j][k];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(c.text);
        case Qt::BackgroundRole:
            return QBrush(toQColor(c.background));
        case Qt::ForegroundRole:
            return QBrush(toQColor(c.textColour));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::ToolTipRole: {
            const std::string_view a = core::pointName(j);
            const std::string_view b = core::pointName(k);
            return QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())) + QStringLiteral("－") +
                   QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
        }
        default:
            return {};
    }
}

void NatalAspectGridModel::refresh(const graphics::WheelFrame& frame, const AspectMatrix& matrix)
{
    for (int j = 1; j <= 12; ++j) {
        for (int k = j + 1; k <= 13; ++k) cells_[j][k] = aspectCell(frame, matrix, j, k);
    }
    emit dataChanged(index(0, 0), index(12, 13));
}

void NatalAspectGridModel::clear()
{
    for (int j = 1; j <= 12; ++j) {
        for (int k = j + 1; k <= 13; ++k) cells_[j][k] = AspectCell{};
    }
    emit dataChanged(index(0, 0), index(12, 13));
}

}  // namespace celmora::western
