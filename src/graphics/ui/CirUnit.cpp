// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "graphics/ui/CirUnit.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "core/ChartRecord.h"
#include "graphics/GraphicsModule.h"
#include "graphics/WheelFrame.h"
#include "graphics/ui/FixedStarWindow.h"
#include "graphics/ui/WheelView.h"
#include "platform/Checked.h"
#include "platform/Messages.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"
#include "western/AspectUnit1.h"
#include "western/WesternModule.h"

namespace celmora::graphics {

namespace {

constexpr const char* symbolStyleMessage = "これ以降、本ソフトウエアを終了させるまで星座は記号表示で行います。";
constexpr const char* pictureStyleMessage = "これ以降、本ソフトウエアを終了させるまで星座は絵柄表示で行います。";

// Without a screen (never on a desktop) the layout assumes a 1024 × 768 one.
constexpr int fallbackScreenHeight = 768;

}  // namespace

Tcirfrm::Tcirfrm(GraphicsModule& graphics, core::ChartRecord& chart, const western::WesternModule& western,
                 QWidget* parent)
    : QMainWindow(parent),
      graphics_(graphics),
      chart_(chart),
      western_(western),
      wheel_(graphics.services().dirs, *graphics.services().messages)
{
    setObjectName("cirfrm");
    setWindowTitle("出生図");
    setWindowFlag(Qt::Window);
    wheel_.setSignStyle(graphics_.signStyle());
    view_ = new WheelView(wheel_, this);
    setCentralWidget(view_);
    buildMenus();
    setWindowWidth(screenHeight() - 90);
}

Tcirfrm::~Tcirfrm() = default;

int Tcirfrm::screenHeight() const
{
    const QScreen* s = screen();
    return s ? s->geometry().height() : fallbackScreenHeight;
}

QAction* Tcirfrm::addCommand(QMenu* menu, const char* caption, const std::string& name, void (Tcirfrm::*handler)())
{
    QAction* a = menu ? menu->addAction(QString::fromUtf8(caption)) : menuBar()->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromStdString(name));
    platform::connectGuarded(a, &QAction::triggered, this, *graphics_.services().messages, handler);
    actions_[name] = a;
    return a;
}

QAction* Tcirfrm::addHook(QMenu* menu, const char* caption, const char* name, WheelCommand command)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setEnabled(false);
    actions_[name] = a;
    platform::connectGuarded(a, &QAction::triggered, this, *graphics_.services().messages, [this, command] {
        if (auto it = commands_.find(command); it != commands_.end()) it->second();
    });
    commandActions_[command] = a;
    return a;
}

QAction* Tcirfrm::addHook(QMenu* menu, const char* caption, const char* name, WheelFigures figures)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setEnabled(false);
    actions_[name] = a;
    platform::connectGuarded(a, &QAction::triggered, this, *graphics_.services().messages, [this, figures] {
        if (figures_.count(figures) != 0) drawFigures(figures);
    });
    figureActions_[figures] = a;
    return a;
}

