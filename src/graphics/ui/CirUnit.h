// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The natal wheel window "出生図".
//
//   in:  the main ChartRecord, the graphics module's wheel frame and sign style, the
//        western module's natal aspect flags
//   out: the wheel on screen (a NatalWheel painted by WheelView) and its menu commands
//
// The window computes nothing itself: redisplay goes through NatalWheel::Redisp, the
// aspect commands ask the Western analysis which pairs to draw. Commands of other
// readings (classification, midpoints, Sabian symbols, harmonics, composite patterns)
// stay disabled until their screens attach their actions.
//
// Size: the image is square with side W = window width − 7; the window is W + 49
// high and sits in the bottom-right corner of the screen's available area. A screen
// without room for that size gets the largest wheel that fits (task bars and the
// window frame left clear), never narrower than minimumWindowWidth, where the
// wheel's rings still come out in order.

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "graphics/NatalWheel.h"

class QAction;

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::western {
class WesternModule;
}

namespace celmora::graphics {

class GraphicsModule;
class WheelView;

// Menu commands that belong to another reading's screen; disabled until it connects.
enum class WheelCommand {
    Classification,     // "惑星の伝統的分類" (wakuseibunrui)
    HalfSumAxes,        // "ハーフサム軸表示" (Harmo)
    SabianMeaning,      // "サビアンシンボルの意味" (N5)
    HarmonicMultiples,  // "整数倍調波" (Seisubai)
    HarmonicDivisions,  // "惑星分割調波" (Bunkatu)
};

// The composite-pattern figures the "アスペクト" menu draws.
enum class WheelFigures {
    KeyTriangles,  // keytriaspect
    AllTriangles,  // alltriaspect
    KeySquares,    // keysquaspect
    AllSquares,    // allsquaaspect
};

class Tcirfrm : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int frameAllowance = 7;    // window width − image side
    static constexpr int heightAllowance = 49;  // window height − image side
    static constexpr int minimumWindowWidth = WheelGeometry::minimumSide + frameAllowance;

    // All three must outlive the window.
    Tcirfrm(GraphicsModule& graphics, core::ChartRecord& chart, const western::WesternModule& western,
            QWidget* parent = nullptr);
    ~Tcirfrm() override;

    NatalWheel& wheel() { return wheel_; }
    WheelView* view() const { return view_; }
    // The window size of the layout rule (the image is windowWidth() − 7 square).
    int windowWidth() const { return width_; }
    int windowHeight() const { return width_ - frameAllowance + heightAllowance; }
    // Sets the width (at most what the screen has room for, never below
    // minimumWindowWidth), the height from it, and moves the window into the
    // bottom-right corner of its screen. Takes effect at the next redisplay.
    void setWindowWidth(int width);

    // `Redisp` on the main chart: frame, chart angles, separations and a fresh picture.
    void Redisp();
    // A fresh picture from the frame the Diagnose run has just computed.
    void redrawFromFrame();

    // Menu items by the handler's name without "Click" ("Redisp", "N3", "asp2hard", ...).
    QAction* action(const std::string& name) const;
    QAction* action(WheelCommand command) const;
    QAction* action(WheelFigures figures) const;
    // Connects a command that belongs to another reading and enables its menu item.
    // @warning Connecting one command twice throws std::logic_error.
    void setCommand(WheelCommand command, std::function<void()> action);
    // The composite-pattern figures (body numbers, each a closed figure) one item draws.
    // @warning Connecting one item twice throws std::logic_error.
    using FigureSource = std::function<std::vector<std::vector<int>>()>;
    void setFigureSource(WheelFigures figures, FigureSource source);

    void RedispClick();
    void SeizaKigoClick();
    void SeizaPicDispClick();
    void AngleDspClick();
    void moji_dispClick();
    void N3Click();
    void N4Click();
    void koseiDispClick();
    void KoseiUnDispClick();
    void KoseiDetailClick();
    void AlabicDspClick();
    void AlabicUnDspClick();
    void SyukuDspClick();
    void Undsp27Click();
    void asp2hardClick();
    void asp2softClick();
    void Close1Click();

signals:
    // The picture changed (redisplay or a drawing command).
    void pictureChanged();

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* caption, const std::string& name, void (Tcirfrm::*handler)());
    QAction* addHook(QMenu* menu, const char* caption, const char* name, WheelCommand command);
    QAction* addHook(QMenu* menu, const char* caption, const char* name, WheelFigures figures);
    void drawFigures(WheelFigures figures);
    void placeOnScreen();
    void followSignStyle();
    int screenHeight() const;
    int largestFittingWidth() const;
    void changed();

    GraphicsModule& graphics_;
    core::ChartRecord& chart_;
    const western::WesternModule& western_;
    NatalWheel wheel_;
    WheelView* view_ = nullptr;
    int width_ = 0;
    std::map<std::string, QAction*> actions_;
    std::map<WheelCommand, QAction*> commandActions_;
    std::map<WheelCommand, std::function<void()>> commands_;
    std::map<WheelFigures, QAction*> figureActions_;
    std::map<WheelFigures, FigureSource> figures_;
    QWidget* starWindow_ = nullptr;
};

}  // namespace celmora::graphics
