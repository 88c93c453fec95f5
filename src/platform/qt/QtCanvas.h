// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Canvas on any QPainter: a widget's paint event, a QImage, a QPdfWriter or a
// QPrinter page. Geometry follows the raster canvas the drawing code was written
// for: a rectangle's right and bottom edges are exclusive, a 1-pixel outline covers
// exactly the border pixels, text is placed by the top left of its box.
//
// The canvas keeps pen, brush and font as its own state and applies them to the
// painter for every operation, so it can share a painter with other drawing code.

#include <QFont>

#include "platform/Canvas.h"

class QPainter;

namespace celmora::platform {

class QtCanvas final : public Canvas {
public:
    // Size and resolution of the painter's device (on a printer: the printable area).
    explicit QtCanvas(QPainter& painter);
    // Explicit size and resolution, for a device that is larger than the drawing or
    // whose resolution is not the one the drawing was laid out for.
    QtCanvas(QPainter& painter, Size size, int dpiX, int dpiY);

    // Moves the canvas to another painter, keeping pen, brush and font. A printer
    // hands out one canvas object for its whole life and rebinds it per job.
    void bind(QPainter& painter, Size size, int dpiX, int dpiY);

    Size size() const override;
    int dpiX() const override;
    int dpiY() const override;
    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
    void setFont(const Font& font) override;
    const Pen& pen() const override;
    const Brush& brush() const override;
    const Font& font() const override;
    void rectangle(const Rect& r) override;
    void ellipse(const Rect& boundingBox) override;
    void line(Point from, Point to) override;
    void polygon(const std::vector<Point>& points) override;
    void text(Point topLeft, const std::string& utf8) override;
    Size textExtent(const std::string& utf8) const override;
    bool picture(const std::string& path, const Rect& target, const PictureOptions& options) override;
    Size pictureSize(const std::string& path) const override;
    void shape(const Shape& figure) override;

private:
    void applyPen();
    void applyBrush();
    // Ascent of the text box in device pixels (baseline = top + ascent).
    double textAscent() const;
    void refreshFont();

    QPainter* painter_;
    Size size_;
    int dpiX_ = 96, dpiY_ = 96;
    Pen pen_;
    Brush brush_;
    Font font_;
    QFont qfont_;
    bool emBox_ = true;
};

}  // namespace celmora::platform
