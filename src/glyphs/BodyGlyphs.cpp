// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "glyphs/BodyGlyphs.h"

#include <stdexcept>

namespace celmora::glyphs {

namespace {

Path circle(double cx, double cy, double r)
{
    Path path;
    path.addEllipse(PointF(cx, cy), r, r);
    return path;
}

Path line(double x1, double y1, double x2, double y2)
{
    Path path;
    path.moveTo(x1, y1);
    path.lineTo(x2, y2);
    return path;
}

// Cross below a circle, as in Venus, Mercury and Pluto.
Path cross(double cx, double top, double bottom, double barY, double halfWidth)
{
    Path path = line(cx, top, cx, bottom);
    path.addPath(line(cx - halfWidth, barY, cx + halfWidth, barY));
    return path;
}

// Letter strokes for the angles.
Path letterA(double left, double right, double top, double bottom)
{
    Path path;
    const double mid = (left + right) / 2;
    path.moveTo(left, bottom);
    path.lineTo(mid, top);
    path.lineTo(right, bottom);
    const double barY = top + (bottom - top) * 0.62;
    const double inset = (right - left) * 0.19;
    path.addPath(line(left + inset, barY, right - inset, barY));
    return path;
}

Path letterC(double cx, double cy, double rx, double ry)
{
    Path path;
    path.arcMoveTo(cx - rx, cy - ry, 2 * rx, 2 * ry, 50);
    path.arcTo(cx - rx, cy - ry, 2 * rx, 2 * ry, 50, 260);
    return path;
}

Path letterM(double left, double right, double top, double bottom)
{
    Path path;
    const double mid = (left + right) / 2;
    path.moveTo(left, bottom);
    path.lineTo(left, top);
    path.lineTo(mid, top + (bottom - top) * 0.62);
    path.lineTo(right, top);
    path.lineTo(right, bottom);
    return path;
}

// The node glyph: a horseshoe with a small ring at each foot; `up` false turns it over.
Path node(bool up)
{
    Path path;
    const double s = up ? 1.0 : -1.0;
    const double base = 50 + s * 16;  // y of the feet's ring centres
    path.moveTo(28, base - s * 4);
    path.cubicTo(10, base - s * 30, 28, 50 - s * 40, 50, 50 - s * 40);
    path.cubicTo(72, 50 - s * 40, 90, base - s * 30, 72, base - s * 4);
    path.addPath(circle(24, base + s * 6, 10));
    path.addPath(circle(76, base + s * 6, 10));
    return path;
}

}  // namespace

void drawBodyGlyph(GlyphPainter& painter, int body, Colour colour, double w)
{
    painter.save();
    painter.setPen(colour, w);
    painter.noBrush();
    Path strokes;
    switch (body) {
        case 1:  // Sun: circle with a centre dot
            strokes = circle(50, 50, 40 - w / 2);
            painter.setBrush(colour);
            painter.noPen();
            painter.drawPath(circle(50, 50, 10));
            painter.setPen(colour, w);
            painter.noBrush();
            break;
        case 2: {  // Moon: a filled crescent, open to the left
            const Path crescent = discLessDisc(50, 50, 42, 28, 44, 36);
            painter.noPen();
            painter.setBrush(colour);
            painter.drawPath(crescent);
            break;
        }
        case 3: {  // Mercury: horns, circle, cross
            strokes = circle(50, 47, 17);
            Path horns;
            horns.arcMoveTo(31, -4, 38, 34, 200);
            horns.arcTo(31, -4, 38, 34, 200, 140);
            strokes.addPath(horns);
            strokes.addPath(cross(50, 64, 97, 82, 16));
            break;
        }
        case 4:  // Venus
            strokes = circle(50, 35, 25);
            strokes.addPath(cross(50, 60, 97, 80, 18));
            break;
        case 5: {  // Mars: circle with an arrow to the upper right
            strokes = circle(40, 60, 26);
            strokes.addPath(line(58.5, 41.5, 86, 14));
            Path head;
            head.moveTo(60, 14);
            head.lineTo(86, 14);
            head.lineTo(86, 40);
            strokes.addPath(head);
            break;
        }
        case 6: {  // Jupiter: a curl on a crossbar, with the upright on the right
            Path path;
            path.moveTo(16, 30);
            path.cubicTo(18, 6, 54, 4, 50, 30);
            path.lineTo(18, 68);
            path.lineTo(88, 68);
            strokes = path;
            strokes.addPath(line(68, 14, 68, 94));
            break;
        }
        case 7: {  // Saturn: a cross on top of a hooked "h"
            strokes = line(32, 6, 32, 76);
            strokes.addPath(line(16, 22, 50, 22));
            Path hook;
            hook.moveTo(32, 52);
            hook.cubicTo(40, 34, 74, 32, 72, 54);
            hook.cubicTo(71, 66, 56, 74, 60, 86);
            hook.cubicTo(63, 94, 74, 94, 80, 88);
            strokes.addPath(hook);
            break;
        }
        case 8:  // Uranus: H-shaped, the middle upright ending in a ring
            strokes = line(20, 10, 20, 58);
            strokes.addPath(line(80, 10, 80, 58));
            strokes.addPath(line(20, 34, 80, 34));
            strokes.addPath(line(50, 10, 50, 68));
            strokes.addPath(circle(50, 80, 11));
            break;
        case 9: {  // Neptune: trident
            Path fork;
            fork.moveTo(16, 12);
            fork.cubicTo(16, 56, 84, 56, 84, 12);
            strokes = fork;
            strokes.addPath(cross(50, 10, 96, 78, 18));
            break;
        }
        case 10: {  // Pluto: ring above a cup above a cross
            Path cup;
            cup.moveTo(18, 18);
            cup.cubicTo(18, 62, 82, 62, 82, 18);
            strokes = cup;
            strokes.addPath(circle(50, 22, 12));
            strokes.addPath(cross(50, 51, 97, 78, 18));
            break;
        }
        case 11:
            strokes = node(true);
            break;
        case descendingNode:
            strokes = node(false);
            break;
        case 12:  // ASC as "AC"
            strokes = letterA(4, 46, 14, 86);
            strokes.addPath(letterC(75, 50, 21, 36));
            break;
        case 13:  // MC
            strokes = letterM(4, 50, 14, 86);
            strokes.addPath(letterC(79, 50, 18, 36));
            break;
        default:
            throw std::out_of_range("body " + std::to_string(body));
    }
    painter.drawPath(strokes);
    painter.restore();
}

void drawSignGlyph(GlyphPainter& painter, int sign, Colour colour, double w)
{
    painter.save();
    painter.setPen(colour, w);
    painter.noBrush();
    Path p;
    switch (sign) {
        case 1:  // Aries: the ram's horns on a stem
            p.moveTo(14, 38);
            p.cubicTo(8, 8, 48, 4, 50, 40);
            p.cubicTo(52, 4, 92, 8, 86, 38);
            p.addPath(line(50, 40, 50, 92));
            break;
        case 2:  // Taurus: a circle with horns
            p.addPath(circle(50, 64, 24));
            p.moveTo(12, 12);
            p.cubicTo(22, 44, 78, 44, 88, 12);
            break;
        case 3:  // Gemini
            p.moveTo(14, 12);
            p.quadTo(50, 28, 86, 12);
            p.moveTo(14, 88);
            p.quadTo(50, 72, 86, 88);
            p.addPath(line(36, 20, 36, 80));
            p.addPath(line(64, 20, 64, 80));
            break;
        case 4:  // Cancer: two curls, head to tail
            p.addPath(circle(28, 40, 12));
            p.moveTo(28, 28);
            p.cubicTo(50, 14, 78, 16, 92, 32);
            p.addPath(circle(72, 60, 12));
            p.moveTo(72, 72);
            p.cubicTo(50, 86, 22, 84, 8, 68);
            break;
        case 5:  // Leo: a ring and a mane curling into a tail
            p.addPath(circle(28, 64, 14));
            p.moveTo(40, 57);
            p.cubicTo(30, 22, 62, 6, 72, 24);
            p.cubicTo(80, 40, 58, 64, 66, 82);
            p.cubicTo(70, 92, 84, 92, 90, 80);
            break;
        case 6:  // Virgo: an "m" whose last leg loops across
            p.moveTo(10, 24);
            p.lineTo(10, 80);
            p.moveTo(10, 38);
            p.cubicTo(10, 16, 32, 16, 32, 38);
            p.lineTo(32, 80);
            p.moveTo(32, 38);
            p.cubicTo(32, 16, 54, 16, 54, 38);
            p.lineTo(54, 70);
            p.cubicTo(54, 86, 70, 94, 80, 84);
            p.moveTo(54, 62);
            p.cubicTo(60, 44, 90, 44, 86, 64);
            p.cubicTo(83, 78, 70, 86, 52, 96);
            break;
        case 7:  // Libra: the setting sun over the horizon
            p.addPath(line(10, 84, 90, 84));
            p.moveTo(10, 66);
            p.lineTo(32, 66);
            p.cubicTo(18, 52, 28, 24, 50, 24);
            p.cubicTo(72, 24, 82, 52, 68, 66);
            p.lineTo(90, 66);
            break;
        case 8:  // Scorpio: an "m" ending in an arrow
            p.moveTo(10, 24);
            p.lineTo(10, 80);
            p.moveTo(10, 38);
            p.cubicTo(10, 16, 32, 16, 32, 38);
            p.lineTo(32, 80);
            p.moveTo(32, 38);
            p.cubicTo(32, 16, 54, 16, 54, 38);
            p.lineTo(54, 76);
            p.cubicTo(54, 88, 66, 90, 84, 80);
            p.moveTo(70, 76);
            p.lineTo(86, 79);
            p.lineTo(80, 94);
            break;
        case 9:  // Sagittarius: the arrow
            p.addPath(line(14, 86, 86, 14));
            p.moveTo(52, 14);
            p.lineTo(86, 14);
            p.lineTo(86, 48);
            p.addPath(line(26, 46, 54, 74));
            break;
        case 10:  // Capricorn: a "v" rising into a loop and a tail
            p.moveTo(6, 24);
            p.cubicTo(14, 22, 20, 44, 26, 78);
            p.lineTo(42, 28);
            p.cubicTo(46, 14, 60, 14, 60, 32);
            p.lineTo(60, 66);
            p.cubicTo(60, 88, 90, 90, 90, 70);
            p.cubicTo(90, 54, 70, 52, 64, 68);
            p.cubicTo(58, 82, 48, 92, 36, 94);
            break;
        case 11:  // Aquarius: two waves
            for (double y : {40.0, 68.0}) {
                p.moveTo(8, y);
                p.lineTo(22, y - 14);
                p.lineTo(36, y);
                p.lineTo(50, y - 14);
                p.lineTo(64, y);
                p.lineTo(78, y - 14);
                p.lineTo(92, y);
            }
            break;
        case 12:  // Pisces: two arcs back to back, tied
            p.moveTo(16, 10);
            p.cubicTo(42, 34, 42, 66, 16, 90);
            p.moveTo(84, 10);
            p.cubicTo(58, 34, 58, 66, 84, 90);
            p.addPath(line(26, 50, 74, 50));
            break;
        default:
            throw std::out_of_range("sign " + std::to_string(sign));
    }
    painter.drawPath(p);
    painter.restore();
}

}  // namespace celmora::glyphs
