// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The aspect settings window and the aspect table of "出生図詳細", on a copy of the
// installed tables so that edits never touch the build's files.

#include <QApplication>
#include <QBrush>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <filesystem>

#include "app/Workstation.h"
#include "core/BirthInput.h"
#include "core/ChartRecord.h"
#include "core/DiagnosisRun.h"
#include "graphics/WheelFrame.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "support/TestServices.h"
#include "western/ASPDB1.h"
#include "western/AspectUnit1.h"
#include "western/ui/AspectScreensAttach.h"
#include "western/ui/NatalAspectGridModel.h"
#include "western/ui/NatalAspectPanel.h"
#include "western/ui/Taspectsetfrm.h"

using namespace celmora;

namespace {

struct Fixture {
    Fixture()
        : env(platform::ProgramDir(dir.path().toStdString(), dir.path().toStdString()),
              platform::makeSqliteTableEngine(), {2026, 12, 9})
    {
        namespace fs = std::filesystem;
        const fs::path root(dir.path().toStdString());
        for (const char* folder : {"db", "precidus", "icon"}) {
            fs::create_directory_symlink(fs::path(CELMORA_PROGRAM_DIR) / folder, root / folder);
        }
        fs::create_directory(root / "bunsyodb");
        fs::copy_file(fs::path(CELMORA_PROGRAM_DIR) / "bunsyodb" / "ASPECT.db", root / "bunsyodb" / "ASPECT.db");
        ws = std::make_unique<app::Workstation>(env.services);
        ws->records().setPersonWriteBack(false);
    }

    bool diagnose() { return ws->run().run({"山田 花子", "1985", "07", "23", "14", "35", "女", "+19", "東京"}); }

    QTemporaryDir dir;  // the program folder: before env, which is placed in it
    testing::TestServices env;
    std::unique_ptr<app::Workstation> ws;
};

QString cellText(const western::NatalAspectGridModel& m, int row, int column)
{
    return m.data(m.index(row, column), Qt::DisplayRole).toString();
}

QColor cellBackground(const western::NatalAspectGridModel& m, int row, int column)
{
    return m.data(m.index(row, column), Qt::BackgroundRole).value<QBrush>().color();
}

}  // namespace

class AspectScreensTest : public QObject {
    Q_OBJECT

private slots:
    // The legend's colours are the label's own: its hint is drawn as every hint is, and
    // the caption breaks where its sentence does, leaving no character alone on a line.
    void legendHintsKeepTheirOwnLookAndTheCaptionBreaksCleanly()
    {
        Fixture f;
        QWidget main;
        QWidget extras;
        new QVBoxLayout(&extras);
        const auto screens = western::attachAspectScreens(f.ws->western(), f.ws->run(), &extras, &main, nullptr);
        extras.show();
        auto* hard = screens.panel->findChild<QLabel*>("HardAspect");
        QVERIFY(hard);
        QCOMPARE(hard->grab().toImage().pixelColor(hard->width() / 2, 2), QColor(0xFF, 0x00, 0xFF));

        QToolTip::showText(hard->mapToGlobal(hard->rect().center()), hard->toolTip(), hard);
        QWidget* tip = nullptr;
        QTRY_VERIFY((tip = [] {
                        for (QWidget* w : QApplication::topLevelWidgets()) {
                            if (w->inherits("QTipLabel") && w->isVisible()) return w;
                        }
                        return static_cast<QWidget*>(nullptr);
                    }()) != nullptr);
        const QImage picture = tip->grab().toImage();
        const QColor magenta(0xFF, 0x00, 0xFF);
        for (QPoint p : {QPoint(2, 2), QPoint(picture.width() / 2, picture.height() - 3)}) {
            QVERIFY2(picture.pixelColor(p) != magenta, "the hint took the legend's background");
        }
        QToolTip::hideText();

        auto* caption = screens.panel->findChild<QLabel*>("AspectCaption");
        QVERIFY(caption);
        for (const QString& line : caption->text().split('\n')) QVERIFY2(line.size() > 1, qPrintable(line));
        QVERIFY(!caption->wordWrap());  // the lines are the ones written
        QVERIFY(caption->width() >= caption->sizeHint().width());
    }

