// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// Display list -> SVG. Coordinates follow the raster canvas: integer pixel edges,
// right/bottom exclusive. An outline of odd width is drawn on pixel centres (offset
// by half a pixel) so that a 1-pixel line covers exactly one row of pixels, as on
// the screen.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <type_traits>

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/Utf8.h"

namespace celmora::platform {

namespace {

// Ascent of the Noto CJK faces as a fraction of the em: SVG places text by its
// baseline, the canvas by the top of the text box.
constexpr double fontAscent = 0.88;

std::string num(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string num(int v)
{
    return std::to_string(v);
}

std::string colour(Colour c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
    return buffer;
}

// Escapes for text and attribute values; drops the control characters XML 1.0 does
// not allow and replaces malformed UTF-8 so that the document stays well-formed.
std::string xmlEscape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = utf8::next(text, i);
        switch (cp) {
            case U'&':
                out += "&amp;";
                break;
            case U'<':
                out += "&lt;";
                break;
            case U'>':
                out += "&gt;";
                break;
            case U'"':
                out += "&quot;";
                break;
            case U'\'':
                out += "&apos;";
                break;
            default:
                if (cp < 0x20 && cp != U'\t' && cp != U'\n' && cp != U'\r') break;
                if (cp == 0xFFFE || cp == 0xFFFF) break;
                utf8::append(out, cp);
        }
    }
    return out;
}

double penOffset(const Pen& pen)
{
    return pen.style != PenStyle::None && pen.width % 2 == 1 ? 0.5 : 0.0;
}

std::string stroke(const Pen& pen)
{
    if (pen.style == PenStyle::None) return " stroke=\"none\"";
    const int w = std::max(1, pen.width);
    std::string s = " stroke=\"" + colour(pen.colour) + "\" stroke-width=\"" + num(w) + "\"";
    if (pen.style == PenStyle::Dot) s += " stroke-dasharray=\"" + num(w) + "," + num(2 * w) + "\"";
    if (pen.style == PenStyle::Dash) s += " stroke-dasharray=\"" + num(4 * w) + "," + num(2 * w) + "\"";
    return s;
}

std::string fill(const Brush& brush)
{
    return brush.style == BrushStyle::None ? " fill=\"none\"" : " fill=\"" + colour(brush.colour) + "\"";
}

std::string fontFamilyList(const std::string& family)
{
    const std::string installed = installedFontFamily(family);
    std::string list = "'" + installed + "'";
    if (installed == "Noto Sans CJK JP") list += ", sans-serif";
    if (installed == "Noto Serif CJK JP") list += ", serif";
    return list;
}

// The rectangle (or ellipse box) as the outline's centre line: inset by half the pen.
struct Box {
    double x, y, w, h;
};

Box outlineBox(const Rect& r, const Pen& pen)
{
    const double inset = pen.style == PenStyle::None ? 0.0 : std::max(1, pen.width) / 2.0;
    return {r.left + inset, r.top + inset, std::max(0.0, r.width() - 2 * inset), std::max(0.0, r.height() - 2 * inset)};
}

void writeText(std::string& svg, const OpText& op, int dpiY)
{
    const int em = emPixels(op.font, dpiY);
    if (op.font.opaque) {
        int halves = 0;
        for (std::size_t i = 0; i < op.text.size();) halves += utf8::isHalfWidth(utf8::next(op.text, i)) ? 1 : 2;
        svg += "<rect x=\"" + num(op.at.x) + "\" y=\"" + num(op.at.y) + "\" width=\"" + num((halves * em + 1) / 2) +
               "\" height=\"" + num(em) + "\" fill=\"" + colour(op.brush.colour) + "\" stroke=\"none\"/>\n";
    }
    svg += "<text x=\"" + num(op.at.x) + "\" y=\"" + num(op.at.y + fontAscent * em) + "\" font-family=\"" +
           xmlEscape(fontFamilyList(op.font.family)) + "\" font-size=\"" + num(em) + "px\"";
    if (op.font.bold) svg += " font-weight=\"bold\"";
    svg += " fill=\"" + colour(op.font.colour) + "\" xml:space=\"preserve\">" + xmlEscape(op.text) + "</text>\n";
}

void writePicture(std::string& svg, const OpPicture& op)
{
    const auto bytes = picturefile::readBinary(op.path);
    if (!bytes) return;
    std::string data = *bytes;
    std::string mime = picturefile::mimeTypeOf(data);
    if (mime.empty()) return;
    const Size natural = picturefile::sizeOf(data);

    // BMP is turned into PNG where it can be decoded: every SVG viewer reads PNG, and
    // the key colour of a transparent picture becomes real transparency.
    if (mime == "image/bmp") {
        if (auto image = picturefile::decodeBmp(data)) {
            if (op.options.transparent) {
                const Colour key = op.options.keyColour;
                for (std::size_t i = 0; i + 3 < image->rgba.size(); i += 4) {
                    if (image->rgba[i] == key.r && image->rgba[i + 1] == key.g && image->rgba[i + 2] == key.b) {
                        image->rgba[i + 3] = 0;
                    }
                }
            }
            data = picturefile::encodePng(*image);
            mime = "image/png";
        }
    }
    const int width = op.options.stretch ? op.target.width() : natural.width;
    const int height = op.options.stretch ? op.target.height() : natural.height;
    svg += "<image x=\"" + num(op.target.left) + "\" y=\"" + num(op.target.top) + "\" width=\"" + num(width) +
           "\" height=\"" + num(height) + "\" preserveAspectRatio=\"none\" xlink:href=\"data:" + mime + ";base64," +
           picturefile::base64(data) + "\"/>\n";
}

void writeShape(std::string& svg, const Shape& shape)
{
    std::string d;
    for (const Contour& c : shape.contours) {
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            d += (i == 0 ? (d.empty() ? "M" : " M") : " L") + num(c.points[i].x) + " " + num(c.points[i].y);
        }
        if (c.closed && !c.points.empty()) d += " Z";
    }
    if (d.empty()) return;
    svg += "<path d=\"" + d + "\"";
    svg += shape.filled ? " fill=\"" + colour(shape.fill) + "\" fill-rule=\"evenodd\"" : std::string(" fill=\"none\"");
    if (shape.stroked) {
        svg += " stroke=\"" + colour(shape.stroke) + "\" stroke-width=\"" + num(shape.strokeWidth) +
               "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    } else {
        svg += " stroke=\"none\"";
    }
    svg += "/>\n";
}

}  // namespace

