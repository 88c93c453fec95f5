// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The natal wheel window on a chart diagnosed from the installed tables: the
// main-window button, the redraw inside the Diagnose run, the size commands, the menu
// and its display commands, hints.

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/Workstation.h"
#include "core/BirthInput.h"
#include "core/ChartRecord.h"
#include "core/DiagnosisRun.h"
#include "graphics/ui/CirUnit.h"
#include "graphics/ui/NatalWheelAttach.h"
#include "graphics/ui/WheelView.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "support/TestServices.h"
#include "western/AspectUnit1.h"

using namespace celmora;

namespace {

// The caption as the reader sees it: without a trailing "(&X)".
QString withoutAccessKey(QString caption)
{
    return caption.remove(QRegularExpression("\\(&.\\)$"));
}

// The letter after "&" (uppercase), or "" when the caption has none.
QString accessKey(const QString& caption)
{
    const auto match = QRegularExpression("&([^&])").match(caption);
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

// The installed tables and pictures of the build; writable files in a temporary folder.
struct Fixture {
    explicit Fixture(const std::string& programDir = CELMORA_PROGRAM_DIR)
        : env(platform::ProgramDir(programDir, writable.path().toStdString()), platform::makeSqliteTableEngine(),
              {2026, 12, 9}),
          ws(std::make_unique<app::Workstation>(env.services))
    {
        ws->records().setPersonWriteBack(false);
    }

    bool diagnose()
    {
        const core::BirthInput input{"山田 花子", "1985", "07", "23", "14", "35", "女", "+19", "東京"};
        return ws->run().run(input);
    }

    QTemporaryDir writable;  // before env, which places the writable files in it
    testing::TestServices env;
    std::unique_ptr<app::Workstation> ws;
};

int visible(graphics::NatalWheel& wheel, graphics::OverlayKind kind)
{
    int n = 0;
    for (const auto& item : wheel.items()) n += item.kind == kind && item.visible ? 1 : 0;
    return n;
}

QImage picture(graphics::Tcirfrm& window)
{
    return window.view()->grab().toImage();
}

}  // namespace

class NatalWheelWindowTest : public QObject {
    Q_OBJECT

private slots:
    void buttonRefusesUntilAChartExists()
    {
        Fixture f;
        QWidget main;
        QPushButton button("ホロスコープ図(&Z)", &main);
        button.setEnabled(false);
        graphics::Tcirfrm* wheel =
            graphics::attachNatalWheel(f.ws->graphics(), f.ws->run(), f.ws->chart(), f.ws->western(), &button, &main);
        QVERIFY(button.isEnabled());
        QCOMPARE(wheel->windowTitle(), QString("出生図"));

        button.click();
        QCOMPARE(f.env.messages.texts(), std::vector<std::string>{"診断ボタンがまだ押されていません"});
        QVERIFY(!wheel->isVisible());

        QVERIFY(f.diagnose());
        QVERIFY(!wheel->isVisible());  // the run redraws the hidden wheel
        button.click();
        QVERIFY(wheel->isVisible());
        QCOMPARE(f.env.messages.list.size(), std::size_t(1));
    }

    void diagnoseDrawsTheWheelFromTheComputedFrame()
    {
        Fixture f;
        QWidget main;
        graphics::Tcirfrm* wheel =
            graphics::attachNatalWheel(f.ws->graphics(), f.ws->run(), f.ws->chart(), f.ws->western(), nullptr, &main);
        QVERIFY(f.diagnose());
        QVERIFY(f.env.messages.list.empty());
        QCOMPARE(visible(wheel->wheel(), graphics::OverlayKind::Body), 13);
        QCOMPARE(wheel->wheel().item(graphics::OverlayKind::HeaderLine, 3).text, std::string("山田 花子"));
        // Step 14 followed: the aspect counts are there and match the flags.
        const auto hard = western::twoBodyAspectPairs(f.ws->western().aspectMatrix(), western::AspectClass::Hard);
        QCOMPARE(f.ws->chart().hardAspectCount, int(hard.size()));
        QVERIFY(f.ws->chart().hardAspectCount + f.ws->chart().softAspectCount > 0);

        // The body's hint under the mouse.
        const auto& sun = wheel->wheel().item(graphics::OverlayKind::Body, 1);
        const QPoint centre((sun.box.left + sun.box.right) / 2, (sun.box.top + sun.box.bottom) / 2);
        QVERIFY(wheel->view()->hintAt(centre).startsWith("太陽 ("));
    }

