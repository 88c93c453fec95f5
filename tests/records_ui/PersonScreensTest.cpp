// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <map>
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
        boxes.arealbl = new QLabel(&page);
        for (int y = 1926; y <= 2040; ++y) boxes.yyComboBox->addItem(QString::number(y));
        for (int d = 1; d <= 31; ++d) boxes.ddComboBox->addItem(QString::asprintf("%02d", d));
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

    void typingRepaintsOnlyTheCurrentRow()
    {
        persons->next();  // row 1 in entry order
        const QAbstractItemModel* model = panel->search()->grid()->model();
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QTest::keyClicks(boxes->boxes.NameDB, "X");
        QCOMPARE(changed.count(), 1);
        const auto topLeft = changed.at(0).at(0).value<QModelIndex>();
        const auto bottomRight = changed.at(0).at(1).value<QModelIndex>();
        QCOMPARE(topLeft.row(), 1);
        QCOMPARE(bottomRight.row(), 1);
        QCOMPARE(topLeft.column(), 0);
        QCOMPARE(bottomRight.column(), model->columnCount() - 1);
        QCOMPARE(cell(panel->search()->grid(), 1, 0), QString("AbeX"));
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

    // A second list from elsewhere is refused: the first stays open and chosen.
    void refusedListSwitchKeepsTheOpenList()
    {
        engine->create("/jinmei", PersonTable::tableName(PersonList::Second),
                       platform::TableDef{{{"Code", platform::FieldType::Text, 8, false}}, 0});
        records::PersonListSwitch jbox(*persons, *messages);
        QTest::mouseClick(jbox.item(1), Qt::LeftButton);
        QCOMPARE(messages->texts(),
                 std::vector<std::string>{
                     "テーブル「人名2DB」にフィールド「No」がありません。人名テーブルのファイルではありません。"});
        QCOMPARE(persons->list(), PersonList::First);
        QVERIFY(jbox.item(0)->isChecked());
        QVERIFY(!jbox.item(1)->isChecked());
        QTest::mouseClick(panel->button("gosaki"), Qt::LeftButton);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Abe"));
    }

    // A value the table refuses keeps the cursor on its row, and the grid goes back there.
    void refusedValueKeepsTheGridOnItsRow()
    {
        persons->setField(fields::year, "19600");  // the field holds 4 characters
        QTableView* grid = panel->search()->grid();
        grid->setCurrentIndex(grid->model()->index(2, 0));
        QCOMPARE(messages->list.size(), std::size_t{1});
        QCOMPARE(messages->list[0].kind, platform::MessageKind::Error);
        QCOMPARE(persons->currentRow(), 0);
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(boxes->boxes.NameDB->text(), QString("Suzuki"));
    }

    // A box is checked when it is posted (Enter, leaving it): a bad value names its field
    // and range, and the row and the box keep the last valid value.
    void postedBoxesAreChecked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");  // in the row and the box afterwards
        QTest::addColumn<QString>("message");
        QTest::newRow("month 13") << "月度"
                                  << "13"
                                  << "02"
                                  << "月は1～12の数字で指定してください。";
        QTest::newRow("hour ab") << "時"
                                 << "ab"
                                 << "09"
                                 << "時は0～23の数字で指定してください。";
        QTest::newRow("hour 24") << "時"
                                 << "24"
                                 << "09"
                                 << "時は0～23の数字で指定してください。";
        QTest::newRow("minute 60") << "分"
                                   << "60"
                                   << "05"
                                   << "分は0～59の数字で指定してください。";
        QTest::newRow("30 February 1960") << "日"
                                          << "30"
                                          << "10"
                                          << "1960年2月の日は1～29の数字で指定してください。";
        QTest::newRow("year before the tables") << "年度"
                                                << "1899"
                                                << "1960"
                                                << "年は1900～2200の数字で指定してください。";
        QTest::newRow("time difference +1a") << "時差"
                                             << "+1a"
                                             << "+19"
                                             << "時差は分単位の整数（例：+19、-29）で指定してください。";
        QTest::newRow("valid hour is taken") << "時"
                                             << "23"
                                             << "23"
                                             << "";
        QTest::newRow("valid negative difference") << "時差"
                                                   << "-29"
                                                   << "-29"
                                                   << "";
    }
    void postedBoxesAreChecked()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, message);
        const ui::BirthBoxes& b = boxes->boxes;
        b.mmComboBox->setCurrentText("02");
        b.ddComboBox->setCurrentText("10");
        b.hComboBox->setCurrentText("09");
        b.mComboBox->setCurrentText("05");
        b.jisalbl->setText("+19");
        const std::map<QString, QLineEdit*> lines = {
            {"年度", b.yyComboBox->lineEdit()}, {"月度", b.mmComboBox->lineEdit()}, {"日", b.ddComboBox->lineEdit()},
            {"時", b.hComboBox->lineEdit()},    {"分", b.mComboBox->lineEdit()},    {"時差", b.jisalbl}};
        QLineEdit* line = lines.at(field);
        // Typed as a user types: into the focused box of a shown window.
        boxes->page.show();
        boxes->page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&boxes->page));
        line->setFocus();
        QVERIFY(line->hasFocus());
        line->clear();
        QTest::keyClicks(line, typed);
        QTest::keyClick(line, Qt::Key_Return);

        QCOMPARE(QString::fromStdString(persons->field(field.toStdString())), kept);
        QCOMPARE(line->text(), kept);
        if (message.isEmpty()) {
            QVERIFY(messages->list.empty());
        } else {
            QCOMPARE(messages->texts(), std::vector<std::string>{message.toStdString()});
        }
        // Saved as it stands: the table never receives the bad value.
        persons->save();
        QCOMPARE(QString::fromStdString(persons->openReader()->text(field.toStdString())), kept);
    }

    void dayChosenFromTheListIsCheckedAgainstTheMonth()
    {
        const ui::BirthBoxes& b = boxes->boxes;
        b.mmComboBox->setCurrentText("04");
        b.ddComboBox->setCurrentText("30");
        b.ddComboBox->setCurrentIndex(30);  // "31"
        emit b.ddComboBox->activated(30);
        QCOMPARE(messages->texts(), std::vector<std::string>{"1960年4月の日は1～30の数字で指定してください。"});
        QCOMPARE(b.ddComboBox->currentText(), QString("30"));
        QCOMPARE(QString::fromStdString(persons->field(fields::day)), QString("30"));
    }

    // The birthplace's name beside the time difference follows the current row.
    void birthplaceNameFollowsTheRow()
    {
        QLabel* area = boxes->boxes.arealbl;
        QCOMPARE(area->text(), QString());
        persons->setTimeDiffAndArea("-19", "佐賀");
        QCOMPARE(area->text(), QString("佐賀"));
        QCOMPARE(boxes->boxes.jisalbl->text(), QString("-19"));
        QTest::mouseClick(panel->button("gosaki"), Qt::LeftButton);
        QCOMPARE(area->text(), QString());
        QTest::mouseClick(panel->button("gomae"), Qt::LeftButton);
        QCOMPARE(area->text(), QString("佐賀"));
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
        // Heading and width of every column after the name, in grid order.
        const std::pair<const char*, int> columns[] = {
            {"年度", 45},   {"月", 23},     {"日", 23},    {"時", 23},     {"分", 23},    {"時差", 30},
            {"性別", 27},   {"太陽", 40},   {"位置", 25},  {"月", 40},     {"位置", 25},  {"ASC", 40},
            {"位置", 25},   {"MC", 40},     {"位置", 25},  {"強い", 40},   {"弱い", 40},  {"太ﾊｳｽ", 45},
            {"南中星", 45}, {"上昇星", 45}, {"直角△", 40}, {"正△", 40},    {"二等△", 40}, {"長方形", 40},
            {"正方形", 40}, {"太-月", 35},  {"太-水", 35}, {"太-ASC", 35}, {"太-MC", 35},
        };
        QCOMPARE(grid->model()->columnCount(), 30);
        QCOMPARE(heading(0), QString("氏名"));
        for (int c = 1; c < 30; ++c) {
            const auto& [text, width] = columns[c - 1];
            QCOMPARE(heading(c), QString(text));
            // The layout's width, or wider where the heading would be cut ("太-ASC").
            QVERIFY2(grid->columnWidth(c) >= width, text);
            const int headingWidth = QFontMetrics(grid->horizontalHeader()->font()).horizontalAdvance(heading(c));
            QVERIFY2(grid->columnWidth(c) >= headingWidth + 6, text);
            if (headingWidth + 10 <= width) QCOMPARE(grid->columnWidth(c), width);
        }
        // The columns show these fields (a heading alone does not tell "月" from "月度").
        const char* shownFields[] = {"月度", "太陽角度", "惑星NOASP", "太陽HOUSE", "南中星1", "上昇星1", "SUNASC"};
        for (const char* field : shownFields) {
            const auto& all = records::personListColumns();
            QVERIFY2(std::any_of(all.begin(), all.end(), [&](const auto& col) { return col.field == field; }), field);
        }
    }

    void captionsAndHints()
    {
        const std::pair<const char*, const char*> buttons[] = {
            {"gotop", "先頭(&F)"},     {"gomae", "1つ前(&P)"},     {"gosaki", "1つ先(&N)"},
            {"golast", "最後(&L)"},    {"gonnew", "新規作成(&I)"}, {"gotoroku", "ﾃﾞｰﾀ登録(&P)"},
            {"godel", "ﾃﾞｰﾀ削除(&D)"}, {"sortbtn", "並び替え"},
        };
        for (const auto& [name, caption] : buttons) {
            QPushButton* b = panel->button(name);
            QVERIFY2(b != nullptr, name);
            QCOMPARE(b->text(), QString(caption));
        }
        QCOMPARE(panel->search()->searchButton()->objectName(), QString("srch1btn"));
        QCOMPARE(panel->search()->searchButton()->text(), QString("氏名検索"));
        QCOMPARE(panel->search()->searchBox()->objectName(), QString("simeitxt"));
        QCOMPARE(panel->search()->searchBox()->toolTip(), QString("検索したい名前を入力します"));

        // The sort screen's items exactly as shown, blanks included, and the order each selects.
        const std::pair<const char*, const char*> items[] = {
            {"氏名 - 氏名の漢字コード順で並替", "SIMEI"},
            {"年度 - 生まれた年度で並替", "YY"},
            {"太陽 - 太陽の位置する星座で並替", "SUN"},
            {"月    - 月の位置する星座で並替", "MOON"},
            {"ASC - ASCの位置する星座で並替", "ASC"},
            {"MC   - MCの位置する星座で並替", "MC"},
            {"太陽ハウス - 太陽の位置するハウスで並替 ", "SUNHOUSE"},
            {"重要惑星 - アスペクトの数が一番多い惑星で並替", "POINT"},
            {"入力した日付順（通常はこの順で並ぶ）", "NO"},
        };
        records::Tsortfrm& sort = panel->sortScreen();
        QCOMPARE(sort.findChild<QGroupBox*>("RadioGroup1")->title(), QString("並び替えるキーを指定"));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(sort.item(i)->text(), QString(items[i].first));
            QTest::mouseClick(sort.item(i), Qt::LeftButton);
            QCOMPARE(QString::fromStdString(persons->order()), QString(items[i].second));
            QCOMPARE(sort.checkedItem(), i);
        }

        records::TDetailfrm detail(*persons, *messages);
        QCOMPARE(detail.memo()->toolTip(), QString("メモ欄（自由に書き込み下さい）"));
        QStringList headings;
        for (int c = 0; c < detail.grid()->model()->columnCount(); ++c) {
            headings << detail.grid()->model()->headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(headings, QStringList({"氏名", "性別", "郵便", "住所", "TEL", "FAX"}));
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
