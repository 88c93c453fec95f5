// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The whole workstation on the installed data: type a birth, press 診断, and the
// chart-detail page shows the sidereal-time labels and the two grids. The window is
// saved as PNG beside the test binary so that a person can look at it.

#include "app/Workstation.h"
#include "core/ChartRecord.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramStart.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "platform/Table.h"
#include "ui/AppWiring.h"
#include "ui/InpUnit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

using namespace celmora;

namespace {

bool installedDataPresent()
{
    return std::filesystem::exists(CELMORA_PROGRAM_DIR "/db/1980.db") &&
           std::filesystem::exists(CELMORA_PROGRAM_DIR "/precidus/Tokyo.db");
}

QString cell(QTableWidget* grid, int row, int col)
{
    auto* item = grid->item(row, col);
    return item ? item->text() : QString();
}

}  // namespace

class DiagnoseScreenTest : public QObject {
    Q_OBJECT

private slots:
    void diagnoseShowsTheChartDetailPage()
    {
        if (!installedDataPresent()) QSKIP("installed data not built");
        // Installed tables read from the program folder; person list and settings in a
        // temporary writable folder.
        QTemporaryDir writable;
        auto tables = platform::makeSqliteTableEngine();
        platform::MemorySettings settings;
        settings.writeString("sound", "check", "False");
        platform::RecordingMessages messages;
        platform::FixedClock clock({2026, 12, 10});
        platform::RecordingSound sound;
        platform::RecordingProgramStart programs;
        platform::Services services{platform::ProgramDir(CELMORA_PROGRAM_DIR, writable.path().toStdString()),
                                    tables.get(), &settings, &messages, &clock, &sound, &programs, nullptr};
        app::Workstation ws(services);
        ui::Tinpfrm w(ws.chartCore());
        ui::attachScreens(w, ws);
        w.resize(1200, 820);
        w.show();

        const auto& b = w.birthBoxes();
        b.NameDB->setText("試験");
        b.yyComboBox->setCurrentText("1980");
        b.mmComboBox->setCurrentText("01");
        b.ddComboBox->setCurrentText("01");
        b.hComboBox->setCurrentText("09");
        b.mComboBox->setCurrentText("05");
        b.DBsex->setCurrentText("男");
        b.jisalbl->setText("+19");
        w.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("screen-data-entry.png"));

        w.shindanbtnClick();

        QCOMPARE(w.pageControl()->currentIndex(), static_cast<int>(ui::Page::ChartDetail));
        QCOMPARE(w.nameLabel()->text(), QString("試験  1980/01/01  46才"));
        QCOMPARE(w.syuseiji()->text(), QString("地方恒星時間：16.07"));
        QVERIFY(w.koseijilbl()->text().startsWith("平均恒星時間 : 18.43.00"));
        QCOMPARE(cell(w.seizagrid(), 1, 0), QString("第1ハウス"));
        QVERIFY(!cell(w.seizagrid(), 1, 1).isEmpty());
        QCOMPARE(cell(w.stargrid(), 1, 0), QString("太陽"));
        QCOMPARE(cell(w.stargrid(), 1, 1), QString("山羊"));
        QCOMPARE(cell(w.stargrid(), 11, 0), QString("ドラゴンヘッド"));
        w.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("screen-chart-detail.png"));
    }
};

QTEST_MAIN(DiagnoseScreenTest)
#include "DiagnoseScreenTest.moc"