    void gridShowsSeparationsInTheColoursOfTheirClass()
    {
        Fixture f;
        QWidget main;
        QWidget extras;
        new QVBoxLayout(&extras);
        QWidget aiPage;
        const auto screens = western::attachAspectScreens(f.ws->western(), f.ws->run(), &extras, &main, &aiPage);
        const western::NatalAspectGridModel& m = *screens.panel->model();
        QCOMPARE(m.rowCount(), 13);
        QCOMPARE(m.columnCount(), 14);
        // Before any run every pair cell shows "-" on silver: row 2 (Moon), column 1 is the pair (1, 2).
        QCOMPARE(cellText(m, 1, 1), QString("-"));
        QCOMPARE(cellBackground(m, 1, 1), QColor(0xC0, 0xC0, 0xC0));
        // Icons down the left and on the diagonal, named in the hint.
        QCOMPARE(m.data(m.index(0, 0), Qt::ToolTipRole).toString(), QString("太陽"));
        QCOMPARE(m.data(m.index(12, 13), Qt::ToolTipRole).toString(), QString("MC"));
        QVERIFY(!m.data(m.index(0, 1), Qt::DecorationRole).isNull());

        QVERIFY(f.diagnose());
        const auto& frame = f.ws->graphics().wheelFrame();
        const auto& matrix = f.ws->western().aspectMatrix();
        int hard = 0, soft = 0;
        for (int j = 1; j <= 12; ++j) {
            for (int k = j + 1; k <= 13; ++k) {
                const int row = k - 1;
                if (j == 12 && k == 13) {
                    QCOMPARE(cellText(m, row, j), QString("-"));
                    continue;
                }
                QCOMPARE(cellText(m, row, j), QString::number(frame.separation[j][k]));
                const QColor bg = cellBackground(m, row, j);
                if (!matrix.hasAspect[j][k]) {
                    QCOMPARE(bg, QColor(0xC0, 0xC0, 0xC0));
                } else if (matrix.isHard[j][k]) {
                    QCOMPARE(bg, QColor(0xFF, 0x00, 0xFF));
                    ++hard;
                } else {
                    QCOMPARE(bg, QColor(0xFF, 0xFF, 0xFF));
                    ++soft;
                }
            }
        }
        QCOMPARE(hard, f.ws->chart().hardAspectCount);
        QCOMPARE(soft, f.ws->chart().softAspectCount);
        QVERIFY(hard > 0 && soft > 0);

        // The legends, the caption and the button beside the grid.
        QStringList labels;
        for (QLabel* l : screens.panel->findChildren<QLabel*>()) labels << l->text() + "|" + l->toolTip();
        QVERIFY(labels.contains("HARD ASPECT|作用が強いアスペクト"));
        QVERIFY(labels.contains("SOFT ASPECT|作用が弱いアスペクト"));
        QVERIFY(labels.contains("アスペクトとは、\n惑星と惑星の角度のことです|"));
        QCOMPARE(screens.panel->AspectEnv->text(), QString("アスペクトオーブ設定"));
        screens.panel->AspectEnv->click();
        QVERIFY(screens.settings->isVisible());
        QVERIFY(!screens.settings->isModal());

        // The AI page's button of the same caption opens the same window again.
        screens.settings->hide();
        auto* speed = aiPage.findChild<QPushButton*>("SpeedButton1");
        QVERIFY(speed != nullptr);
        QCOMPARE(speed, screens.aiPageButton);
        QCOMPARE(speed->text(), QString("アスペクトオーブ設定"));
        speed->click();
        QVERIFY(screens.settings->isVisible());
    }

    void settingsEditTheFileAndReloadOnlyOnClose()
    {
        Fixture f;
        western::Taspectsetfrm settings(f.ws->western());
        QCOMPARE(settings.windowTitle(), QString("アスペクトの設定"));
        QCOMPARE(settings.status->text(),
                 QString("データを修正したり追加した後は、必ず再起動してください。  再起動後診断結果に反映されます。"));
        auto* model = settings.grid->model();
        QCOMPARE(model->columnCount(), 4);
        QStringList headers;
        for (int c = 0; c < 4; ++c) headers << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(headers, (QStringList{"名称", "Tessaro流", "度数", "許容度"}));
        QCOMPARE(model->data(model->index(0, 3), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(model->rowCount(), 11);
        QVERIFY(settings.memo->toPlainText().contains("です。"));

        // The conjunction's orb from 8 to 3: in the user's copy at once, in memory after
        // "閉じる"; the installed table keeps its value.
        QCOMPARE(f.ws->western().aspectTable().slot(1).orb, 8);
        QVERIFY(model->setData(model->index(0, 3), 3, Qt::EditRole));
        {
            auto table = f.env.tables->open(f.env.services.dirs.editedTextDir(), "ASPECT");
            QVERIFY(table->first());
            QCOMPARE(table->integer("許容度"), 3);
            auto installed = f.env.tables->open(f.env.services.dirs.textDir(), "ASPECT");
            QVERIFY(installed->first());
            QCOMPARE(installed->integer("許容度"), 8);
        }
        QCOMPARE(f.ws->western().aspectTable().slot(1).orb, 8);
        settings.close();  // the window frame: no reload
        QCOMPARE(f.ws->western().aspectTable().slot(1).orb, 8);

        settings.memo->setPlainText("書き換えたメモです。");
        settings.memo->document()->setModified(true);  // as after typing
        settings.CloseBtnClick();
        QCOMPARE(f.ws->western().aspectTable().slot(1).orb, 3);
        QCOMPARE(western::aspectMemo(f.ws->western().aspectTable(), 0), std::string("書き換えたメモです。"));
        QVERIFY(f.env.messages.list.empty());

        // A value the table refuses is reported and not written.
        QVERIFY(!model->setData(model->index(0, 2), "九十", Qt::EditRole));
        QCOMPARE(f.env.messages.list.size(), std::size_t(1));
        QCOMPARE(model->data(model->index(0, 2), Qt::DisplayRole).toInt(), 0);
    }
};

QTEST_MAIN(AspectScreensTest)
#include "AspectScreensTest.moc"
