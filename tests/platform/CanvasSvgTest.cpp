// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Canvas.h"
#include "platform/PictureFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <vector>

namespace celmora::platform {
namespace {

// A deliberately small XML checker: one root element, every tag closed in order,
// attribute values quoted, no raw '<' or stray '&' in text or values. Enough to
// catch an unescaped character or an unbalanced element in the writer's output.
bool wellFormed(const std::string& xml, std::string& why)
{
    std::vector<std::string> open;
    std::size_t i = 0;
    int roots = 0;
    auto entityOk = [&](std::size_t at) {
        for (const char* e : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
            if (xml.compare(at, std::char_traits<char>::length(e), e) == 0) return true;
        }
        return false;
    };
    if (xml.rfind("<?xml", 0) == 0) i = xml.find("?>") + 2;
    while (i < xml.size()) {
        if (xml[i] == '&' && !entityOk(i)) return why = "stray & at " + std::to_string(i), false;
        if (xml[i] != '<') {
            if (open.empty() && xml[i] != '\n' && xml[i] != ' ') return why = "text outside the root", false;
            ++i;
            continue;
        }
        const bool closing = xml[i + 1] == '/';
        std::size_t j = i + (closing ? 2 : 1);
        const std::size_t nameStart = j;
        while (j < xml.size() && (std::isalnum(static_cast<unsigned char>(xml[j])) || xml[j] == ':' || xml[j] == '-')) ++j;
        const std::string name = xml.substr(nameStart, j - nameStart);
        if (name.empty()) return why = "tag without a name at " + std::to_string(i), false;
        if (closing) {
            if (open.empty() || open.back() != name) return why = "unbalanced </" + name + ">", false;
            open.pop_back();
            i = xml.find('>', j) + 1;
            continue;
        }
        // Attributes: name="value" with no '<' inside the value.
        while (true) {
            while (xml[j] == ' ' || xml[j] == '\n') ++j;
            if (xml[j] == '>' || xml.compare(j, 2, "/>") == 0) break;
            const std::size_t eq = xml.find('=', j);
            if (eq == std::string::npos || xml[eq + 1] != '"') return why = "unquoted attribute in <" + name + ">", false;
            const std::size_t end = xml.find('"', eq + 2);
            for (std::size_t k = eq + 2; k < end; ++k) {
                if (xml[k] == '<') return why = "'<' in an attribute of <" + name + ">", false;
                if (xml[k] == '&' && !entityOk(k)) return why = "stray & in an attribute of <" + name + ">", false;
            }
            j = end + 1;
        }
        if (open.empty()) ++roots;
        if (xml[j] == '>') {
            open.push_back(name);
            i = j + 1;
        } else {
            i = j + 2;
        }
    }
    if (!open.empty()) return why = "<" + open.back() + "> not closed", false;
    if (roots != 1) return why = "expected one root element", false;
    return true;
}

std::string decodeBase64(const std::string& text)
{
    std::string out;
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        int v = -1;
        if (c >= 'A' && c <= 'Z') v = c - 'A';
        if (c >= 'a' && c <= 'z') v = c - 'a' + 26;
        if (c >= '0' && c <= '9') v = c - '0' + 52;
        if (c == '+') v = 62;
        if (c == '/') v = 63;
        if (v < 0) continue;
        bits = bits << 6 | static_cast<std::uint32_t>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return out;
}

// A 24-bit bottom-up BMP: `rows` given top to bottom, each pixel 0xRRGGBB.
std::string bmp24(const std::vector<std::vector<std::uint32_t>>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows[0].size());
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string b(54 + static_cast<std::size_t>(stride * height), '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<char>(v >> (8 * k));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 54 + static_cast<std::size_t>(stride * (height - 1 - y));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            b[row + static_cast<std::size_t>(x) * 3] = static_cast<char>(p);
            b[row + static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(p >> 8);
            b[row + static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(p >> 16);
        }
    }
    return b;
}

// The pixels of a PNG as this writer produces it (RGBA, stored deflate blocks):
// chunk walk, then the blocks' payload without the row filter bytes.
std::vector<std::uint8_t> pngPixels(const std::string& png, int& width, int& height)
{
    auto be32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(png[at])) << 24 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 1])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 2])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 3]));
    };
    std::string zlib;
    for (std::size_t at = 8; at + 8 <= png.size();) {
        const std::uint32_t length = be32(at);
        const std::string type = png.substr(at + 4, 4);
        if (type == "IHDR") {
            width = static_cast<int>(be32(at + 8));
            height = static_cast<int>(be32(at + 12));
        }
        if (type == "IDAT") zlib += png.substr(at + 8, length);
        at += 12 + length;
    }
    std::string raw;
    for (std::size_t at = 2; at + 5 <= zlib.size() - 4;) {
        const std::size_t n = static_cast<unsigned char>(zlib[at + 1]) | static_cast<unsigned char>(zlib[at + 2]) << 8;
        raw += zlib.substr(at + 5, n);
        at += 5 + n;
    }
    std::vector<std::uint8_t> pixels;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * (rowBytes + 1);
        EXPECT_EQ(raw[row], '\0') << "filter type of row " << y;
        pixels.insert(pixels.end(), raw.begin() + static_cast<std::ptrdiff_t>(row + 1),
                      raw.begin() + static_cast<std::ptrdiff_t>(row + 1 + rowBytes));
    }
    return pixels;
}

