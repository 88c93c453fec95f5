// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/qt/QtCanvas.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <unordered_map>

#include "platform/qt/FontMap.h"

namespace celmora::platform {

namespace {

// Ascent of the em square in Noto CJK (OS/2 typo ascender 880 of 1000 units); the
// rest of the em, 0.12, lies below the baseline.
constexpr double emBoxAscent = 0.88;

// Dash patterns in pen widths, the same as the SVG writer's: dots 1 on / 2 off,
// dashes 4 on / 2 off.
const QList<qreal> dotPattern{1, 2};
const QList<qreal> dashPattern{4, 2};

QColor toQColor(Colour c)
{
    return QColor(c.r, c.g, c.b);
}

QPen toQPen(const Pen& pen)
{
    if (pen.style == PenStyle::None) return QPen(Qt::NoPen);
    // A width of 0 draws one pixel wide, as on the raster canvas.
    const int width = std::max(1, pen.width);
    QPen q(toQColor(pen.colour));
    q.setWidth(width);
    if (pen.style == PenStyle::Dot || pen.style == PenStyle::Dash) {
        q.setDashPattern(pen.style == PenStyle::Dot ? dotPattern : dashPattern);
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else if (width == 1) {
        // Flat ends, so that line() can end a line exactly at a pixel edge; mitred
        // corners, so that a polygon's corner pixels are covered.
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    return q;
}

// A pixel coordinate names the pixel, whose centre is half a pixel further. A stroke
// of odd width runs through pixel centres, one of even width along pixel edges, so
// that either covers whole pixels: a 1-pixel line is one sharp pixel wide.
QPointF strokePoint(Point p, const Pen& pen)
{
    const double d = pen.style != PenStyle::None && std::max(1, pen.width) % 2 == 1 ? 0.5 : 0.0;
    return QPointF(p.x + d, p.y + d);
}

// The outline path of a box with exclusive right/bottom edges: inset by half the
// pen, so the whole outline lies inside the box (the SVG writer does the same).
QRectF outlineBox(const Rect& r, const Pen& pen)
{
    const QRectF box = QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
    const double inset = std::max(1, pen.width) / 2.0;
    return box.adjusted(inset, inset, -inset, -inset);
}

QRectF fillBox(const Rect& r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
}

// Pictures are installed files read again and again (every repaint of a wheel), so
// they are decoded once per process. An entry is dropped when the file's time or
// size changes.
class PictureCache {
public:
    static PictureCache& instance()
    {
        static PictureCache cache;
        return cache;
    }

    // A null image when the file cannot be read. With `transparent`, pixels of the
    // key colour have alpha 0.
    QImage image(const std::string& path, bool transparent, Colour key)
    {
        const QFileInfo info(QString::fromStdString(path));
        std::lock_guard lock(mutex_);
        if (!info.isFile()) {
            entries_.erase(path);
            return {};
        }
        auto it = entries_.find(path);
        if (it != entries_.end() && (it->second.modified != info.lastModified() || it->second.bytes != info.size())) {
            entries_.erase(it);
            it = entries_.end();
        }
        if (it == entries_.end()) {
            QImage plain(info.filePath());
            if (plain.isNull()) return {};
            it = entries_.emplace(path, Entry{info.lastModified(), info.size(), std::move(plain), {}}).first;
        }
        Entry& entry = it->second;
        if (!transparent) return entry.plain;
        const QRgb rgbKey = qRgb(key.r, key.g, key.b) & RGB_MASK;
        auto keyed = entry.keyed.find(rgbKey);
        if (keyed == entry.keyed.end())
            keyed = entry.keyed.emplace(rgbKey, withTransparentKey(entry.plain, rgbKey)).first;
        return keyed->second;
    }

private:
    struct Entry {
        QDateTime modified;
        qint64 bytes = 0;
        QImage plain;
        std::map<QRgb, QImage> keyed;  // by key colour (RGB, no alpha)
    };

    static QImage withTransparentKey(const QImage& source, QRgb key)
    {
        QImage out = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < out.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if ((row[x] & RGB_MASK) == key) row[x] = 0;
        }
        return out;
    }

    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
};

Size deviceSize(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device ? Size{device->width(), device->height()} : Size{};
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter)
    : QtCanvas(painter, deviceSize(painter), painter.device() ? painter.device()->logicalDpiX() : 96,
               painter.device() ? painter.device()->logicalDpiY() : 96)
{
}

QtCanvas::QtCanvas(QPainter& painter, Size size, int dpiX, int dpiY) : painter_(&painter)
{
    bind(painter, size, dpiX, dpiY);
}

void QtCanvas::bind(QPainter& painter, Size size, int dpiX, int dpiY)
{
    painter_ = &painter;
    size_ = size;
    dpiX_ = dpiX;
    dpiY_ = dpiY;
    // Paper output ignores the hints; on screens and images they smooth the wheels.
    painter_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    refreshFont();
}

Size QtCanvas::size() const
{
    return size_;
}
int QtCanvas::dpiX() const
{
    return dpiX_;
}
int QtCanvas::dpiY() const
{
    return dpiY_;
}

void QtCanvas::setPen(const Pen& pen)
{
    pen_ = pen;
}
void QtCanvas::setBrush(const Brush& brush)
{
    brush_ = brush;
}

void QtCanvas::setFont(const Font& font)
{
    font_ = font;
    refreshFont();
}

const Pen& QtCanvas::pen() const
{
    return pen_;
}
const Brush& QtCanvas::brush() const
{
    return brush_;
}
const Font& QtCanvas::font() const
{
    return font_;
}

void QtCanvas::refreshFont()
{
    qfont_ = toQFont(font_, dpiY_);
    emBox_ = usesEmBox(font_.family);
}

void QtCanvas::applyPen()
{
    painter_->setPen(toQPen(pen_));
}

void QtCanvas::applyBrush()
{
    if (brush_.style == BrushStyle::None)
        painter_->setBrush(Qt::NoBrush);
    else
        painter_->setBrush(toQColor(brush_.colour));
}

void QtCanvas::rectangle(const Rect& r)
{
    if (pen_.style != PenStyle::Solid) {
        applyPen();
        applyBrush();
        painter_->drawRect(pen_.style == PenStyle::None ? fillBox(r) : outlineBox(r, pen_));
        return;
    }
    // A solid outline is filled as four bands: a stroked rectangle leaves partly
    // covered corner pixels when antialiased, and the bands are exact on any device.
    const QRect box = fillBox(r).toRect();
    if (box.isEmpty()) return;
    const int w = std::max(1, pen_.width);
    const QColor ink = toQColor(pen_.colour);
    if (2 * w >= box.width() || 2 * w >= box.height()) {
        painter_->fillRect(box, ink);  // all outline, no inside
        return;
    }
    if (brush_.style == BrushStyle::Solid) painter_->fillRect(box.adjusted(w, w, -w, -w), toQColor(brush_.colour));
    painter_->fillRect(QRect(box.left(), box.top(), box.width(), w), ink);
    painter_->fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), ink);
    painter_->fillRect(QRect(box.left(), box.top() + w, w, box.height() - 2 * w), ink);
    painter_->fillRect(QRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w), ink);
}

