// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "glyphs/SignEmblems.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "glyphs/BodyGlyphs.h"

namespace celmora::glyphs {

namespace {

constexpr double outline = 2.4;  // design units: about 1.4 px at 60 px

constexpr Colour skin = rgb(0xFF, 0xE2, 0xC6);
constexpr Colour ivory = rgb(0xFF, 0xF6, 0xE4);
constexpr Colour gold = rgb(0xE0, 0xA8, 0x20);
constexpr Colour water = rgb(0x3A, 0x86, 0xD8);

Path mirrored(const Path& path)
{
    return Transform(-1, 0, 0, 1, 100, 0).map(path);
}

void fillAndOutline(GlyphPainter& p, const Path& path, Colour fill, Colour ink, double width = outline)
{
    p.setBrush(fill);
    p.setPen(ink, width);
    p.drawPath(path);
}

void stroke(GlyphPainter& p, const Path& path, Colour ink, double width)
{
    p.noBrush();
    p.setPen(ink, width);
    p.drawPath(path);
}

void dot(GlyphPainter& p, double x, double y, double r, Colour colour)
{
    p.noPen();
    p.setBrush(colour);
    p.drawEllipse(PointF(x, y), r, r);
}

// A thick stroke drawn as a dark outline under a lighter core, for horns and the bow.
void doubleStroke(GlyphPainter& p, const Path& path, Colour ink, Colour core, double width)
{
    stroke(p, path, ink, width);
    stroke(p, path, core, width - 2 * outline);
}

void ram(GlyphPainter& p, const ElementPalette& c)
{
    Path horn;
    horn.moveTo(42, 34);
    horn.cubicTo(32, 14, 8, 20, 12, 42);
    horn.cubicTo(15, 58, 34, 56, 32, 44);
    horn.cubicTo(30, 36, 22, 38, 23, 45);
    doubleStroke(p, horn, c.ink, c.accent, 9);
    doubleStroke(p, mirrored(horn), c.ink, c.accent, 9);
    Path face;
    face.moveTo(37, 34);
    face.cubicTo(35, 58, 42, 80, 50, 82);
    face.cubicTo(58, 80, 65, 58, 63, 34);
    face.cubicTo(58, 27, 42, 27, 37, 34);
    fillAndOutline(p, face, ivory, c.ink);
    Path fringe;  // wool on the brow
    for (int i = 0; i < 4; ++i) fringe.addEllipse(PointF(41 + i * 6, 33), 4, 3.5);
    fillAndOutline(p, fringe, ivory, c.ink, 1.6);
    dot(p, 44, 50, 2.4, c.ink);
    dot(p, 56, 50, 2.4, c.ink);
    Path nose;
    nose.moveTo(45, 72);
    nose.quadTo(50, 77, 55, 72);
    stroke(p, nose, c.ink, 2.0);
}

void bull(GlyphPainter& p, const ElementPalette& c)
{
    Path horn;
    horn.moveTo(36, 38);
    horn.cubicTo(22, 40, 12, 30, 17, 13);
    horn.cubicTo(21, 26, 29, 31, 39, 31);
    horn.closeSubpath();
    fillAndOutline(p, horn, ivory, c.ink);
    fillAndOutline(p, mirrored(horn), ivory, c.ink);
    Path ear = Transform().translate(27, 45).rotate(-20).map(ellipse(0, 0, 9, 4.5));
    fillAndOutline(p, ear, c.accent, c.ink);
    fillAndOutline(p, mirrored(ear), c.accent, c.ink);
    Path head;
    head.moveTo(33, 38);
    head.cubicTo(31, 62, 38, 84, 50, 86);
    head.cubicTo(62, 84, 69, 62, 67, 38);
    head.cubicTo(61, 32, 39, 32, 33, 38);
    fillAndOutline(p, head, c.accent, c.ink);
    fillAndOutline(p, ellipse(50, 74, 13, 9), rgb(0xF3, 0xD9, 0xC0), c.ink);
    dot(p, 45, 74, 2.2, c.ink);
    dot(p, 55, 74, 2.2, c.ink);
    dot(p, 42, 53, 2.5, c.ink);
    dot(p, 58, 53, 2.5, c.ink);
}

void twins(GlyphPainter& p, const ElementPalette& c)
{
    const Colour robes[2] = {c.accent, rgb(0x8E, 0xC5, 0xE8)};
    for (int i = 0; i < 2; ++i) {
        const double x = i == 0 ? 35 : 65;
        Path body;
        body.moveTo(x - 13, 84);
        body.lineTo(x - 10, 56);
        body.cubicTo(x - 9, 47, x + 9, 47, x + 10, 56);
        body.lineTo(x + 13, 84);
        body.closeSubpath();
        fillAndOutline(p, body, robes[i], c.ink);
        fillAndOutline(p, ellipse(x, 36, 9.5, 10), skin, c.ink);
        Path hair;
        hair.moveTo(x - 9.5, 35);
        hair.cubicTo(x - 9, 22, x + 9, 22, x + 9.5, 35);
        hair.cubicTo(x + 4, 29, x - 4, 29, x - 9.5, 35);
        fillAndOutline(p, hair, c.ink, c.ink, 1.2);
        dot(p, x - 3.5, 38, 1.6, c.ink);
        dot(p, x + 3.5, 38, 1.6, c.ink);
    }
    Path arms;  // holding hands between them
    arms.moveTo(44, 58);
    arms.quadTo(50, 64, 56, 58);
    stroke(p, arms, c.ink, 3.2);
    dot(p, 50, 61.5, 3, skin);
}

void crab(GlyphPainter& p, const ElementPalette& c)
{
    Path legs;
    for (int i = 0; i < 3; ++i) {
        const double y = 58 + i * 6;
        legs.moveTo(36, y);
        legs.lineTo(24 - i, y + 5);
        legs.lineTo(20 - i, y + 13);
    }
    stroke(p, legs, c.ink, 2.6);
    stroke(p, mirrored(legs), c.ink, 2.6);
    Path arm;
    arm.moveTo(36, 52);
    arm.quadTo(26, 48, 25, 38);
    stroke(p, arm, c.ink, 3.2);
    stroke(p, mirrored(arm), c.ink, 3.2);
    // Pincers: a disc with a wedge cut out at the top
    const Path pincer = ellipseLessNotch(23, 29, 10, 11, {24, 32}, {16, 14}, {30, 16});
    fillAndOutline(p, pincer, c.accent, c.ink);
    fillAndOutline(p, mirrored(pincer), c.accent, c.ink);
    Path stalks;
    stalks.moveTo(44, 50);
    stalks.lineTo(42, 40);
    stalks.moveTo(56, 50);
    stalks.lineTo(58, 40);
    stroke(p, stalks, c.ink, 2.2);
    fillAndOutline(p, ellipse(50, 60, 20, 13), c.accent, c.ink);
    dot(p, 42, 39, 3, c.ink);
    dot(p, 58, 39, 3, c.ink);
    Path mouth;
    mouth.moveTo(45, 56);
    mouth.quadTo(50, 60, 55, 56);
    stroke(p, mouth, c.ink, 1.8);
}

void lion(GlyphPainter& p, const ElementPalette& c)
{
    Path mane;
    constexpr int points = 180;
    for (int i = 0; i <= points; ++i) {
        const double t = 2 * std::numbers::pi * i / points;
        const double r = 33 + 4.5 * std::cos(12 * t);
        const PointF at(50 + r * std::cos(t), 52 + r * std::sin(t));
        if (i == 0)
            mane.moveTo(at);
        else
            mane.lineTo(at);
    }
    fillAndOutline(p, mane, c.accent, c.ink);
    fillAndOutline(p, ellipse(35, 36, 5.5, 5.5), rgb(0xFF, 0xD5, 0x8A), c.ink);
    fillAndOutline(p, ellipse(65, 36, 5.5, 5.5), rgb(0xFF, 0xD5, 0x8A), c.ink);
    fillAndOutline(p, ellipse(50, 54, 19, 18), rgb(0xFF, 0xD5, 0x8A), c.ink);
    dot(p, 43, 49, 2.5, c.ink);
    dot(p, 57, 49, 2.5, c.ink);
    Path nose;
    nose.moveTo(45, 57);
    nose.lineTo(55, 57);
    nose.lineTo(50, 63);
    nose.closeSubpath();
    fillAndOutline(p, nose, c.ink, c.ink, 1.0);
    Path mouth;
    mouth.moveTo(50, 63);
    mouth.quadTo(47, 69, 42, 66);
    mouth.moveTo(50, 63);
    mouth.quadTo(53, 69, 58, 66);
    stroke(p, mouth, c.ink, 2.0);
}

void maiden(GlyphPainter& p, const ElementPalette& c)
{
    Path hair;
    hair.moveTo(31, 72);
    hair.cubicTo(24, 42, 32, 20, 48, 20);
    hair.cubicTo(64, 20, 70, 42, 64, 72);
    hair.closeSubpath();
    fillAndOutline(p, hair, rgb(0x8A, 0x5A, 0x2B), c.ink);
    Path dress;
    dress.moveTo(26, 90);
    dress.cubicTo(28, 70, 38, 63, 48, 63);
    dress.cubicTo(58, 63, 68, 70, 70, 90);
    dress.closeSubpath();
    fillAndOutline(p, dress, rgb(0x7F, 0xB0, 0x5E), c.ink);
    fillAndOutline(p, ellipse(48, 45, 12.5, 14.5), skin, c.ink);
    Path fringe;
    fringe.moveTo(35.5, 42);
    fringe.cubicTo(38, 28, 58, 28, 60.5, 42);
    fringe.cubicTo(54, 34, 42, 34, 35.5, 42);
    fillAndOutline(p, fringe, rgb(0x8A, 0x5A, 0x2B), c.ink, 1.4);
    dot(p, 43.5, 47, 1.8, c.ink);
    dot(p, 52.5, 47, 1.8, c.ink);
    Path smile;
    smile.moveTo(45, 53);
    smile.quadTo(48, 56, 51, 53);
    stroke(p, smile, c.ink, 1.6);
    // An ear of wheat held at her side
    Path stalk;
    stalk.moveTo(78, 90);
    stalk.cubicTo(80, 66, 78, 46, 74, 24);
    stroke(p, stalk, c.ink, 2.4);
    for (int i = 0; i < 5; ++i) {
        const double y = 28 + i * 7;
        const double x = 74.6 + i * 0.9;
        for (int side : {-1, 1}) {
            const Path grain = Transform().translate(x + side * 4, y).rotate(side * 30).map(ellipse(0, 0, 3, 5.5));
            fillAndOutline(p, grain, gold, c.ink, 1.3);
        }
    }
}

void scales(GlyphPainter& p, const ElementPalette& c)
{
    Path base;
    base.moveTo(36, 88);
    base.lineTo(64, 88);
    base.lineTo(57, 80);
    base.lineTo(43, 80);
    base.closeSubpath();
    fillAndOutline(p, base, c.accent, c.ink);
    Path frame;
    frame.moveTo(50, 80);
    frame.lineTo(50, 24);
    frame.moveTo(18, 30);
    frame.lineTo(82, 30);
    doubleStroke(p, frame, c.ink, c.accent, 7);
    Path strings;
    for (double x : {20.0, 80.0}) {
        strings.moveTo(x, 30);
        strings.lineTo(x - 11, 58);
        strings.moveTo(x, 30);
        strings.lineTo(x + 11, 58);
    }
    stroke(p, strings, c.ink, 1.6);
    for (double x : {20.0, 80.0}) {
        Path pan;
        pan.moveTo(x - 14, 58);
        pan.lineTo(x + 14, 58);
        pan.cubicTo(x + 12, 70, x - 12, 70, x - 14, 58);
        fillAndOutline(p, pan, c.accent, c.ink);
    }
    fillAndOutline(p, ellipse(50, 22, 4.5, 4.5), c.accent, c.ink);
}

void scorpion(GlyphPainter& p, const ElementPalette& c)
{
    Path legs;
    for (int i = 0; i < 3; ++i) {
        const double x = 34 + i * 8;
        legs.moveTo(x, 66);
        legs.lineTo(x - 5, 80);
        legs.moveTo(x, 60);
        legs.lineTo(x - 4, 50);
    }
    stroke(p, legs, c.ink, 2.2);
    Path claws;
    claws.moveTo(28, 60);
    claws.quadTo(18, 56, 18, 44);
    claws.moveTo(28, 66);
    claws.quadTo(16, 70, 14, 80);
    stroke(p, claws, c.ink, 3);
    for (const PointF& at : {PointF(18, 40), PointF(13, 83)}) {
        const Path claw =
            ellipseLessNotch(at.x - 2, at.y - 2, 6.5, 6.5, at, {at.x - 9, at.y - 3}, {at.x - 5, at.y - 10});
        fillAndOutline(p, claw, c.accent, c.ink, 1.8);
    }
    // Tail: shrinking segments arching up and over the back
    const std::array<PointF, 5> segments = {PointF(62, 60), PointF(70, 53), PointF(74, 43), PointF(72, 33),
                                            PointF(65, 27)};
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const double r = 6.0 - static_cast<double>(i) * 0.6;
        fillAndOutline(p, ellipse(segments[i].x, segments[i].y, r, r), c.accent, c.ink, 1.8);
    }
    Path sting;
    sting.moveTo(61, 23);
    sting.quadTo(55, 26, 52, 34);
    sting.quadTo(57, 31, 62, 31);
    sting.closeSubpath();
    fillAndOutline(p, sting, c.ink, c.ink, 1.2);
    fillAndOutline(p, ellipse(45, 63, 17, 9), c.accent, c.ink);
    fillAndOutline(p, ellipse(30, 63, 6.5, 6), c.accent, c.ink);
    dot(p, 28, 61, 1.6, c.ink);
}

void bowAndArrow(GlyphPainter& p, const ElementPalette& c)
{
    // The arrow points to the upper right as in the sign's symbol; the bow stands across it.
    Path bow;
    bow.moveTo(22, 42);
    bow.quadTo(72, 28, 58, 78);
    doubleStroke(p, bow, c.ink, rgb(0xB0, 0x6A, 0x30), 8);
    Path string;
    string.moveTo(22, 42);
    string.lineTo(58, 78);
    stroke(p, string, c.ink, 1.4);
    Path shaft;
    shaft.moveTo(22, 78);
    shaft.lineTo(76, 24);
    stroke(p, shaft, c.ink, 3.2);
    Path head;
    head.moveTo(84, 16);
    head.lineTo(64, 22);
    head.lineTo(78, 36);
    head.closeSubpath();
    fillAndOutline(p, head, c.accent, c.ink);
    Path fletching;
    for (double k : {0.0, 7.0}) {
        fletching.moveTo(24 + k, 76 - k);
        fletching.lineTo(14 + k, 74 - k);
        fletching.moveTo(24 + k, 76 - k);
        fletching.lineTo(26 + k, 86 - k);
    }
    stroke(p, fletching, c.rim, 3);
}

void goat(GlyphPainter& p, const ElementPalette& c)
{
    Path horn;  // long horns sweeping up and back
    horn.moveTo(45, 33);
    horn.cubicTo(42, 18, 32, 10, 18, 12);
    doubleStroke(p, horn, c.ink, rgb(0xC9, 0xB2, 0x8C), 8);
    doubleStroke(p, mirrored(horn), c.ink, rgb(0xC9, 0xB2, 0x8C), 8);
    Path ear = Transform().translate(31, 45).rotate(20).map(ellipse(0, 0, 10, 4));
    fillAndOutline(p, ear, c.accent, c.ink);
    fillAndOutline(p, mirrored(ear), c.accent, c.ink);
    Path beard;
    beard.moveTo(44, 74);
    beard.lineTo(56, 74);
    beard.lineTo(50, 92);
    beard.closeSubpath();
    fillAndOutline(p, beard, rgb(0xE8, 0xDC, 0xC4), c.ink);
    Path face;
    face.moveTo(39, 36);
    face.cubicTo(37, 58, 43, 76, 50, 78);
    face.cubicTo(57, 76, 63, 58, 61, 36);
    face.cubicTo(56, 29, 44, 29, 39, 36);
    fillAndOutline(p, face, c.accent, c.ink);
    dot(p, 44.5, 50, 2.3, c.ink);
    dot(p, 55.5, 50, 2.3, c.ink);
    dot(p, 47, 71, 1.6, c.ink);
    dot(p, 53, 71, 1.6, c.ink);
}

void waterJar(GlyphPainter& p, const ElementPalette& c)
{
    Path stream;  // poured from the lip and rippling away along the ground
    stream.moveTo(56, 40);
    stream.cubicTo(70, 44, 74, 56, 72, 70);
    stroke(p, stream, water, 5);
    for (double y : {74.0, 84.0}) {
        Path wave;
        wave.moveTo(22, y);
        for (int i = 0; i < 4; ++i) {
            wave.quadTo(25.5 + i * 14, y - 6, 29 + i * 14, y);
            wave.quadTo(32.5 + i * 14, y + 6, 36 + i * 14, y);
        }
        stroke(p, wave, water, 3.2);
    }
    p.save();
    p.translate(40, 42);
    p.rotate(-40);
    Path jar;
    jar.moveTo(-7, -22);
    jar.lineTo(7, -22);
    jar.lineTo(6, -14);
    jar.cubicTo(20, -8, 20, 14, 0, 20);
    jar.cubicTo(-20, 14, -20, -8, -6, -14);
    jar.closeSubpath();
    Path handle;
    handle.moveTo(-8, -13);
    handle.cubicTo(-22, -16, -24, 0, -14, 2);
    stroke(p, handle, c.ink, 3.2);
    fillAndOutline(p, jar, c.accent, c.ink);
    fillAndOutline(p, ellipse(0, -22, 9, 3), c.accent, c.ink);
    Path band;
    band.moveTo(-14, 2);
    band.quadTo(0, 6, 14, 2);
    stroke(p, band, c.ink, 1.6);
    p.restore();
}

void fishes(GlyphPainter& p, const ElementPalette& c)
{
    Path cord;  // the cord tying the two fishes mouth to mouth
    cord.moveTo(68, 34);
    cord.cubicTo(90, 40, 86, 58, 66, 58);
    cord.lineTo(34, 58);
    cord.cubicTo(14, 58, 10, 76, 32, 70);
    stroke(p, cord, c.rim, 2);
    Path fish;
    fish.moveTo(68, 34);
    fish.cubicTo(58, 20, 36, 20, 26, 34);
    fish.cubicTo(36, 48, 58, 48, 68, 34);
    fish.closeSubpath();
    Path tail;
    tail.moveTo(28, 34);
    tail.lineTo(14, 24);
    tail.lineTo(17, 34);
    tail.lineTo(14, 44);
    tail.closeSubpath();
    // The tail goes under the body, whose outline closes over the joint.
    const Transform turn(-1, 0, 0, 1, 100, 0);
    for (const Path* part : {&tail, &fish}) {
        fillAndOutline(p, *part, c.accent, c.ink);
        fillAndOutline(p, turn.map(*part).translated(0, 34), rgb(0x9C, 0xD0, 0xC4), c.ink);
    }
    dot(p, 60, 32, 2.2, c.ink);
    dot(p, 40, 66, 2.2, c.ink);
    Path gills;
    gills.moveTo(54, 27);
    gills.quadTo(50, 34, 54, 41);
    gills.addPath(turn.map(gills).translated(0, 34));
    stroke(p, gills, c.ink, 1.5);
}

}  // namespace

