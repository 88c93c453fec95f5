// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The chart core's screens: they gather input, call the core and show its results.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "core/ChartRecord.h"
#include "core/CurrentPersonRow.h"
#include "core/DataUnit1.h"
#include "core/FixtureTables.h"
#include "core/JisaUnit.h"
#include "core/situkohyodb.h"
#include "core/ui/TCre_datafrm.h"
#include "core/ui/Tjisafrm.h"
#include "core/ui/Tnowarea.h"
#include "support/TestServices.h"

namespace celmora::core {

class CoreScreensTest : public QObject {
    Q_OBJECT

private:
    static QString cell(const QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }

private slots:
    void worksheetFillsDaysAndKeepsGridOnError()
    {
        platform::RecordingMessages messages;
        const TDatacalc1 calc;
        TCre_datafrm form(calc, messages);
        QCOMPARE(form.windowTitle(), QStringLiteral("惑星計算"));
        QCOMPARE(form.hyo1->rowCount(), 32);
        form.startday->setText("2024/03/01");
        form.endday->setText("2024/03/05");
        form.startfai->setText("10.0.0");
        form.endfai->setText("10.40.0");
        QTest::mouseClick(form.calcbtn, Qt::LeftButton);
        QCOMPARE(form.Rsabun->text(), QStringLiteral("0.40.0"));
        QCOMPARE(cell(form.hyo1, 1, 0), QStringLiteral("2024/3/1"));
        QCOMPARE(cell(form.hyo1, 3, 1), QStringLiteral("10.20.0"));
        QCOMPARE(cell(form.hyo1, 5, 1), QStringLiteral("10.40.0"));
        QCOMPARE(cell(form.hyo1, 6, 0), QString());

        // Same day: division by zero is reported; Rsabun and the grid stay.
        form.endday->setText("2024/03/01");
        form.endfai->setText("11.0.0");
        QTest::mouseClick(form.calcbtn, Qt::LeftButton);
        QCOMPARE(messages.list.size(), std::size_t{1});
        QCOMPARE(form.Rsabun->text(), QStringLiteral("0.40.0"));
        QCOMPARE(cell(form.hyo1, 5, 1), QStringLiteral("10.40.0"));
    }