TEST(CanvasSvgTest, DisplayListBecomesWellFormedSvgWithMappedFonts)
{
    testing::TempDir dir;
    std::ofstream(dir / "sign.bmp", std::ios::binary) << bmp24({{0xFFFFFF, 0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF, 0x123456}});

    RecordingCanvas canvas({400, 300});
    canvas.setPen({colours::navy, 1, PenStyle::Dot});
    canvas.line({10, 10}, {100, 10});
    canvas.setPen({colours::red, 2, PenStyle::Solid});
    canvas.setBrush({colours::yellow, BrushStyle::None});
    canvas.ellipse({50, 50, 150, 150});
    canvas.polygon({{1, 1}, {5, 1}, {3, 4}});
    canvas.setFont({"ＭＳ ゴシック", 12, false, true, colours::maroon, false});
    canvas.text({20, 200}, "太陽 & 月 <獅子座>");
    canvas.setFont({"ＭＳ Ｐ明朝", 10, false, false, colours::black, true});
    canvas.text({20, 240}, "\"引用\"\x01");
    EXPECT_TRUE(canvas.picture(dir / "sign.bmp", {300, 10, 330, 30}, {true, true, colours::white}));
    EXPECT_FALSE(canvas.picture(dir / "missing.bmp", {0, 0, 10, 10}, {}));
    EXPECT_EQ(canvas.pictureSize(dir / "sign.bmp"), (Size{3, 2}));

    const std::string svg = toSvg(canvas.displayList());
    std::string why;
    EXPECT_TRUE(wellFormed(svg, why)) << why << "\n" << svg;
    EXPECT_NE(svg.find(">太陽 &amp; 月 &lt;獅子座&gt;</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">&quot;引用&quot;</text>"), std::string::npos) << "control characters are dropped";
    EXPECT_NE(svg.find("font-family=\"&apos;Noto Sans CJK JP&apos;, sans-serif\""), std::string::npos);
    EXPECT_NE(svg.find("font-family=\"&apos;Noto Serif CJK JP&apos;, serif\""), std::string::npos);
    EXPECT_NE(svg.find("font-size=\"16px\" font-weight=\"bold\" fill=\"#800000\""), std::string::npos)
        << "12 pt at 96 dpi is 16 px";
    EXPECT_NE(svg.find("stroke=\"#000080\" stroke-width=\"1\" stroke-dasharray="), std::string::npos);
    EXPECT_NE(svg.find("<line x1=\"10.5\" y1=\"10.5\""), std::string::npos) << "odd pens sit on pixel centres";
    EXPECT_NE(svg.find("<ellipse cx=\"100\" cy=\"100\" rx=\"49\" ry=\"49\" fill=\"none\""), std::string::npos);
    EXPECT_EQ(svg.find("missing.bmp"), std::string::npos);

    // The picture is embedded, its white key colour made transparent.
    const std::string marker = "xlink:href=\"data:image/png;base64,";
    const std::size_t at = svg.find(marker);
    ASSERT_NE(at, std::string::npos);
    const std::string png = decodeBase64(svg.substr(at + marker.size(), svg.find('"', at + marker.size()) - at - marker.size()));
    int width = 0, height = 0;
    const auto pixels = pngPixels(png, width, height);
    ASSERT_EQ(width, 3);
    ASSERT_EQ(height, 2);
    const std::vector<std::uint8_t> expected = {
        255, 255, 255, 0,   255, 0, 0,   255, 0,    255,  0,    255,  // top row
        0,   0,   255, 255, 255, 255, 255, 0, 0x12, 0x34, 0x56, 255,  // bottom row
    };
    EXPECT_EQ(pixels, expected);
}

TEST(CanvasSvgTest, PaletteBmpDecodes)
{
    // 2x1, 4 bits a pixel, palette {black, red}: pixel values 1 then 0.
    std::string b = bmp24({{0, 0}});
    b.resize(54 + 8 + 4);
    b[10] = static_cast<char>(62);
    b[28] = 4;
    b[46] = 2;                     // palette entries used
    b[54 + 4 + 2] = static_cast<char>(0xFF);  // entry 1 = red (B, G, R, 0)
    b[62] = 0x10;
    const auto image = picturefile::decodeBmp(b);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->rgba, (std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 0, 255}));
}

