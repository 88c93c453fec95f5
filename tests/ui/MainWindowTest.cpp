// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The main window shell: captions, start-up, the result-page guard and era years.

#include <QComboBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/Workstation.h"
#include "core/ChartRecord.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "platform/Table.h"
#include "support/TestServices.h"
#include "ui/InpUnit.h"

using namespace celmora;

namespace {

// A workstation over doubles: no table exists, nothing touches the user's folders.
struct Fixture {
    explicit Fixture(platform::Date today = {2026, 12, 9})
        : env(platform::ProgramDir(dir.path().toStdString(), dir.path().toStdString()),
              platform::makeMemoryTableEngine(), today)
    {
    }
    QTemporaryDir dir;  // before env, which is placed in it
    testing::TestServices env;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionsInOrder()
    {
        Fixture f;
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        QCOMPARE(w.windowTitle(), QString("Celmora Pro2021"));
        const QStringList expected = {"データ入力", "出生図詳細",   "大分類１",          "大分類２",       "本質診断",
                                      "知情意診断", "ビジネス診断", "AI(人工知能)診断",  "複合アスペクト", "未来予知",
                                      "相性診断",   "中国七政占術", "よくある質問と回答"};
        QStringList captions;
        for (int i = 0; i < w.pageControl()->count(); ++i) captions << w.pageControl()->tabText(i);
        QCOMPARE(captions, expected);
        QCOMPARE(w.pageControl()->currentIndex(), 0);
    }

    void resultPagesRefuseBeforeFirstRun_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("出生図詳細") << 1;
        QTest::newRow("本質診断") << 4;
        QTest::newRow("未来予知") << 9;
        QTest::newRow("よくある質問と回答") << 12;
    }
    void resultPagesRefuseBeforeFirstRun()
    {
        QFETCH(int, page);
        Fixture f;
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        f.env.messages.list.clear();
        w.pageControl()->setCurrentIndex(page);
        QCOMPARE(w.pageControl()->currentIndex(), 0);
        QCOMPARE(f.env.messages.texts(), std::vector<std::string>{"診断ボタンが押下されていません！！"});
    }

    void resultPagesOpenOnceAChartExists()
    {
        Fixture f;
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        f.env.messages.list.clear();
        ws.chart().name = "試験";
        w.pageControl()->setCurrentIndex(4);
        QCOMPARE(w.pageControl()->currentIndex(), 4);
        QVERIFY(f.env.messages.list.empty());
    }

    void startupChimeByWeekday_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("expected");
        // 2026/12/06 is a Sunday.
        // clang-format off
        QTest::newRow("Sunday") << 6 << "True" << "WAV01.WAV";
        QTest::newRow("Wednesday") << 9 << "True" << "WAV04.WAV";
        QTest::newRow("Saturday") << 12 << "True" << "WAV03.WAV";
        QTest::newRow("switched off") << 9 << "False" << "";
        // clang-format on
    }
    void startupChimeByWeekday()
    {
        QFETCH(int, day);
        QFETCH(QString, check);
        QFETCH(QString, expected);
        Fixture f({2026, 12, day});
        f.env.settings.writeString("sound", "check", check.toStdString());
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        if (expected.isEmpty()) {
            QVERIFY(f.env.sound.played.empty());
            QVERIFY(!w.soundEnabled());
        } else {
            QCOMPARE(f.env.sound.played.size(), std::size_t{1});
            QVERIFY(QString::fromStdString(f.env.sound.played[0]).endsWith("/" + expected));
        }
    }

    void listsFilledAtStartup()
    {
        Fixture f({2026, 12, 9});
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        QCOMPARE(w.prnbox()->count(), 10);
        QCOMPARE(w.prnbox()->itemText(0), QString("2026年度"));
        QCOMPARE(w.prnbox()->itemText(9), QString("2035年度"));
        const auto& b = w.birthBoxes();
        QCOMPARE(b.yyComboBox->count(), 2040 - 1926 + 1);
        QCOMPARE(b.mmComboBox->itemText(0), QString("01"));
        QCOMPARE(b.hComboBox->itemText(0), QString("00"));
        QCOMPARE(b.mComboBox->count(), 60);
    }

    void eraYearOnF1_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("Showa") << "S34" << "1959";
        QTest::newRow("Heisei lower case") << "h1" << "1989";
        QTest::newRow("Reiwa") << "R2" << "2020";
        QTest::newRow("western year stays") << "1959" << "1959";
        // clang-format on
    }
    void eraYearOnF1()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Fixture f;
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        w.birthBoxes().yyComboBox->setCurrentText(typed);
        w.yyComboBoxKeyUp(Qt::Key_F1);
        QCOMPARE(w.birthBoxes().yyComboBox->currentText(), expected);
    }

    // F1 on an empty year box is reported by the window; the box stays empty.
    void eraYearOnF1InAnEmptyBoxIsReported()
    {
        Fixture f;
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        f.env.messages.list.clear();
        QComboBox* year = w.birthBoxes().yyComboBox;
        year->setCurrentText("");
        QTest::keyRelease(year, Qt::Key_F1);
        QCOMPARE(f.env.messages.texts(), std::vector<std::string>{"年度が入力されていません。"});
        QCOMPARE(year->currentText(), QString());
    }

    // The conversion is hooked to the year box's key release: F1 released on the box
    // converts, another key leaves the text alone.
    void eraYearOnKeyReleaseInTheYearBox()
    {
        Fixture f;
        app::Workstation ws(f.env.services);
        ui::Tinpfrm w(ws.chartCore());
        QComboBox* year = w.birthBoxes().yyComboBox;
        year->setCurrentText("S34");
        QTest::keyRelease(year, Qt::Key_F2);
        QCOMPARE(year->currentText(), QString("S34"));
        QTest::keyRelease(year, Qt::Key_F1);
        QCOMPARE(year->currentText(), QString("1959"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