    void birthplaceScreenWritesPlaceToChartAndPersonRow()
    {
        struct Row : CurrentPersonRow {
            void setTimeDiffAndArea(const std::string& diff, const std::string& area) override
            {
                writes.push_back(diff + "|" + area);
            }
            std::vector<std::string> writes;
        } row;
        platform::RecordingMessages messages;
        ChartRecord chart;
        Tjisafrm screen(chart, messages);
        screen.setPersonRow(&row);
        QCOMPARE(screen.windowTitle(), QStringLiteral("出生地指定による時差の設定と室項表の設定"));
        QCOMPARE(screen.AreaListBox->count(), 50);
        QCOMPARE(screen.AreaListBox->item(36)->text(), QStringLiteral("東京   +19"));

        QTest::mouseClick(screen.okbtn, Qt::LeftButton);
        QCOMPARE(messages.texts(), std::vector<std::string>{"出生地が指定されていません。"});
        QVERIFY(row.writes.empty());

        // 那覇 selects the Fukuoka table's radio item.
        screen.AreaListBox->setCurrentRow(0);
        QCOMPARE(screen.SelSitukoItems->checkedId(), 5);
        screen.AreaListBox->setCurrentRow(36);
        QCOMPARE(screen.SelSitukoItems->checkedId(), 2);
        QSignalSpy chosen(&screen, &Tjisafrm::birthplaceChosen);
        QTest::mouseClick(screen.okbtn, Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("+19"));
        QCOMPARE(chart.birthPlace, std::string("東京"));
        QCOMPARE(row.writes, std::vector<std::string>{"+19|東京"});
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    void birthplaceScreenOpensOnThePersonsOwnPlace_data()
    {
        QTest::addColumn<QString>("area1");
        QTest::addColumn<int>("place");       // 1..50, 0 for none selected
        QTest::addColumn<int>("houseTable");  // checked radio id, -1 for none
        QTest::newRow("佐賀") << QStringLiteral("佐賀") << 3 << 5;
        QTest::newRow("根室, the last item") << QStringLiteral("根室") << 50 << 0;
        QTest::newRow("no place yet") << QString() << 0 << -1;
        QTest::newRow("a place not in the list") << QStringLiteral("ロンドン") << 0 << -1;
        QTest::newRow("trailing blanks are no place") << QStringLiteral("東京  ") << 0 << -1;
    }
    void birthplaceScreenOpensOnThePersonsOwnPlace()
    {
        QFETCH(QString, area1);
        QFETCH(int, place);
        QFETCH(int, houseTable);
        struct Row : CurrentPersonRow {
            void setTimeDiffAndArea(const std::string& diff, const std::string& area) override
            {
                writes.push_back(diff + "|" + area);
            }
            std::vector<std::string> writes;
        } row;
        platform::RecordingMessages messages;
        ChartRecord chart;
        chart.birthPlace = "前の人";
        Tjisafrm screen(chart, messages);
        screen.setPersonRow(&row);
        // The previous opening chose 那覇; this person's own place replaces that choice.
        screen.AreaListBox->setCurrentRow(0);
        screen.resize(640, 420);
        screen.openForPlace(area1.toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        // Focus makes the list's first item current, which must not choose it.
        screen.AreaListBox->setFocus();
        QCoreApplication::processEvents();

        QCOMPARE(screen.selectedPlace(), place);
        QCOMPARE(screen.SelSitukoItems->checkedId(), houseTable);
        if (place > 0) {
            const QRect item = screen.AreaListBox->visualItemRect(screen.AreaListBox->item(place - 1));
            QVERIFY(screen.AreaListBox->viewport()->rect().contains(item));
        }

        // Enter confirms: the person's place again, or the message and nothing written.
        QTest::keyClick(screen.AreaListBox, Qt::Key_Return);
        if (place == 0) {
            QCOMPARE(messages.texts(), std::vector<std::string>{"出生地が指定されていません。"});
            QVERIFY(row.writes.empty());
            QCOMPARE(chart.birthPlace, std::string("前の人"));
            QVERIFY(screen.isVisible());
        } else {
            QVERIFY(messages.list.empty());
            const Place& p = core::place(place);
            QCOMPARE(row.writes, std::vector<std::string>{std::string(p.timeDiff) + "|" + std::string(p.name)});
            QCOMPARE(screen.result(), int(QDialog::Accepted));
        }
    }

    void residenceScreenLooksUpAnglesAndRerunsTransits()
    {
        testing::TestServices env;
        testing::writeHouseTable(*env.tables, env.services.dirs.houseTableDir(), "Sapporo",
                                 {testing::houseRow("16.07.00", "牡牛", "2.10", "山羊", "26.40")});
        const TDatacalc1 calc;
        Tsitukofrm houses(env.services, calc);
        ChartRecord chart;
        chart.localSiderealTime = "16.07.00";
        Tnowarea screen(houses, chart, env.messages);
        int reruns = 0;
        screen.setTransitRerun([&] { ++reruns; });
        QCOMPARE(screen.windowTitle(), QStringLiteral("現在の居住地"));
        QCOMPARE(screen.ListBox1->count(), 50);

        QTest::mouseClick(screen.okbtn, Qt::LeftButton);
        QCOMPARE(env.messages.texts(), std::vector<std::string>{"現在地が指定されていません。"});

        // 根室 uses the Sapporo table too, which is here; 東京's is not.
        screen.ListBox1->setCurrentRow(36);
        QTest::mouseClick(screen.okbtn, Qt::LeftButton);
        QCOMPARE(reruns, 0);
        QCOMPARE(screen.result(), int(QDialog::Rejected));
        screen.ListBox1->setCurrentRow(49);
        QTest::mouseClick(screen.okbtn, Qt::LeftButton);
        QCOMPARE(
            env.messages.list.back().text,
            std::string(
                "現在地が指定されました。この後、ASC,MC の位置を再計算するためトランジット診断を自動的に実行します。"));
        QCOMPARE(reruns, 1);
        QCOMPARE(chart.nowHouseSignName[1], std::string("牡牛"));
        QCOMPARE(chart.nowHouseDegText[10], std::string("26.40"));
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }
};

}  // namespace celmora::core

QTEST_MAIN(celmora::core::CoreScreensTest)
#include "CoreScreensTest.moc"