    void sizeCommandsKeepTheLayoutRuleAndStopAtTheSmallestWheel()
    {
        Fixture f;
        graphics::Tcirfrm window(f.ws->graphics(), f.ws->chart(), f.ws->western());
        QVERIFY(f.diagnose());
        const int screenHeight = window.screen()->geometry().height();
        QCOMPARE(window.windowWidth(), screenHeight - 90);

        int expected = window.windowWidth();
        for (int i = 0; i < 8; ++i) {
            window.N3Click();
            expected = std::max(qRound(0.8 * expected), graphics::Tcirfrm::minimumWindowWidth);
            QCOMPARE(window.windowWidth(), expected);
            QCOMPARE(window.view()->width(), expected - 7);
            QCOMPARE(window.windowHeight(), expected - 7 + 49);
            QCOMPARE(window.wheel().geometry().side, expected - 7);
            QVERIFY(window.wheel().geometry().arabicRadius > graphics::WheelGeometry::mansionRadius);
        }
        QCOMPARE(window.windowWidth(), graphics::Tcirfrm::minimumWindowWidth);

        window.N4Click();
        QCOMPARE(window.windowWidth(), screenHeight - 80);
        QVERIFY(window.isVisible());
        // Bottom-right corner of the area windows may take, less the room left for a
        // frame the window system had not reported when the window was placed.
        const QRect area = window.screen()->availableGeometry();
        const QRect outer = window.frameGeometry();
        QVERIFY(area.contains(outer));
        QVERIFY(area.right() - outer.right() <= 8);
        QVERIFY(area.bottom() - outer.bottom() <= 40);
    }

    // The menu bar and each menu: every entry has an access key, none used twice.
    void menusHaveAccessKeysOfTheirOwn()
    {
        Fixture f;
        graphics::Tcirfrm window(f.ws->graphics(), f.ws->chart(), f.ws->western());
        std::vector<const QWidget*> menus{window.menuBar()};
        for (QMenu* menu : window.findChildren<QMenu*>()) menus.push_back(menu);
        for (const QWidget* menu : menus) {
            QSet<QChar> keys;
            for (const QAction* a : menu->actions()) {
                if (a->isSeparator()) continue;
                const QString key = accessKey(a->text());
                QVERIFY2(!key.isEmpty(), qPrintable(a->text()));
                QVERIFY2(!keys.contains(key[0]), qPrintable(a->text()));
                keys.insert(key[0]);
            }
        }
    }