// Damaged headers: counts and offsets from the file never lead to a read past its end.
TEST(CanvasSvgTest, DamagedBmpHeadersAreRefused)
{
    // 1x1, 8 bits a pixel, a palette of one entry (red) in the file, pixel index 0.
    std::string b = bmp24({{0}});
    b.resize(54 + 4 + 4);
    b[10] = static_cast<char>(58);
    b[28] = 8;
    b[46] = 1;
    b[54 + 2] = static_cast<char>(0xFF);
    const auto intact = picturefile::decodeBmp(b);
    ASSERT_TRUE(intact);
    EXPECT_EQ(intact->rgba, (std::vector<std::uint8_t>{255, 0, 0, 255}));
    struct Case {
        const char* what;
        std::size_t at;
        std::uint32_t value;
    };
    for (const Case& c : {Case{"palette count that wraps the size check", 46, 0x40000001u},
                          Case{"palette count beyond 2^bits", 46, 257u},
                          Case{"header size beyond the file", 14, 0xFFFFFFF0u},
                          Case{"data offset beyond the file", 10, 0xFFFFFFFFu},
                          Case{"negative width", 18, 0xFFFFFFFFu}}) {
        SCOPED_TRACE(c.what);
        std::string damaged = b;
        for (int k = 0; k < 4; ++k) damaged[c.at + static_cast<std::size_t>(k)] = static_cast<char>((c.value >> (8 * k)) & 0xFF);
        EXPECT_FALSE(picturefile::decodeBmp(damaged));
    }
}

TEST(CanvasSvgTest, ReplayReproducesTheRecordingAndExtentsFollowCharacterWidths)
{
    RecordingCanvas source({200, 100});
    source.setFont({"ＭＳ ゴシック", 10, false, false, colours::black, false});
    EXPECT_EQ(source.textExtent("ＡＢ"), (Size{26, 13})) << "10 pt at 96 dpi: 13 px em, full-width one em";
    EXPECT_EQ(source.textExtent("AB"), (Size{13, 13}));
    EXPECT_EQ(source.textExtent("ｱｲ"), (Size{13, 13})) << "half-width katakana are half an em";
    source.setPen({colours::blue, 3, PenStyle::Dash});
    source.setBrush({colours::silver, BrushStyle::Solid});
    source.rectangle({0, 0, 10, 10});
    source.line({0, 0}, {5, 5});
    source.text({1, 2}, "牡羊");

    RecordingCanvas copy({200, 100});
    replay(source.displayList(), copy);
    EXPECT_EQ(toSvg(copy.displayList()), toSvg(source.displayList()));
    EXPECT_EQ(copy.displayList().ops.size(), 3u);

    const DisplayList taken = copy.takeDisplayList();
    EXPECT_EQ(taken.ops.size(), 3u);
    EXPECT_TRUE(copy.displayList().ops.empty());
    EXPECT_EQ(copy.size(), (Size{200, 100}));
}

}  // namespace
}  // namespace celmora::platform