void QtCanvas::ellipse(const Rect& boundingBox)
{
    applyPen();
    applyBrush();
    painter_->drawEllipse(pen_.style == PenStyle::None ? fillBox(boundingBox) : outlineBox(boundingBox, pen_));
}

void QtCanvas::line(Point from, Point to)
{
    if (pen_.style == PenStyle::None || from == to) return;
    applyPen();
    QPointF a = strokePoint(from, pen_), b = strokePoint(to, pen_);
    if (painter_->pen().capStyle() == Qt::FlatCap) {
        // As on a raster canvas the first pixel is drawn and the last one is not, so
        // that lines meeting end to start neither leave a gap nor overlap.
        const QPointF d = b - a;
        const QPointF half = d / (2.0 * std::hypot(d.x(), d.y()));
        a -= half;
        b -= half;
    }
    painter_->drawLine(a, b);
}

void QtCanvas::polygon(const std::vector<Point>& points)
{
    if (points.empty()) return;
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (Point p : points) poly << strokePoint(p, pen_);
    applyPen();
    applyBrush();
    painter_->drawPolygon(poly);
}

double QtCanvas::textAscent() const
{
    if (emBox_) return emBoxAscent * qfont_.pixelSize();
    const QPaintDevice* device = painter_->device();
    return (device ? QFontMetricsF(qfont_, device) : QFontMetricsF(qfont_)).ascent();
}

void QtCanvas::text(Point topLeft, const std::string& utf8)
{
    if (utf8.empty()) return;
    if (font_.opaque) {
        const Size box = textExtent(utf8);
        painter_->fillRect(QRect(topLeft.x, topLeft.y, box.width, box.height), toQColor(brush_.colour));
    }
    painter_->setFont(qfont_);
    painter_->setPen(toQColor(font_.colour));
    painter_->drawText(QPointF(topLeft.x, topLeft.y + textAscent()), QString::fromStdString(utf8));
}

Size QtCanvas::textExtent(const std::string& utf8) const
{
    const QPaintDevice* device = painter_->device();
    const QFontMetricsF metrics = device ? QFontMetricsF(qfont_, device) : QFontMetricsF(qfont_);
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(QString::fromStdString(utf8))));
    const int height = emBox_ ? qfont_.pixelSize() : static_cast<int>(std::ceil(metrics.height()));
    return {width, height};
}

bool QtCanvas::picture(const std::string& path, const Rect& target, const PictureOptions& options)
{
    const QImage image = PictureCache::instance().image(path, options.transparent, options.keyColour);
    if (image.isNull()) return false;
    if (options.stretch)
        painter_->drawImage(QRect(target.left, target.top, target.width(), target.height()), image);
    else
        painter_->drawImage(QPoint(target.left, target.top), image);
    return true;
}

Size QtCanvas::pictureSize(const std::string& path) const
{
    const QImage image = PictureCache::instance().image(path, false, {});
    return {image.width(), image.height()};
}

}  // namespace celmora::platform

namespace celmora::platform {

void QtCanvas::shape(const Shape& figure)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const Contour& c : figure.contours) {
        if (c.points.empty()) continue;
        path.moveTo(c.points.front().x, c.points.front().y);
        for (std::size_t i = 1; i < c.points.size(); ++i) path.lineTo(c.points[i].x, c.points[i].y);
        if (c.closed) path.closeSubpath();
    }
    painter_->save();
    if (figure.stroked) {
        QPen pen(toQColor(figure.stroke), figure.strokeWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter_->setPen(pen);
    } else {
        painter_->setPen(Qt::NoPen);
    }
    if (figure.filled)
        painter_->setBrush(toQColor(figure.fill));
    else
        painter_->setBrush(Qt::NoBrush);
    painter_->drawPath(path);
    painter_->restore();
}

}  // namespace celmora::platform