std::string toSvg(const DisplayList& list)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg +=
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" "
        "width=\"" +
        num(list.size.width) + "\" height=\"" + num(list.size.height) + "\" viewBox=\"0 0 " + num(list.size.width) +
        " " + num(list.size.height) + "\">\n";
    for (const DisplayOp& op : list.ops) {
        std::visit(
            [&](const auto& o) {
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, OpRectangle>) {
                    const Box b = outlineBox(o.rect, o.pen);
                    svg += "<rect x=\"" + num(b.x) + "\" y=\"" + num(b.y) + "\" width=\"" + num(b.w) + "\" height=\"" +
                           num(b.h) + "\"" + fill(o.brush) + stroke(o.pen) + "/>\n";
                } else if constexpr (std::is_same_v<T, OpEllipse>) {
                    const Box b = outlineBox(o.rect, o.pen);
                    svg += "<ellipse cx=\"" + num(b.x + b.w / 2) + "\" cy=\"" + num(b.y + b.h / 2) + "\" rx=\"" +
                           num(b.w / 2) + "\" ry=\"" + num(b.h / 2) + "\"" + fill(o.brush) + stroke(o.pen) + "/>\n";
                } else if constexpr (std::is_same_v<T, OpLine>) {
                    const double d = penOffset(o.pen);
                    svg += "<line x1=\"" + num(o.from.x + d) + "\" y1=\"" + num(o.from.y + d) + "\" x2=\"" +
                           num(o.to.x + d) + "\" y2=\"" + num(o.to.y + d) + "\"" + stroke(o.pen) + "/>\n";
                } else if constexpr (std::is_same_v<T, OpPolygon>) {
                    const double d = penOffset(o.pen);
                    std::string points;
                    for (const Point& p : o.points) {
                        if (!points.empty()) points += ' ';
                        points += num(p.x + d) + "," + num(p.y + d);
                    }
                    svg += "<polygon points=\"" + points + "\"" + fill(o.brush) + stroke(o.pen) + "/>\n";
                } else if constexpr (std::is_same_v<T, OpText>) {
                    writeText(svg, o, list.dpiY);
                } else if constexpr (std::is_same_v<T, OpShape>) {
                    writeShape(svg, o.shape);
                } else {
                    writePicture(svg, o);
                }
            },
            op);
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace celmora::platform