void Tcirfrm::buildMenus()
{
    // Every menu and item has an access key of its own within its menu, written the
    // Japanese way after the caption.
    QMenu* display = menuBar()->addMenu("表示切替(&D)");
    addCommand(display, "出生図再表示(&R)", "Redisp", &Tcirfrm::RedispClick);
    addCommand(display, "星座記号表示(&K)", "SeizaKigo", &Tcirfrm::SeizaKigoClick);
    addCommand(display, "星座絵柄表示(&E)", "SeizaPicDisp", &Tcirfrm::SeizaPicDispClick);
    addCommand(display, "アングル帯表示(&A)", "AngleDsp", &Tcirfrm::AngleDspClick);
    addHook(display, "惑星の伝統的分類(&B)", "wakuseibunrui", WheelCommand::Classification);

    addCommand(nullptr, "文字表示(&T)", "moji_disp", &Tcirfrm::moji_dispClick);

    QMenu* size = menuBar()->addMenu("縮小表示(&R)");
    addCommand(size, "縮小表示(&S)", "N3", &Tcirfrm::N3Click);
    addCommand(size, "通常表示(&N)", "N4", &Tcirfrm::N4Click);

    QMenu* pro = menuBar()->addMenu("プロ用(&P)");
    addCommand(pro, "恒星表示(&K)", "koseiDisp", &Tcirfrm::koseiDispClick);
    addCommand(pro, "恒星非表示(&U)", "KoseiUnDisp", &Tcirfrm::KoseiUnDispClick);
    addCommand(pro, "恒星詳細説明(&D)", "KoseiDetail", &Tcirfrm::KoseiDetailClick);
    pro->addSeparator();
    addCommand(pro, "アラビックパーツ表示(&A)", "AlabicDsp", &Tcirfrm::AlabicDspClick);
    addCommand(pro, "アラビックパーツ非表示(&B)", "AlabicUnDsp", &Tcirfrm::AlabicUnDspClick);
    pro->addSeparator();
    addCommand(pro, "２７宿表示(月の位置を参照)(&M)", "SyukuDsp", &Tcirfrm::SyukuDspClick);
    addCommand(pro, "２７宿の非表示(&N)", "Undsp27", &Tcirfrm::Undsp27Click);
    pro->addSeparator();
    addHook(pro, "ハーフサム軸表示(&H)", "Harmo", WheelCommand::HalfSumAxes);
    addHook(pro, "サビアンシンボルの意味(&S)", "N5", WheelCommand::SabianMeaning);

    QMenu* harmonic = menuBar()->addMenu("調波占星学(&H)");
    addHook(harmonic, "整数倍調波(&M)", "Seisubai", WheelCommand::HarmonicMultiples);
    addHook(harmonic, "惑星分割調波(&D)", "Bunkatu", WheelCommand::HarmonicDivisions);

    QMenu* aspects = menuBar()->addMenu("アスペクト(&A)");
    addCommand(aspects, "ハード２星アスペクト(&H)", "asp2hard", &Tcirfrm::asp2hardClick);
    addCommand(aspects, "ソフト２星アスペクト(&S)", "asp2soft", &Tcirfrm::asp2softClick);
    QMenu* triangles = aspects->addMenu("三角アスペクト(&T)");
    addHook(triangles, "重要アスペクト(&K)", "keytriaspect", WheelFigures::KeyTriangles);
    addHook(triangles, "全アスペクト(&A)", "alltriaspect", WheelFigures::AllTriangles);
    QMenu* squares = aspects->addMenu("四角アスペクト(&Q)");
    addHook(squares, "重要アスペクト(&K)", "keysquaspect", WheelFigures::KeySquares);
    addHook(squares, "全アスペクト(&A)", "allsquaaspect", WheelFigures::AllSquares);

    addCommand(nullptr, "閉じる(&C)", "Close1", &Tcirfrm::Close1Click);
}

