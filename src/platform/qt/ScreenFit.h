// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Windows on the screen they are shown on: sized to the area the desktop leaves to
// windows (without task bars and docks) and placed inside it.
//
// A window asks for its designed size; on a screen that is too small for it the size
// shrinks by one factor in both directions, so the window keeps its proportions.
// Room for the window manager's title bar and borders is left even before the window
// is first shown and the real frame is known.

#include <QMargins>
#include <QRect>
#include <QSize>

class QMainWindow;
class QWidget;

namespace celmora::platform {

// The available geometry of `window`'s screen, or of the primary screen while it has
// none; an empty rectangle without any screen.
QRect availableArea(const QWidget* window);

// What the window manager adds around `window`: its frame once shown, otherwise a
// typical title bar and border.
QMargins frameAllowance(const QWidget* window);

// The largest size with the proportions of `wanted` (or `wanted` itself) that fits
// `room`; both sides at least 1.
QSize fitProportionally(QSize wanted, QSize room);

// The room a window's contents get on its screen: the available area less the frame.
QSize roomForContents(const QWidget* window);

// Resizes `window` to `wanted`, proportionally smaller where the screen asks for it,
// and places it inside the available area, now and whenever it is shown. A main window whose contents cannot
// become that small shows them in a scroll area instead of running off the screen.
void fitToScreen(QWidget* window, QSize wanted);
void fitToScreen(QMainWindow* window, QSize wanted);

// Moves `window` (size unchanged) so that its frame lies inside the available area,
// as near its current place as possible.
void keepOnScreen(QWidget* window);
// The same each time `window` is shown (fitToScreen sets this up too).
void keepOnScreenWhenShown(QWidget* window);

}  // namespace celmora::platform
