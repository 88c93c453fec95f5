// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <algorithm>
#include <cmath>
#include <fstream>
#include <type_traits>

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/Utf8.h"

namespace celmora::platform {

std::string installedFontFamily(const std::string& family)
{
    if (family.find("ゴシック") != std::string::npos) return "Noto Sans CJK JP";
    if (family.find("明朝") != std::string::npos) return "Noto Serif CJK JP";
    return family;
}

int emPixels(const Font& font, int dpiY)
{
    return font.pixelSize ? font.size : (font.size * dpiY + 36) / 72;
}

RecordingCanvas::RecordingCanvas(Size size, int dpiX, int dpiY)
{
    list_.size = size;
    list_.dpiX = dpiX;
    list_.dpiY = dpiY;
}

Size RecordingCanvas::size() const
{
    return list_.size;
}
int RecordingCanvas::dpiX() const
{
    return list_.dpiX;
}
int RecordingCanvas::dpiY() const
{
    return list_.dpiY;
}
void RecordingCanvas::setPen(const Pen& pen)
{
    pen_ = pen;
}
void RecordingCanvas::setBrush(const Brush& brush)
{
    brush_ = brush;
}
void RecordingCanvas::setFont(const Font& font)
{
    font_ = font;
}
const Pen& RecordingCanvas::pen() const
{
    return pen_;
}
const Brush& RecordingCanvas::brush() const
{
    return brush_;
}
const Font& RecordingCanvas::font() const
{
    return font_;
}

void RecordingCanvas::rectangle(const Rect& r)
{
    list_.ops.emplace_back(OpRectangle{r, pen_, brush_});
}
void RecordingCanvas::ellipse(const Rect& boundingBox)
{
    list_.ops.emplace_back(OpEllipse{boundingBox, pen_, brush_});
}
void RecordingCanvas::line(Point from, Point to)
{
    list_.ops.emplace_back(OpLine{from, to, pen_});
}
void RecordingCanvas::polygon(const std::vector<Point>& points)
{
    list_.ops.emplace_back(OpPolygon{points, pen_, brush_});
}
void RecordingCanvas::text(Point topLeft, const std::string& utf8)
{
    list_.ops.emplace_back(OpText{topLeft, utf8, font_, brush_});
}

Size RecordingCanvas::textExtent(const std::string& utf8) const
{
    const int em = emPixels(font_, list_.dpiY);
    int halves = 0;
    for (std::size_t i = 0; i < utf8.size();) halves += utf8::isHalfWidth(utf8::next(utf8, i)) ? 1 : 2;
    return {(halves * em + 1) / 2, em};
}

bool RecordingCanvas::picture(const std::string& path, const Rect& target, const PictureOptions& options)
{
    if (!std::ifstream(path, std::ios::binary)) return false;
    list_.ops.emplace_back(OpPicture{path, target, options});
    return true;
}

Size RecordingCanvas::pictureSize(const std::string& path) const
{
    const auto bytes = picturefile::readBinary(path);
    return bytes ? picturefile::sizeOf(*bytes) : Size{};
}

void RecordingCanvas::shape(const Shape& figure)
{
    list_.ops.emplace_back(OpShape{figure});
}

void Canvas::shape(const Shape& figure)
{
    const Pen pen0 = pen();
    const Brush brush0 = brush();
    const auto whole = [](PointF p) {
        return Point{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
    };
    const int width = std::max(1, static_cast<int>(std::lround(figure.strokeWidth)));
    for (const Contour& c : figure.contours) {
        std::vector<Point> points;
        for (PointF p : c.points) points.push_back(whole(p));
        if (points.empty()) continue;
        if (figure.filled && points.size() > 2) {
            setPen(Pen{figure.fill, 1, figure.stroked ? PenStyle::None : PenStyle::Solid});
            setBrush(Brush{figure.fill, BrushStyle::Solid});
            polygon(points);
        }
        if (!figure.stroked) continue;
        setPen(Pen{figure.stroke, width, PenStyle::Solid});
        for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i]);
        if (c.closed && points.size() > 2) line(points.back(), points.front());
    }
    setPen(pen0);
    setBrush(brush0);
}

DisplayList RecordingCanvas::takeDisplayList()
{
    DisplayList taken = std::move(list_);
    list_ = DisplayList{taken.size, taken.dpiX, taken.dpiY, {}};
    return taken;
}

void replay(const DisplayList& list, Canvas& target)
{
    for (const DisplayOp& op : list.ops) {
        std::visit(
            [&target](const auto& o) {
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, OpRectangle>) {
                    target.setPen(o.pen);
                    target.setBrush(o.brush);
                    target.rectangle(o.rect);
                } else if constexpr (std::is_same_v<T, OpEllipse>) {
                    target.setPen(o.pen);
                    target.setBrush(o.brush);
                    target.ellipse(o.rect);
                } else if constexpr (std::is_same_v<T, OpLine>) {
                    target.setPen(o.pen);
                    target.line(o.from, o.to);
                } else if constexpr (std::is_same_v<T, OpPolygon>) {
                    target.setPen(o.pen);
                    target.setBrush(o.brush);
                    target.polygon(o.points);
                } else if constexpr (std::is_same_v<T, OpText>) {
                    target.setBrush(o.brush);
                    target.setFont(o.font);
                    target.text(o.at, o.text);
                } else if constexpr (std::is_same_v<T, OpShape>) {
                    target.shape(o.shape);
                } else {
                    target.picture(o.path, o.target, o.options);
                }
            },
            op);
    }
}

}  // namespace celmora::platform