const ElementPalette& elementPalette(int sign)
{
    static const std::array<ElementPalette, 4> palettes = {{
        {rgb(0xFF, 0xE4, 0xDC), rgb(0xD3, 0x2F, 0x2F), rgb(0x6E, 0x17, 0x0E), rgb(0xF2, 0x8B, 0x50)},  // fire
        {rgb(0xE4, 0xEF, 0xD0), rgb(0x7A, 0x53, 0x28), rgb(0x45, 0x2C, 0x12), rgb(0xC8, 0x96, 0x62)},  // earth
        {rgb(0xFF, 0xF3, 0xBF), rgb(0xC2, 0x94, 0x00), rgb(0x5A, 0x45, 0x00), rgb(0xF5, 0xCC, 0x4A)},  // air
        {rgb(0xDA, 0xEA, 0xFB), rgb(0x1E, 0x63, 0xB5), rgb(0x0C, 0x30, 0x5E), rgb(0x74, 0xAC, 0xEA)},  // water
    }};
    if (sign < 1 || sign > 12) throw std::out_of_range("sign " + std::to_string(sign));
    return palettes[static_cast<std::size_t>((sign - 1) % 4)];
}

void drawSignEmblem(GlyphPainter& painter, int sign, EmblemFrame frame)
{
    const ElementPalette& c = elementPalette(sign);
    painter.save();
    painter.setBrush(c.tint);
    painter.setPen(c.rim, 3.5);
    if (frame == EmblemFrame::Disc)
        painter.drawEllipse(PointF(50, 50), 47, 47);
    else
        painter.drawPath(roundedRect(2.5, 2.5, 95, 95, 16));
    struct Emblem {
        void (*draw)(GlyphPainter&, const ElementPalette&);
        double scale;  // keeps each drawing inside the disc with a margin
    };
    static constexpr std::array<Emblem, 12> emblems = {{{ram, 0.92},
                                                        {bull, 0.92},
                                                        {twins, 1.0},
                                                        {crab, 0.9},
                                                        {lion, 1.0},
                                                        {maiden, 0.95},
                                                        {scales, 0.95},
                                                        {scorpion, 0.86},
                                                        {bowAndArrow, 0.8},
                                                        {goat, 0.88},
                                                        {waterJar, 0.84},
                                                        {fishes, 0.84}}};
    const Emblem& emblem = emblems[static_cast<std::size_t>(sign - 1)];
    painter.translate(50, 50);
    painter.scale(emblem.scale, emblem.scale);
    painter.translate(-50, -50);
    emblem.draw(painter, c);
    painter.restore();
    if (frame == EmblemFrame::Tile) {
        // The sign's symbol in the corner, so the tile reads at a glance
        painter.save();
        painter.setBrush(rgb(0xFE, 0xFE, 0xFE));
        painter.setPen(c.rim, 2.5);
        painter.drawEllipse(PointF(83, 83), 13, 13);
        painter.translate(73.5, 73.5);
        painter.scale(0.19, 0.19);
        drawSignGlyph(painter, sign, c.rim, 14);
        painter.restore();
    }
}

}  // namespace celmora::glyphs
