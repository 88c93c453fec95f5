// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "PictureRender.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <stdexcept>

#include "platform/qt/QtCanvas.h"

namespace celmora::pictures {

namespace {

constexpr int supersample = 8;

void putLe(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

QImage renderPicture(int width, int height, Edge edge, const Drawing& draw)
{
    QImage big(width * supersample, height * supersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter painter(&big);
        platform::QtCanvas canvas(painter, {big.width(), big.height()}, 96, 96);
        const double side = std::min(width, height) * supersample;
        glyphs::GlyphPainter glyphs(canvas, glyphs::Transform()
                                                .translate((big.width() - side) / 2.0, (big.height() - side) / 2.0)
                                                .scale(side / 100.0, side / 100.0));
        draw(glyphs);
    }

    QImage out(width, height, QImage::Format_RGB32);
    constexpr double samples = supersample * supersample;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < supersample; ++sy) {
                const auto* row = reinterpret_cast<const QRgb*>(big.constScanLine(y * supersample + sy));
                for (int sx = 0; sx < supersample; ++sx) {
                    const QRgb p = row[x * supersample + sx];
                    r += qRed(p), g += qGreen(p), b += qBlue(p), a += qAlpha(p);
                }
            }
            r /= samples, g /= samples, b /= samples, a /= samples;  // premultiplied averages
            const double coverage = a / 255.0;
            QRgb pixel = keyColour;
            if (edge == Edge::Hard ? coverage >= 0.5 : coverage >= 0.25) {
                if (edge == Edge::Hard) {
                    pixel = qRgb(qRound(r / coverage), qRound(g / coverage), qRound(b / coverage));
                } else {
                    const double white = 255.0 * (1.0 - coverage);
                    pixel = qRgb(qRound(r + white), qRound(g + white), qRound(b + white));
                }
                if ((pixel & 0xFFFFFFu) == keyColour) pixel = qRgb(0xFE, 0xFE, 0xFE);
            }
            out.setPixel(x, y, pixel);
        }
    }
    return out;
}

void saveBmp(const QImage& image, const QString& path)
{
    // Written by hand: the format is tiny, and this pins it to 24 bits a pixel, bottom-up
    // rows padded to 4 bytes, no colour table, whatever the toolkit's writer prefers.
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    const quint32 pixelBytes = static_cast<quint32>(rowBytes * image.height());
    QByteArray data;
    data.append("BM");
    putLe(data, 54 + pixelBytes, 4);
    putLe(data, 0, 4);
    putLe(data, 54, 4);  // offset of the pixels
    putLe(data, 40, 4);  // BITMAPINFOHEADER
    putLe(data, static_cast<quint32>(image.width()), 4);
    putLe(data, static_cast<quint32>(image.height()), 4);  // positive: bottom-up
    putLe(data, 1, 2);
    putLe(data, 24, 2);
    putLe(data, 0, 4);  // BI_RGB
    putLe(data, pixelBytes, 4);
    putLe(data, 3780, 4);  // 96 dpi in pixels per metre
    putLe(data, 3780, 4);
    putLe(data, 0, 4);
    putLe(data, 0, 4);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            data.append(static_cast<char>(qBlue(p)));
            data.append(static_cast<char>(qGreen(p)));
            data.append(static_cast<char>(qRed(p)));
        }
        for (int pad = image.width() * 3; pad < rowBytes; ++pad) data.append('\0');
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw std::runtime_error(path.toStdString() + ": cannot be written");
}

}  // namespace celmora::pictures
