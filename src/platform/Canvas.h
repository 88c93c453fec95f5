// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// One drawing interface for every surface: a window, a PNG/SVG/PDF file, a printer
// page, and the recording canvas of the tests. Coordinates are device pixels of the
// surface (origin top left, y down). Drawing code sets pen, brush and font as state,
// as on a raster canvas, and then draws.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace celmora::platform {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    static constexpr Colour rgb(std::uint32_t rrggbb)
    {
        return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                static_cast<std::uint8_t>(rrggbb)};
    }
    // The $BBGGRR form (blue in the high byte) that colour values in the data use.
    static constexpr Colour bgr(std::uint32_t bbggrr)
    {
        return {static_cast<std::uint8_t>(bbggrr), static_cast<std::uint8_t>(bbggrr >> 8),
                static_cast<std::uint8_t>(bbggrr >> 16)};
    }
    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour black = Colour::rgb(0x000000);
inline constexpr Colour white = Colour::rgb(0xFFFFFF);
inline constexpr Colour red = Colour::rgb(0xFF0000);
inline constexpr Colour green = Colour::rgb(0x008000);
inline constexpr Colour lime = Colour::rgb(0x00FF00);
inline constexpr Colour blue = Colour::rgb(0x0000FF);
inline constexpr Colour navy = Colour::rgb(0x000080);
inline constexpr Colour maroon = Colour::rgb(0x800000);
inline constexpr Colour olive = Colour::rgb(0x808000);
inline constexpr Colour purple = Colour::rgb(0x800080);
inline constexpr Colour teal = Colour::rgb(0x008080);
inline constexpr Colour gray = Colour::rgb(0x808080);
inline constexpr Colour silver = Colour::rgb(0xC0C0C0);
inline constexpr Colour yellow = Colour::rgb(0xFFFF00);
inline constexpr Colour fuchsia = Colour::rgb(0xFF00FF);
inline constexpr Colour aqua = Colour::rgb(0x00FFFF);
}  // namespace colours

enum class PenStyle { Solid, Dot, Dash, None };
enum class BrushStyle { Solid, None };

struct Pen {
    Colour colour = colours::black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Colour colour = colours::white;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

// Font families by the names the screens and pages use; the platform maps them to
// installed fonts in one place: "ＭＳ ゴシック"/"ＭＳ Ｐゴシック" -> a Japanese sans
// serif, "ＭＳ 明朝"/"ＭＳ Ｐ明朝" -> a Japanese serif; other names pass through.
struct Font {
    std::string family = "ＭＳ Ｐゴシック";
    int size = 10;  // points, or pixels when `pixelSize`
    bool pixelSize = false;
    bool bold = false;
    Colour colour = colours::black;
    bool opaque = false;  // fill the text box with the brush colour first
    bool operator==(const Font&) const = default;
};

// The installed family that stands for a family name used by screens and pages:
// any "…ゴシック" name -> "Noto Sans CJK JP", any "…明朝" name -> "Noto Serif CJK JP",
// other names unchanged. Every backend (screen, printer, SVG) maps through this.
std::string installedFontFamily(const std::string& family);

// The em height of `font` in device pixels on a surface of vertical resolution
// `dpiY`: points become size × dpiY / 72 rounded half up, a pixel size is used as is.
// Every backend sizes text by this, so a layout measured on one fits on the others.
int emPixels(const Font& font, int dpiY);

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right/bottom exclusive, as on a raster canvas
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

// A point with fractional device coordinates, for figures that must stay sharp when
// the surface has more resolution than its pixel grid (vector files, printers).
struct PointF {
    double x = 0, y = 0;
    bool operator==(const PointF&) const = default;
};

// A vector figure of straight-segment contours (curves come flattened). The fill takes
// every contour as closed and finds the inside by the even-odd rule, so a contour
// inside another cuts a hole; the outline closes only `closed` contours and has round
// caps and joins. Pen and brush are not used: a figure carries its own colours.
struct Contour {
    std::vector<PointF> points;
    bool closed = false;
    bool operator==(const Contour&) const = default;
};

struct Shape {
    std::vector<Contour> contours;
    bool filled = false;
    Colour fill = colours::black;
    bool stroked = false;
    Colour stroke = colours::black;
    double strokeWidth = 1.0;  // device pixels
    bool operator==(const Shape&) const = default;
};

struct PictureOptions {
    bool stretch = true;       // fit into the rectangle; otherwise natural size at its top left
    bool transparent = false;  // pixels of `keyColour` are not drawn
    Colour keyColour = colours::white;
    bool operator==(const PictureOptions&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual Size size() const = 0;
    // Dots per inch of the surface (96 on screens and images, the printer's on paper).
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setFont(const Font& font) = 0;
    virtual const Pen& pen() const = 0;
    virtual const Brush& brush() const = 0;
    virtual const Font& font() const = 0;

    virtual void rectangle(const Rect& r) = 0;          // outline with pen, fill with brush
    virtual void ellipse(const Rect& boundingBox) = 0;  // outline with pen, fill with brush
    virtual void line(Point from, Point to) = 0;
    virtual void polygon(const std::vector<Point>& points) = 0;
    virtual void text(Point topLeft, const std::string& utf8) = 0;  // in the current font
    virtual Size textExtent(const std::string& utf8) const = 0;
    // Returns false (and draws nothing) when the picture file cannot be read.
    virtual bool picture(const std::string& path, const Rect& target, const PictureOptions& options) = 0;
    // Natural size of a picture file; {0,0} when it cannot be read.
    virtual Size pictureSize(const std::string& path) const = 0;
    // A vector figure. The fallback rounds it to whole pixels through polygon() and
    // line(), for surfaces without fractional coordinates.
    virtual void shape(const Shape& figure);
};

// ---- The display list: what a RecordingCanvas records and any backend can replay.

struct OpRectangle {
    Rect rect;
    Pen pen;
    Brush brush;
};
struct OpEllipse {
    Rect rect;
    Pen pen;
    Brush brush;
};
struct OpLine {
    Point from, to;
    Pen pen;
};
struct OpPolygon {
    std::vector<Point> points;
    Pen pen;
    Brush brush;
};
struct OpText {
    Point at;
    std::string text;
    Font font;
    Brush brush;
};
struct OpPicture {
    std::string path;
    Rect target;
    PictureOptions options;
};
struct OpShape {
    Shape shape;
};

using DisplayOp = std::variant<OpRectangle, OpEllipse, OpLine, OpPolygon, OpText, OpPicture, OpShape>;

struct DisplayList {
    Size size;
    int dpiX = 96, dpiY = 96;
    std::vector<DisplayOp> ops;
};

// Records every call. Text extents are estimated (full-width characters are one em
// wide, ASCII half an em) so that layout code runs without a font system.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(Size size, int dpiX = 96, int dpiY = 96);

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

    const DisplayList& displayList() const { return list_; }
    DisplayList takeDisplayList();

private:
    DisplayList list_;
    Pen pen_;
    Brush brush_;
    Font font_;
};

// Replays a display list onto any canvas (a window, a page, a file).
void replay(const DisplayList& list, Canvas& target);

// Writes a display list as an SVG document (UTF-8). Pictures are embedded as data URIs.
std::string toSvg(const DisplayList& list);

}  // namespace celmora::platform
