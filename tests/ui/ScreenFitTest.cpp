// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The workstation's windows on a small screen (the offscreen screen is 800 × 800):
// every window lies inside the available area, the wheel stays square, and Qt's own
// texts read in Japanese.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/Workstation.h"
#include "core/ChartRecord.h"
#include "graphics/ui/CirUnit.h"
#include "graphics/ui/WheelView.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "platform/Table.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/ScreenFit.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"
#include "records/RecordsModule.h"
#include "ui/AppWiring.h"
#include "ui/InpUnit.h"

using namespace celmora;

namespace {

bool installedDataPresent()
{
    return std::filesystem::exists(CELMORA_PROGRAM_DIR "/db/1980.db") &&
           std::filesystem::exists(CELMORA_PROGRAM_DIR "/precidus/Tokyo.db");
}

// The workstation as the program starts it, on the installed data; person list and
// settings in a temporary writable folder.
struct Station {
    Station()
        : tables(platform::makeSqliteTableEngine()),
          clock({2026, 12, 10}),
          services{platform::ProgramDir(CELMORA_PROGRAM_DIR, writable.path().toStdString()),
                   tables.get(),
                   &settings,
                   &messages,
                   &clock,
                   &sound,
                   &programs,
                   nullptr},
          ws(ready()),
          w(ws.chartCore())
    {
        ui::attachScreens(w, ws);
        w.show();
    }
    const platform::Services& ready()
    {
        settings.writeString("sound", "check", "False");
        return services;
    }
    void diagnose()
    {
        const auto& b = w.birthBoxes();
        b.NameDB->setText("試験");
        b.yyComboBox->setCurrentText("1980");
        b.mmComboBox->setCurrentText("02");
        b.ddComboBox->setCurrentText("14");
        b.hComboBox->setCurrentText("09");
        b.mComboBox->setCurrentText("05");
        b.DBsex->setCurrentText("男");
        b.jisalbl->setText("+19");
        w.findChild<QPushButton*>("shindanbtn")->click();
    }
    void click(const char* objectName)
    {
        auto* button = w.findChild<QPushButton*>(objectName);
        QVERIFY2(button, objectName);
        QVERIFY2(button->isEnabled(), objectName);
        button->click();
    }
    graphics::Tcirfrm* wheel() const { return w.findChild<graphics::Tcirfrm*>(); }