QAction* Tcirfrm::action(const std::string& name) const
{
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* Tcirfrm::action(WheelCommand command) const
{
    return commandActions_.at(command);
}

QAction* Tcirfrm::action(WheelFigures figures) const
{
    return figureActions_.at(figures);
}

void Tcirfrm::setCommand(WheelCommand command, std::function<void()> action)
{
    if (!action || !commands_.emplace(command, std::move(action)).second) {
        throw std::logic_error("natal wheel command connected twice or empty");
    }
    commandActions_.at(command)->setEnabled(true);
}

void Tcirfrm::setFigureSource(WheelFigures figures, FigureSource source)
{
    if (!source || !figures_.emplace(figures, std::move(source)).second) {
        throw std::logic_error("natal wheel figures connected twice or empty");
    }
    figureActions_.at(figures)->setEnabled(true);
}

int Tcirfrm::largestFittingWidth() const
{
    const QSize room = platform::roomForContents(this);
    if (room.isEmpty()) return std::numeric_limits<int>::max();
    // The picture is square and the menu bar sits above it.
    const int side = std::min(room.width(), room.height() - menuBar()->sizeHint().height());
    return side + frameAllowance;
}

void Tcirfrm::setWindowWidth(int width)
{
    // The layout rule's width, as far as the screen has room for the whole window.
    width_ = std::max(std::min(width, largestFittingWidth()), minimumWindowWidth);
    const int side = width_ - frameAllowance;
    wheel_.setSide(side);
    view_->setFixedSize(side, side);
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(side, side + menuHeight);
    placeOnScreen();
}

void Tcirfrm::placeOnScreen()
{
    // The corner of the area windows may take, clear of task bars and docks.
    const QRect area = platform::availableArea(this);
    if (area.isEmpty()) return;
    const QSize outer = size().grownBy(platform::frameAllowance(this));
    move(area.left() + area.width() - outer.width(), area.top() + area.height() - outer.height());
    platform::keepOnScreen(this);
}

void Tcirfrm::changed()
{
    view_->update();
    emit pictureChanged();
}

void Tcirfrm::Redisp()
{
    followSignStyle();
    wheel_.Redisp(chart_, graphics_.wheelFrame());
    changed();
}

void Tcirfrm::redrawFromFrame()
{
    followSignStyle();
    const core::ChartRecord& chart = chart_;
    wheel_.redraw(chart, graphics_.wheelFrame(), sectorOfSign(chart, 1) != 0);
    changed();
}

void Tcirfrm::followSignStyle()
{
    // The style is one setting for the run: a switch made on the other wheel holds here
    // from this wheel's next redisplay on, as the switch's message promises.
    wheel_.setSignStyle(graphics_.signStyle());
}

void Tcirfrm::RedispClick()
{
    Redisp();
}

void Tcirfrm::SeizaKigoClick()
{
    graphics_.signStyle() = SignStyle::Symbol;
    wheel_.setSignStyle(SignStyle::Symbol);
    graphics_.services().messages->information(symbolStyleMessage);
    wheel_.placeSigns(chart_, graphics_.wheelFrame());
    changed();
}

void Tcirfrm::SeizaPicDispClick()
{
    graphics_.signStyle() = SignStyle::Picture;
    wheel_.setSignStyle(SignStyle::Picture);
    graphics_.services().messages->information(pictureStyleMessage);
    Redisp();
}

void Tcirfrm::AngleDspClick()
{
    wheel_.drawAngleBands(graphics_.wheelFrame());
    changed();
}

void Tcirfrm::moji_dispClick()
{
    wheel_.showBodyTexts(chart_);
    changed();
}

void Tcirfrm::N3Click()
{
    hide();
    setWindowWidth(platform::roundHalfEven(0.8 * width_));
    Redisp();
    show();
}

void Tcirfrm::N4Click()
{
    hide();
    setWindowWidth(screenHeight() - 80);
    Redisp();
    show();
}

void Tcirfrm::koseiDispClick()
{
    wheel_.showFixedStars(chart_, graphics_.wheelFrame());
    changed();
}

void Tcirfrm::KoseiUnDispClick()
{
    wheel_.hideFixedStars();
    changed();
}

void Tcirfrm::KoseiDetailClick()
{
    if (!starWindow_) starWindow_ = new FixedStarWindow(*graphics_.services().messages, this);
    starWindow_->show();
    starWindow_->raise();
}

void Tcirfrm::AlabicDspClick()
{
    wheel_.showArabicParts();
    changed();
}

void Tcirfrm::AlabicUnDspClick()
{
    wheel_.hideArabicParts();
    changed();
}

void Tcirfrm::SyukuDspClick()
{
    wheel_.showMansions(chart_, graphics_.wheelFrame());
    changed();
}

void Tcirfrm::Undsp27Click()
{
    wheel_.hideMansions();
    changed();
}

void Tcirfrm::asp2hardClick()
{
    const auto pairs = western::twoBodyAspectPairs(western_.aspectMatrix(), western::AspectClass::Hard);
    wheel_.drawAspectLines(chart_, graphics_.wheelFrame(), pairs);
    changed();
}

void Tcirfrm::asp2softClick()
{
    const auto pairs = western::twoBodyAspectPairs(western_.aspectMatrix(), western::AspectClass::Soft);
    wheel_.drawAspectLines(chart_, graphics_.wheelFrame(), pairs);
    changed();
}

void Tcirfrm::drawFigures(WheelFigures figures)
{
    for (const std::vector<int>& figure : figures_.at(figures)()) {
        wheel_.drawPatternSides(chart_, graphics_.wheelFrame(), figure);
    }
    changed();
}

void Tcirfrm::Close1Click()
{
    close();
}

}  // namespace celmora::graphics
