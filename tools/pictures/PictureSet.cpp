// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "PictureSet.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "glyphs/BodyGlyphs.h"
#include "glyphs/SignEmblems.h"

namespace celmora::pictures {

using glyphs::descendingNode;
using glyphs::EmblemFrame;
using glyphs::GlyphPainter;
using glyphs::rgb;

namespace {

constexpr std::array<const char*, 12> signFileNames = {"COLari.bmp", "COLtau.bmp", "COLgem.bmp", "COLcnc.bmp",
                                                       "COLleo.bmp", "COLvir.bmp", "COLlib.bmp", "COLsco.bmp",
                                                       "COLsgr.bmp", "COLcap.bmp", "COLaqr.bmp", "COLpsc.bmp"};

struct BodyLook {
    int body;
    const char* stem;
    platform::Colour colour;
};

// Chart order, then the descending node.
const std::array<BodyLook, 14> bodies = {{
    {1, "Sun", rgb(0xE0, 0x6A, 0x00)},
    {2, "Moon", rgb(0x3C, 0x64, 0xB4)},
    {3, "Mercury", rgb(0x1F, 0x85, 0x5A)},
    {4, "Venus", rgb(0xC2, 0x18, 0x6B)},
    {5, "Mars", rgb(0xD0, 0x10, 0x10)},
    {6, "Jupiter", rgb(0x6A, 0x1B, 0x9A)},
    {7, "Saturn", rgb(0x5D, 0x40, 0x37)},
    {8, "Uranus", rgb(0x00, 0x86, 0x9A)},
    {9, "Neptune", rgb(0x1A, 0x3F, 0xA8)},
    {10, "Pluto", rgb(0x8B, 0x00, 0x00)},
    {11, "DragonH", rgb(0x4E, 0x6B, 0x12)},
    {12, "ASC", rgb(0x00, 0x00, 0x80)},
    {13, "MC", rgb(0x00, 0x00, 0x80)},
    {descendingNode, "DragonT", rgb(0x4E, 0x6B, 0x12)},
}};

constexpr int iconSize = 16;
constexpr double iconStroke = 11.0;  // design units: 1.75 px at 16 px
constexpr int symbolSize = 40;
constexpr double symbolStroke = 8.0;  // 3.2 px at 40 px

std::vector<PictureDef> build()
{
    std::vector<PictureDef> list;
    for (const BodyLook& b : bodies) {
        list.push_back({"icon", QString(b.stem) + ".bmp", iconSize, iconSize, Edge::Hard,
                        [b](GlyphPainter& p) { glyphs::drawBodyGlyph(p, b.body, b.colour, iconStroke); }});
    }
    for (int sign = 1; sign <= 12; ++sign) {
        list.push_back({"bmp", signFileNames[static_cast<std::size_t>(sign - 1)], 60, 58, Edge::Soft,
                        [sign](GlyphPainter& p) { glyphs::drawSignEmblem(p, sign, EmblemFrame::Disc); }});
    }
    for (int sign = 1; sign <= 12; ++sign) {
        list.push_back({"bmp2", signFileNames[static_cast<std::size_t>(sign - 1)], symbolSize, symbolSize, Edge::Soft,
                        [sign](GlyphPainter& p) {
                            p.translate(8, 8);
                            p.scale(0.84, 0.84);
                            glyphs::drawSignGlyph(p, sign, glyphs::elementPalette(sign).rim, symbolStroke / 0.84);
                        }});
    }
    for (const BodyLook& b : bodies) {
        if (b.body > 11) continue;
        list.push_back({"bmp2", QString(b.stem) + ".bmp", symbolSize, symbolSize, Edge::Soft, [b](GlyphPainter& p) {
                            p.translate(8, 8);
                            p.scale(0.84, 0.84);
                            glyphs::drawBodyGlyph(p, b.body, b.colour, 7.0 / 0.84);
                        }});
    }
    for (int sign = 1; sign <= 12; ++sign) {
        list.push_back({"mmap", QString("szi%1.bmp").arg(sign), 60, 60, Edge::Soft,
                        [sign](GlyphPainter& p) { glyphs::drawSignEmblem(p, sign, EmblemFrame::Tile); }});
    }
    return list;
}

}  // namespace

const std::vector<PictureDef>& allPictures()
{
    static const std::vector<PictureDef> list = build();
    return list;
}

QImage contactSheet(const std::vector<PictureDef>& pictures)
{
    constexpr int zoom = 4;
    constexpr int gap = 8;
    constexpr int sheetWidth = 1400;
    const QColor backgrounds[2] = {Qt::white, QColor(0xC0, 0xC0, 0xC0)};

    // Pictures grouped by folder (in first-seen order); each group is shown on white and
    // then on silver, wrapping at the sheet width.
    std::vector<QString> folders;
    for (const PictureDef& picture : pictures) {
        if (std::find(folders.begin(), folders.end(), picture.folder) == folders.end())
            folders.push_back(picture.folder);
    }
    struct Placed {
        const PictureDef* picture;
        QPoint at;
    };
    std::vector<std::pair<QRect, QColor>> bands;
    std::vector<Placed> placed;
    int y = gap;
    for (const QString& folder : folders) {
        for (const QColor& background : backgrounds) {
            const int bandTop = y;
            int x = gap, lineHeight = 0;
            for (const PictureDef& picture : pictures) {
                if (picture.folder != folder) continue;
                const int cellWidth = picture.width * (zoom + 1) + 3 * gap;
                if (x + cellWidth > sheetWidth && x > gap) {
                    x = gap;
                    y += lineHeight + gap;
                    lineHeight = 0;
                }
                placed.push_back({&picture, QPoint(x, y)});
                x += cellWidth;
                lineHeight = std::max(lineHeight, picture.height * zoom);
            }
            y += lineHeight + gap;
            bands.push_back({QRect(0, bandTop - gap / 2, sheetWidth, y - bandTop), background});
            y += gap;
        }
    }
    QImage sheet(sheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x40, 0x40));
    QPainter painter(&sheet);
    for (const auto& [rect, colour] : bands) painter.fillRect(rect, colour);
    for (const Placed& item : placed) {
        const PictureDef& def = *item.picture;
        QImage image = renderPicture(def.width, def.height, def.edge, def.draw).convertToFormat(QImage::Format_ARGB32);
        for (int py = 0; py < image.height(); ++py) {
            for (int px = 0; px < image.width(); ++px) {
                if ((image.pixel(px, py) & 0xFFFFFFu) == keyColour) image.setPixel(px, py, 0);
            }
        }
        painter.drawImage(item.at, image);
        painter.drawImage(QRect(item.at + QPoint(def.width + gap, 0), QSize(def.width * zoom, def.height * zoom)),
                          image);
    }
    return sheet;
}

}  // namespace celmora::pictures