    void menusCarryEveryCommand()
    {
        Fixture f;
        graphics::Tcirfrm window(f.ws->graphics(), f.ws->chart(), f.ws->western());
        const std::pair<const char*, const char*> items[] = {{"Redisp", "出生図再表示"},
                                                             {"SeizaKigo", "星座記号表示"},
                                                             {"SeizaPicDisp", "星座絵柄表示"},
                                                             {"AngleDsp", "アングル帯表示"},
                                                             {"wakuseibunrui", "惑星の伝統的分類"},
                                                             {"moji_disp", "文字表示"},
                                                             {"N3", "縮小表示"},
                                                             {"N4", "通常表示"},
                                                             {"koseiDisp", "恒星表示"},
                                                             {"KoseiUnDisp", "恒星非表示"},
                                                             {"KoseiDetail", "恒星詳細説明"},
                                                             {"AlabicDsp", "アラビックパーツ表示"},
                                                             {"AlabicUnDsp", "アラビックパーツ非表示"},
                                                             {"SyukuDsp", "２７宿表示(月の位置を参照)"},
                                                             {"Undsp27", "２７宿の非表示"},
                                                             {"Harmo", "ハーフサム軸表示"},
                                                             {"N5", "サビアンシンボルの意味"},
                                                             {"Seisubai", "整数倍調波"},
                                                             {"Bunkatu", "惑星分割調波"},
                                                             {"asp2hard", "ハード２星アスペクト"},
                                                             {"asp2soft", "ソフト２星アスペクト"},
                                                             {"keytriaspect", "重要アスペクト"},
                                                             {"alltriaspect", "全アスペクト"},
                                                             {"keysquaspect", "重要アスペクト"},
                                                             {"allsquaaspect", "全アスペクト"},
                                                             {"Close1", "閉じる(&C)"}};
        for (const auto& [name, caption] : items) {
            QAction* a = window.action(name);
            QVERIFY2(a, name);
            QCOMPARE(withoutAccessKey(a->text()), withoutAccessKey(QString::fromUtf8(caption)));
        }
        QStringList menus;
        for (QAction* a : window.menuBar()->actions()) menus << withoutAccessKey(a->text());
        QCOMPARE(menus,
                 (QStringList{"表示切替", "文字表示", "縮小表示", "プロ用", "調波占星学", "アスペクト", "閉じる"}));

        // Commands of other readings wait for their screens.
        QVERIFY(!window.action("Seisubai")->isEnabled());
        QCOMPARE(window.action(graphics::WheelCommand::HarmonicMultiples), window.action("Seisubai"));
        int opened = 0;
        window.setCommand(graphics::WheelCommand::HarmonicMultiples, [&opened] { ++opened; });
        QVERIFY(window.action("Seisubai")->isEnabled());
        window.action("Seisubai")->trigger();
        QCOMPARE(opened, 1);
        // A second connection of the same command is a wiring fault, not a silent replacement.
        QVERIFY_THROWS_EXCEPTION(std::logic_error, window.setCommand(graphics::WheelCommand::HarmonicMultiples, [] {}));
    }

    void displayCommandsChangeThePicture()
    {
        Fixture f;
        graphics::Tcirfrm window(f.ws->graphics(), f.ws->chart(), f.ws->western());
        QVERIFY(f.diagnose());
        window.Redisp();
        auto& wheel = window.wheel();
        using K = graphics::OverlayKind;

        struct Step {
            const char* action;
            K kind;
            int visibleAfter;
        };
        const Step steps[] = {{"koseiDisp", K::FixedStar, 20},   {"KoseiUnDisp", K::FixedStar, 0},
                              {"AlabicDsp", K::ArabicPart, 5},   {"AlabicUnDsp", K::ArabicPart, 0},
                              {"SyukuDsp", K::MansionLabel, 27}, {"Undsp27", K::MansionLabel, 0},
                              {"moji_disp", K::Body, 0},         {"Redisp", K::Body, 13}};
        for (const Step& s : steps) {
            const QImage before = picture(window);
            window.action(s.action)->trigger();
            QCOMPARE(visible(wheel, s.kind), s.visibleAfter);
            QVERIFY2(picture(window) != before, s.action);
        }

        // Raster commands add to the picture.
        for (const char* name : {"AngleDsp", "asp2hard", "asp2soft"}) {
            const std::size_t ops = wheel.raster().ops.size();
            const QImage before = picture(window);
            window.action(name)->trigger();
            QVERIFY2(wheel.raster().ops.size() > ops, name);
            QVERIFY2(picture(window) != before, name);
        }
        // Drawing the hard lines twice draws the very same lines again.
        const auto& ops = wheel.raster().ops;
        const std::size_t start = ops.size();
        window.asp2hardClick();
        const std::size_t once = ops.size();
        window.asp2hardClick();
        QCOMPARE(ops.size() - once, once - start);
        for (std::size_t i = 0; i < once - start; ++i) {
            const auto& a = std::get<platform::OpLine>(ops[start + i]);
            const auto& b = std::get<platform::OpLine>(ops[once + i]);
            QVERIFY(a.from == b.from && a.to == b.to && a.pen == b.pen);
        }
    }

