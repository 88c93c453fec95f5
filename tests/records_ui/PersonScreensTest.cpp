// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "platform/Messages.h"
#include "platform/Table.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"
#include "records/ui/DetailUnit.h"
#include "records/ui/PersonGridModel.h"
#include "records/ui/PersonListPanel.h"
#include "records/ui/PersonListSwitch.h"
#include "records/ui/PersonSearchPanel.h"
#include "records/ui/sortUnit1.h"
#include "ui/InpUnit.h"

using namespace celmora;
using records::PersonList;
using records::PersonTable;
namespace fields = records::fields;

namespace {

// The data-entry page's boxes as the main window makes them.
struct Boxes {
    Boxes()
    {
        boxes.NameDB = new QLineEdit(&page);
        boxes.yyComboBox = combo(true);
        boxes.mmComboBox = combo(true);
        boxes.ddComboBox = combo(true);
        boxes.hComboBox = combo(true);
        boxes.mComboBox = combo(true);
        boxes.DBsex = combo(false);
        boxes.DBsex->addItems({"男", "女"});
        boxes.jisalbl = new QLineEdit(&page);
        for (int y = 1926; y <= 2040; ++y) boxes.yyComboBox->addItem(QString::number(y));
    }
    QComboBox* combo(bool editable)
    {
        auto* box = new QComboBox(&page);
        box->setEditable(editable);
        box->setInsertPolicy(QComboBox::NoInsert);
        return box;
    }
    QWidget page;
    ui::BirthBoxes boxes;
};

QString cell(const QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

}  // namespace

class PersonScreensTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        engine = platform::makeMemoryTableEngine();
        persons = std::make_unique<PersonTable>(*engine, "/jinmei");
        persons->open(PersonList::First);
        for (const char* name : {"Suzuki", "Abe", "Tanaka"}) {
            persons->appendNew();
            persons->setField(fields::name, name);
            persons->setField(fields::year, "1960");
            persons->save();
        }
        persons->first();
        messages = std::make_unique<platform::RecordingMessages>();
        boxes = std::make_unique<Boxes>();
        panel = std::make_unique<records::PersonListPanel>(*persons, boxes->boxes, *messages);
    }
    void cleanup()
    {
        panel.reset();
        boxes.reset();
        persons.reset();
        engine.reset();
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("No keeps the row") << false << 3;
        QTest::newRow("Yes deletes it") << true << 2;
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, answer);
        QFETCH(int, rowsLeft);
        messages->answer = answer;
        QTest::mouseClick(panel->button("godel"), Qt::LeftButton);
        QCOMPARE(messages->list.size(), std::size_t{1});
        QCOMPARE(messages->list[0].kind, platform::MessageKind::Question);
        QCOMPARE(QString::fromStdString(messages->list[0].text), QString("このデータを削除しますか？"));
        QCOMPARE(persons->rowCount(), rowsLeft);
        QCOMPARE(panel->search()->grid()->model()->rowCount(), rowsLeft);
    }

    void nameSearchMovesBoxesAndGrid()
    {
        panel->search()->searchBox()->setText("t");
        QTest::mouseClick(panel->search()->searchButton(), Qt::LeftButton);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Tanaka"));
        const QTableView* grid = panel->search()->grid();
        QCOMPARE(grid->objectName(), QString("DBGrid1"));
        QCOMPARE(cell(grid, 0, 0), QString("Abe"));  // name order
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(cell(grid, grid->currentIndex().row(), 0), QString("Tanaka"));
    }

    void typingEditsTheRowAndMovingSavesIt()
    {
        QTest::keyClicks(boxes->boxes.NameDB, "X");
        const QTableView* grid = panel->search()->grid();
        QCOMPARE(cell(grid, 0, 0), QString("SuzukiX"));
        boxes->boxes.yyComboBox->setCurrentText("1959");
        QTest::mouseClick(panel->button("gosaki"), Qt::LeftButton);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Abe"));
        auto saved = persons->openReader();
        QCOMPARE(QString::fromStdString(saved->text(fields::name)), QString("SuzukiX"));
        QCOMPARE(QString::fromStdString(saved->text(fields::year)), QString("1959"));
        // The boxes hold no more than the fields do.
        QCOMPARE(boxes->boxes.NameDB->maxLength(), 16);
        QCOMPARE(boxes->boxes.yyComboBox->lineEdit()->maxLength(), 4);
    }

    void clickingAGridRowMovesTheBoxes()
    {
        QTableView* grid = panel->search()->grid();
        grid->setCurrentIndex(grid->model()->index(2, 3));
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Tanaka"));
        QCOMPARE(persons->currentRow(), 2);
    }

    void newRowStartsEmptyAndIsDroppedWhenLeftUntouched()
    {
        QTest::mouseClick(panel->button("gonnew"), Qt::LeftButton);
        QCOMPARE(boxes->boxes.NameDB->text(), QString());
        QCOMPARE(boxes->boxes.DBsex->currentIndex(), -1);
        QCOMPARE(panel->search()->grid()->model()->rowCount(), 4);
        QTest::mouseClick(panel->button("gotop"), Qt::LeftButton);
        QCOMPARE(panel->search()->grid()->model()->rowCount(), 3);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Suzuki"));
    }

    void switchingListsAndBack()
    {
        records::PersonListSwitch jbox(*persons, *messages);
        QCOMPARE(jbox.objectName(), QString("Jbox"));
        QCOMPARE(jbox.item(0)->text(), QString("人名１"));
        QVERIFY(jbox.item(0)->isChecked());
        QTest::mouseClick(panel->button("golast"), Qt::LeftButton);

        QTest::mouseClick(jbox.item(1), Qt::LeftButton);
        QCOMPARE(persons->list(), PersonList::Second);
        QCOMPARE(boxes->boxes.NameDB->text(), QString());
        QTest::keyClicks(boxes->boxes.NameDB, "Hanako");

        QTest::mouseClick(jbox.item(0), Qt::LeftButton);
        QCOMPARE(persons->list(), PersonList::First);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Suzuki"));  // the first row again
        QCOMPARE(panel->search()->grid()->currentIndex().row(), 0);

        QTest::mouseClick(jbox.item(1), Qt::LeftButton);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Hanako"));  // saved when leaving list 2
        QVERIFY(messages->list.empty());
    }

    void sortScreenReordersAndKeepsTheCurrentRow()
    {
        records::Tsortfrm& sort = panel->sortScreen();
        QCOMPARE(sort.windowTitle(), QString("並び替え画面"));
        QCOMPARE(sort.checkedItem(), 8);                             // entry order when first shown
        QTest::mouseClick(panel->button("gosaki"), Qt::LeftButton);  // Abe
        QTest::mouseClick(sort.item(0), Qt::LeftButton);             // 氏名
        QCOMPARE(QString::fromStdString(persons->order()), QString("SIMEI"));
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Abe"));
        QCOMPARE(panel->search()->grid()->currentIndex().row(), 0);
        QCOMPARE(cell(panel->search()->grid(), 2, 0), QString("Tanaka"));

        QTest::mouseClick(sort.item(8), Qt::LeftButton);
        QCOMPARE(cell(panel->search()->grid(), 0, 0), QString("Suzuki"));
        // A name search shows as the name item.
        QTest::mouseClick(panel->search()->searchButton(), Qt::LeftButton);
        QCOMPARE(sort.checkedItem(), 0);
    }

    void gridHeadingsAndWidths()
    {
        const QTableView* grid = panel->search()->grid();
        const auto heading = [&](int c) { return grid->model()->headerData(c, Qt::Horizontal).toString(); };
        QCOMPARE(grid->model()->columnCount(), 30);
        QCOMPARE(heading(2), QString("月"));
        QCOMPARE(grid->columnWidth(2), 23);
        QCOMPARE(heading(18), QString("太ﾊｳｽ"));
        QCOMPARE(heading(29), QString("太-MC"));
        QCOMPARE(grid->columnWidth(29), 35);
    }

    void detailScreenEditsAddressAndMemo()
    {
        records::TDetailfrm detail(*persons, *messages);
        QCOMPARE(detail.windowTitle(), QString("ユーザ情報画面"));
        QTableView* grid = detail.grid();
        QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QString("住所"));
        QVERIFY(grid->model()->setData(grid->model()->index(1, 3), "東京都港区"));
        QCOMPARE(persons->currentRow(), 1);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Abe"));
        detail.memo()->setPlainText("紹介: 山田さん");
        persons->first();
        QCOMPARE(detail.memo()->toPlainText(), QString());
        persons->next();
        QCOMPARE(detail.memo()->toPlainText(), QString("紹介: 山田さん"));
        QCOMPARE(QString::fromStdString(persons->field(fields::address)), QString("東京都港区"));
    }

    void compatibilitySearchSharesTheCursor()
    {
        records::PersonSearchPanel other(*persons, *messages, {"SerchName", "NamSerchBtn", "DBGrid2"},
                                         records::personListColumns());
        other.searchBox()->setText("Ta");
        QTest::mouseClick(other.searchButton(), Qt::LeftButton);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Tanaka"));
        QCOMPARE(panel->search()->grid()->currentIndex().row(), other.grid()->currentIndex().row());
    }

private:
    std::unique_ptr<platform::TableEngine> engine;
    std::unique_ptr<PersonTable> persons;
    std::unique_ptr<platform::RecordingMessages> messages;
    std::unique_ptr<Boxes> boxes;
    std::unique_ptr<records::PersonListPanel> panel;
};

QTEST_MAIN(PersonScreensTest)
#include "PersonScreensTest.moc"
