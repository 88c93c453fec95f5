// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/FileOutput.h"

#include "platform/qt/QtCanvas.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace celmora::platform {

namespace {

constexpr double inchesPerMetre = 39.37007874015748;

QImage drawImage(Size size, int dpiX, int dpiY, const DrawFunction& draw)
{
    QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpiX * inchesPerMetre)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpiY * inchesPerMetre)));
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, size, dpiX, dpiY);
    draw(canvas);
    return image;
}

bool savePng(const QImage& image, const std::string& path)
{
    return image.save(QString::fromStdString(path), "PNG");
}

bool drawPdf(Size size, int dpiX, int dpiY, const DrawFunction& draw, const std::string& path)
{
    QPdfWriter writer(QString::fromStdString(path));
    writer.setCreator(QStringLiteral("Celmora Pro"));
    // The writer has one resolution for both axes; the page is sized so that the
    // device is exactly `size` pixels. dpiY still sets the font sizes.
    writer.setResolution(dpiX);
    // Exact size: the default fuzzy match would snap a drawing near A4 to A4.
    const QPageSize pageSize(QSizeF(std::max(1, size.width) / double(dpiX), std::max(1, size.height) / double(dpiX)),
                             QPageSize::Inch, QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    QtCanvas canvas(painter, size, dpiX, dpiY);
    draw(canvas);
    return painter.end();
}

}  // namespace

QImage renderImage(const DisplayList& list)
{
    return drawImage(list.size, list.dpiX, list.dpiY, [&list](Canvas& canvas) { replay(list, canvas); });
}

bool renderPng(const DisplayList& list, const std::string& path) { return savePng(renderImage(list), path); }

bool renderPdf(const DisplayList& list, const std::string& path)
{
    return drawPdf(list.size, list.dpiX, list.dpiY, [&list](Canvas& canvas) { replay(list, canvas); }, path);
}

bool writeSvg(const DisplayList& list, const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << toSvg(list);
    out.close();
    return static_cast<bool>(out);
}

bool drawToPng(Size size, const DrawFunction& draw, const std::string& path, int dpi)
{
    return savePng(drawImage(size, dpi, dpi, draw), path);
}

bool drawToPdf(Size size, const DrawFunction& draw, const std::string& path, int dpi)
{
    return drawPdf(size, dpi, dpi, draw, path);
}

}  // namespace celmora::platform