    void signStyleSwitchesForTheWholeRun()
    {
        Fixture f;
        graphics::Tcirfrm window(f.ws->graphics(), f.ws->chart(), f.ws->western());
        QVERIFY(f.diagnose());
        window.SeizaKigoClick();
        QVERIFY(f.ws->graphics().signStyle() == graphics::SignStyle::Symbol);
        QCOMPARE(window.wheel().item(graphics::OverlayKind::SignPicture, 1).box.width(), 40);
        QCOMPARE(f.env.messages.texts().back(),
                 std::string("これ以降、本ソフトウエアを終了させるまで星座は記号表示で行います。"));

        // A wheel created later starts in the run's style.
        graphics::Tcirfrm second(f.ws->graphics(), f.ws->chart(), f.ws->western());
        QVERIFY(second.wheel().signStyle() == graphics::SignStyle::Symbol);

        window.SeizaPicDispClick();
        QVERIFY(f.ws->graphics().signStyle() == graphics::SignStyle::Picture);
        QCOMPARE(window.wheel().item(graphics::OverlayKind::SignPicture, 1).box.width(), 60);
        QCOMPARE(f.env.messages.texts().back(),
                 std::string("これ以降、本ソフトウエアを終了させるまで星座は絵柄表示で行います。"));

        // A switch made on the other wheel holds here from the next redisplay on,
        // whether the user redraws or the Diagnose run does.
        second.SeizaKigoClick();
        QCOMPARE(window.wheel().item(graphics::OverlayKind::SignPicture, 1).box.width(), 60);
        window.RedispClick();
        QVERIFY(window.wheel().signStyle() == graphics::SignStyle::Symbol);
        QCOMPARE(window.wheel().item(graphics::OverlayKind::SignPicture, 1).box.width(), 40);
        second.SeizaPicDispClick();
        window.redrawFromFrame();
        QCOMPARE(window.wheel().item(graphics::OverlayKind::SignPicture, 1).box.width(), 60);
    }

    void unreadablePicturesDoNotStopTheDiagnoseRun()
    {
        // A program folder with every table but without the picture folders.
        QTemporaryDir root;
        namespace fs = std::filesystem;
        for (const char* folder : {"db", "precidus", "bunsyodb"}) {
            fs::create_directory_symlink(fs::path(CELMORA_PROGRAM_DIR) / folder,
                                         fs::path(root.path().toStdString()) / folder);
        }
        Fixture f(root.path().toStdString());
        QWidget main;
        graphics::Tcirfrm* wheel =
            graphics::attachNatalWheel(f.ws->graphics(), f.ws->run(), f.ws->chart(), f.ws->western(), nullptr, &main);
        std::vector<int> ran;
        for (int s = 1; s <= core::diagnosisStepCount; ++s) {
            f.ws->run().afterStep(static_cast<core::DiagnosisStep>(s),
                                  [&ran, s](core::DiagnosisContext&) { ran.push_back(s); });
        }
        QVERIFY(f.diagnose());
        QCOMPARE(int(ran.size()), core::diagnosisStepCount);
        QCOMPARE(f.env.messages.list.size(), std::size_t(1));
        const std::string& text = f.env.messages.list.front().text;
        QVERIFY(text.find("icon/Sun.bmp") != std::string::npos);
        QVERIFY(f.ws->chart().hardAspectCount + f.ws->chart().softAspectCount > 0);
        QVERIFY(!picture(*wheel).isNull());
    }
};

QTEST_MAIN(NatalWheelWindowTest)
#include "NatalWheelWindowTest.moc"