    QTemporaryDir writable;
    std::unique_ptr<platform::TableEngine> tables;
    platform::MemorySettings settings;
    platform::RecordingMessages messages;
    platform::FixedClock clock;
    platform::RecordingSound sound;
    platform::RecordingProgramStart programs;
    platform::Services services;
    app::Workstation ws;
    ui::Tinpfrm w;
};

QStringList windowsOffTheScreen()
{
    QStringList off;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<QMenu*>(window)) continue;
        const QRect area = platform::availableArea(window);
        if (!area.contains(window->frameGeometry())) {
            QRect g = window->frameGeometry();
            off << QString("%1 %2x%3+%4+%5")
                       .arg(window->windowTitle())
                       .arg(g.width())
                       .arg(g.height())
                       .arg(g.x())
                       .arg(g.y());
        }
    }
    return off;
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void proportionalFit_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("fits as it is") << QSize(640, 520) << QSize(800, 800) << QSize(640, 520);
        QTest::newRow("too wide") << QSize(1180, 800) << QSize(792, 766) << QSize(792, 536);
        QTest::newRow("too high") << QSize(560, 760) << QSize(792, 380) << QSize(280, 380);
        QTest::newRow("exactly the room") << QSize(792, 766) << QSize(792, 766) << QSize(792, 766);
        QTest::newRow("never below one pixel") << QSize(5000, 2) << QSize(100, 100) << QSize(100, 1);
    }
    void proportionalFit()
    {
        QFETCH(QSize, wanted);
        QFETCH(QSize, room);
        QFETCH(QSize, expected);
        QCOMPARE(platform::fitProportionally(wanted, room), expected);
    }

    void everyWindowFitsTheScreen()
    {
        if (!installedDataPresent()) QSKIP("installed data not built");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(area.width() < 1180, "the test needs a screen smaller than the main window's design");
        Station s;
        QCOMPARE(windowsOffTheScreen().join(" / "), QString());

        s.messages.list.clear();  // the notice that the screen is small
        s.diagnose();
        QCOMPARE(s.messages.texts(), std::vector<std::string>{});
        for (const char* button :
             {"horoscope", "dbcustom", "keisanbtn", "detailbtn", "jisabtn", "sortbtn", "AspectEnv"}) {
            s.click(button);
        }
        s.wheel()->action("KoseiDetail")->trigger();
        QCOMPARE(windowsOffTheScreen().join(" / "), QString());

        // The size commands keep the wheel on the screen as well.
        s.wheel()->action("N4")->trigger();
        QCOMPARE(windowsOffTheScreen().join(" / "), QString());
        s.wheel()->action("N3")->trigger();
        QCOMPARE(windowsOffTheScreen().join(" / "), QString());
    }

    void theWheelStaysSquareInTheBottomRightCorner()
    {
        if (!installedDataPresent()) QSKIP("installed data not built");
        Station s;
        s.diagnose();
        s.click("horoscope");
        graphics::Tcirfrm* wheel = s.wheel();
        QVERIFY(wheel->isVisible());
        const int side = wheel->windowWidth() - graphics::Tcirfrm::frameAllowance;
        QCOMPARE(wheel->view()->size(), QSize(side, side));
        // The screen's height less 90 would be 710: that fits, and stays.
        const QRect area = platform::availableArea(wheel);
        QCOMPARE(wheel->windowWidth(), QGuiApplication::primaryScreen()->geometry().height() - 90);
        // In the corner, less what was left for a frame the window system had not
        // reported yet.
        const QRect outer = wheel->frameGeometry();
        QVERIFY(area.contains(outer));
        QVERIFY2(area.right() - outer.right() <= 8 && area.bottom() - outer.bottom() <= 40,
                 qPrintable(QString("%1,%2").arg(outer.right()).arg(outer.bottom())));
    }

    // The buttons' access keys collide (&P twice); Ctrl+S saves the row on the data-entry page.
    void controlSSavesTheRow()
    {
        if (!installedDataPresent()) QSKIP("installed data not built");
        Station s;
        records::PersonTable& persons = s.ws.records().persons();
        QVERIFY(persons.newRowPending());
        s.w.birthBoxes().NameDB->setText("保存");
        QApplication::setActiveWindow(&s.w);
        QVERIFY(QTest::qWaitForWindowActive(&s.w));
        QTest::keyClick(s.w.birthBoxes().NameDB, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!persons.newRowPending());
        QCOMPARE(persons.rowCount(), 1);
        QCOMPARE(persons.rowText(0, records::fields::name), std::string("保存"));
        QCOMPARE(s.messages.texts().size(), std::size_t{1});  // only the small-screen notice
    }

    void qtTextsReadInJapanese()
    {
        if (!platform::installQtTranslations(*qApp)) QSKIP("Qt's Japanese catalogue is not installed");
        QLineEdit box("氏名");
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) texts << a->text();
        }
        for (const char* expected : {"元に戻す", "やり直", "切り取り", "コピー", "貼り付け"}) {
            QVERIFY2(texts.filter(QString::fromUtf8(expected)).size() == 1, qPrintable(texts.join(" | ")));
        }
        QVERIFY2(texts.filter("Undo").isEmpty() && texts.filter("Paste").isEmpty(), qPrintable(texts.join(" | ")));
    }

    void theFixedStarWindowClosesInJapanese()
    {
        if (!installedDataPresent()) QSKIP("installed data not built");
        Station s;
        s.diagnose();
        s.wheel()->action("KoseiDetail")->trigger();
        auto* stars = s.wheel()->findChild<QDialog*>("KoseiDetail");
        QVERIFY(stars);
        QStringList captions;
        for (QAbstractButton* b : stars->findChild<QDialogButtonBox*>()->buttons()) captions << b->text();
        QCOMPARE(captions, QStringList{"閉じる"});
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
