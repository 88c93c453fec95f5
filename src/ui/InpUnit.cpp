// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ui/InpUnit.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/BirthInput.h"
#include "core/ChartCoreModule.h"
#include "core/ChartRecord.h"
#include "core/DataUnit1.h"
#include "core/DetailGrids.h"
#include "core/DiagnosisRun.h"
#include "core/EraYear.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/SettingsKeys.h"
#include "platform/Sound.h"
#include "platform/qt/GuardedConnect.h"
#include "platform/qt/ScreenFit.h"

namespace celmora::ui {

namespace {

constexpr int minScreenHeight = 760;
constexpr int minScreenWidth = 1020;

const char* const screenSizeMessage =
    "画面のサイズが1024Ｘ768ピクセル以下ですので、全画面が表示できません。"
    "最初に＜コントロールパネル＞の＜画面＞で”画面領域”の大きさを８００Ｘ６００ピクセル以上に変更して下さい。";
const char* const notDiagnosedMessage = "診断ボタンが押下されていません！！";
const char* const incompleteRunMessage =
    "前回の診断が途中で終わったため、この結果は表示できません。入力を直してもう一度診断してください。";

// Weekday (0 = Sunday) to the start-up chime.
constexpr const char* weekdaySounds[7] = {"WAV01.WAV", "WAV02.WAV", "WAV03.WAV", "WAV04.WAV",
                                          "WAV05.WAV", "WAV06.WAV", "WAV03.WAV"};

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}
std::string s(const QString& text)
{
    return text.toStdString();
}

QComboBox* makeCombo(QWidget* parent, const QString& objectName, bool editable)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

int textWidth(const QWidget* w, const QString& text)
{
    return QFontMetrics(w->font()).horizontalAdvance(text) + 8;
}

}  // namespace

Tinpfrm::Tinpfrm(core::ChartCoreModule& chartCore, QWidget* parent) : QMainWindow(parent), core_(chartCore)
{
    setObjectName("Tinpfrm");
    setWindowTitle("Celmora Pro2021");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    setCentralWidget(central);
    buildTopPanel();
    buildPages();
    FormCreate();
    platform::fitToScreen(this, QSize(1180, 800));
}

Tinpfrm::~Tinpfrm() = default;

QWidget* Tinpfrm::page(Page p) const
{
    auto it = pages_.find(p);
    return it == pages_.end() ? nullptr : it->second;
}

QPushButton* Tinpfrm::topButton(TopButton button) const
{
    return topButtons_.at(button);
}

void Tinpfrm::buildTopPanel()
{
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName("TopPanel");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    Namlbl = new QLabel(panel);
    Namlbl->setObjectName("Namlbl");
    Namlbl->setMinimumWidth(300);
    QFont nameFont = Namlbl->font();
    nameFont.setPointSize(nameFont.pointSize() + 3);
    nameFont.setBold(true);
    Namlbl->setFont(nameFont);
    grid->addWidget(Namlbl, 0, 0, 2, 1);

    flag = new QLabel("1", panel);
    flag->setObjectName("flag");
    flag->hide();

    // Buttons of the features of later subsystems; each subsystem connects its own and
    // enables it. Until then a button stays disabled rather than doing nothing.
    struct ButtonDef {
        TopButton button;
        const char* objectName;
        const char* caption;
    };
    const ButtonDef buttons[] = {
        {TopButton::Horoscope, "horoscope", "ホロスコープ図(&Z)"},
        {TopButton::ChartPrint, "chartPrint", "チャート図印刷（&P）"},
        {TopButton::Detail, "detailbtn", "人名情報記録"},
        {TopButton::Indian, "indobtn", "インド占星学"},
        {TopButton::ReadingPrint, "kanteibunprn", "スピリチュアル鑑定文章印刷"},
        {TopButton::Sidrel, "sidrel", "マヤ占星術"},
        {TopButton::MindMap, "mindmap", "マインドマップ(&M)"},
        {TopButton::Method, "method", "Orvelle流解読技法表示(&F)"},
        {TopButton::DbCustom, "dbcustom", "データベース設定"},
    };
    constexpr int perRow = 5;
    int i = 0;
    for (const ButtonDef& def : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(def.caption), panel);
        b->setObjectName(def.objectName);
        b->setEnabled(false);
        grid->addWidget(b, i / perRow, 1 + i % perRow);
        topButtons_[def.button] = b;
        ++i;
    }
    topButtons_.at(TopButton::Detail)->setToolTip("人名の詳細を入力・参照します。");
    // The switch between the two person lists (Jbox) is placed here by the person list.
    jboxHost_ = new QWidget(panel);
    jboxHost_->setObjectName("JboxHost");
    new QHBoxLayout(jboxHost_);
    jboxHost_->layout()->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(jboxHost_, 1, perRow);
    grid->setColumnStretch(0, 1);

    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(panel);
}

void Tinpfrm::buildPages()
{
    PageControl1 = new QTabWidget(centralWidget());
    PageControl1->setObjectName("PageControl1");
    const std::pair<Page, const char*> pages[] = {
        {Page::DataEntry, "データ入力"},
        {Page::ChartDetail, "出生図詳細"},
        {Page::Classification1, "大分類１"},
        {Page::Classification2, "大分類２"},
        {Page::Essence, "本質診断"},
        {Page::Intellect, "知情意診断"},
        {Page::Business, "ビジネス診断"},
        {Page::AiReading, "AI(人工知能)診断"},
        {Page::CompositeAspects, "複合アスペクト"},
        {Page::Future, "未来予知"},
        {Page::Compatibility, "相性診断"},
        {Page::SevenGovernors, "中国七政占術"},
        {Page::Faq, "よくある質問と回答"},
    };
    for (const auto& [id, caption] : pages) {
        auto* w = new QWidget(PageControl1);
        PageControl1->addTab(w, QString::fromUtf8(caption));
        pages_[id] = w;
    }
    pages_[Page::DataEntry]->setObjectName("TabSheet1");
    pages_[Page::ChartDetail]->setObjectName("SyosaiPage");

    // The future page carries its own three sub-pages.
    auto* futureLayout = new QVBoxLayout(pages_[Page::Future]);
    auto* futureTabs = new QTabWidget(pages_[Page::Future]);
    futureTabs->setObjectName("MiraiPageControl");
    for (const char* caption : {"プログレス法（毎年の運勢）", "トランジット法（年・月・日の運勢）", "人生リズム"}) {
        futureTabs->addTab(new QWidget(futureTabs), QString::fromUtf8(caption));
    }
    futureLayout->addWidget(futureTabs);

    // The print-year choice of the Seven-Governors page.
    auto* sevenLayout = new QVBoxLayout(pages_[Page::SevenGovernors]);
    auto* prnRow = new QHBoxLayout();
    prnRow->addWidget(new QLabel("印刷する行運年度", pages_[Page::SevenGovernors]));
    prnbox_ = makeCombo(pages_[Page::SevenGovernors], "prnbox", false);
    prnRow->addWidget(prnbox_);
    prnRow->addStretch(1);
    sevenLayout->addLayout(prnRow);
    sevenLayout->addStretch(1);

    buildDataEntryPage(pages_[Page::DataEntry]);
    buildChartDetailPage(pages_[Page::ChartDetail]);

    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(PageControl1, 1);
    platform::connectGuarded(PageControl1, &QTabWidget::currentChanged, this, *core_.services().messages,
                             &Tinpfrm::PageControl1Change);
}

void Tinpfrm::buildDataEntryPage(QWidget* page)
{
    auto* outer = new QVBoxLayout(page);
    auto* input = new QGroupBox("生年月日時", page);
    auto* grid = new QGridLayout(input);

    boxes_.NameDB = new QLineEdit(input);
    boxes_.NameDB->setObjectName("NameDB");
    boxes_.NameDB->setToolTip("名前を入力します。");
    boxes_.NameDB->setMinimumWidth(160);
    boxes_.yyComboBox = makeCombo(input, "yyComboBox", true);
    boxes_.yyComboBox->setToolTip("西暦で生年を指定。和暦の場合は S34と入力しF1キーを押します");
    boxes_.yyComboBox->installEventFilter(this);
    boxes_.mmComboBox = makeCombo(input, "mmComboBox", true);
    boxes_.ddComboBox = makeCombo(input, "ddComboBox", true);
    boxes_.hComboBox = makeCombo(input, "hComboBox", true);
    boxes_.hComboBox->setToolTip("生時が分からない場合12時と指定します。");
    boxes_.mComboBox = makeCombo(input, "mComboBox", true);
    boxes_.mComboBox->setToolTip("生時が分からない場合12時と指定します。");
    boxes_.DBsex = makeCombo(input, "DBsex", false);
    boxes_.DBsex->addItems({"男", "女"});
    boxes_.jisalbl = new QLineEdit(input);
    boxes_.jisalbl->setObjectName("jisalbl");
    boxes_.jisalbl->setMaximumWidth(60);
    boxes_.arealbl = new QLabel(input);
    boxes_.arealbl->setObjectName("arealbl");
    boxes_.arealbl->setToolTip("出生地（「出生地指定」で選びます）");
    boxes_.arealbl->setMinimumWidth(textWidth(boxes_.arealbl, "名古屋"));

    int col = 0;
    grid->addWidget(new QLabel("氏名", input), 0, col++);
    grid->addWidget(boxes_.NameDB, 0, col++);
    for (auto [box, caption] :
         {std::pair{boxes_.yyComboBox, "年"}, std::pair{boxes_.mmComboBox, "月"}, std::pair{boxes_.ddComboBox, "日"},
          std::pair{boxes_.hComboBox, "時"}, std::pair{boxes_.mComboBox, "分"}}) {
        grid->addWidget(box, 0, col++);
        grid->addWidget(new QLabel(QString::fromUtf8(caption), input), 0, col++);
    }
    grid->addWidget(new QLabel("性別", input), 0, col++);
    grid->addWidget(boxes_.DBsex, 0, col++);
    grid->addWidget(new QLabel("時差", input), 0, col++);
    grid->addWidget(boxes_.jisalbl, 0, col++);
    grid->addWidget(boxes_.arealbl, 0, col++);

    jisabtn = new QPushButton("出生地指定", input);
    jisabtn->setObjectName("jisabtn");
    shindanbtn = new QPushButton("診断(&S)", input);
    shindanbtn->setObjectName("shindanbtn");
    QFont big = shindanbtn->font();
    big.setBold(true);
    shindanbtn->setFont(big);
    shindanbtn->setMinimumWidth(110);
    hlpbtn = new QPushButton("ヘルプ", input);
    hlpbtn->setObjectName("hlpbtn");
    hlpbtn->setEnabled(false);
    grid->addWidget(jisabtn, 0, col++);
    grid->addWidget(shindanbtn, 0, col++);
    grid->addWidget(hlpbtn, 0, col++);
    grid->setColumnStretch(col, 1);
    outer->addWidget(input);

    personListArea_ = new QWidget(page);
    personListArea_->setObjectName("PersonListArea");
    new QVBoxLayout(personListArea_);
    personListArea_->layout()->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(personListArea_, 1);

    platform::connectGuarded(shindanbtn, &QPushButton::clicked, this, *core_.services().messages,
                             &Tinpfrm::shindanbtnClick);
    jisabtn->setEnabled(false);  // enabled once the birthplace screen is attached
}

void Tinpfrm::buildChartDetailPage(QWidget* page)
{
    auto* outer = new QHBoxLayout(page);
    auto* left = new QVBoxLayout();
    koseijilbl_ = new QLabel(page);
    koseijilbl_->setObjectName("koseijilbl");
    syuseiji_ = new QLabel(page);
    syuseiji_->setObjectName("syuseiji");
    left->addWidget(koseijilbl_);
    left->addWidget(syuseiji_);

    seizagrid_ = new QTableWidget(13, 3, page);
    seizagrid_->setObjectName("seizagrid");
    stargrid_ = new QTableWidget(12, 3, page);
    stargrid_->setObjectName("stargrid");
    for (auto* g : {seizagrid_, stargrid_}) {
        g->verticalHeader()->hide();
        g->horizontalHeader()->hide();
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionMode(QAbstractItemView::NoSelection);
        g->verticalHeader()->setDefaultSectionSize(20);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    left->addWidget(seizagrid_);
    left->addWidget(stargrid_);
    left->addStretch(1);
    outer->addLayout(left);
    // Aspect grid, Indian panel and dasha list are added by their subsystems.
    syosaiExtras_ = new QWidget(page);
    syosaiExtras_->setObjectName("SyosaiExtras");
    new QVBoxLayout(syosaiExtras_);
    outer->addWidget(syosaiExtras_, 1);
}

void Tinpfrm::FormCreate()
{
    // 1. Tables are plain files beside the program; there is no shared engine folder to set.
    // 2. First creation only.
    if (flag->text() == "1") {
        flag->setText("2");
        playStartupSound();
    }
    // 3.
    checkScreenSize();
    // 4. Print years: this year and the nine following.
    const int thisYear = core_.services().clock->today().year;
    for (int i = 1; i <= 10; ++i) prnbox_->addItem(QString::number(thisYear + i - 1) + "年度");
    prnbox_->setCurrentIndex(0);
    // 5., 6.
    fillDateAndTimeBoxes();
    setGridHeadings();
    // 7. (the aspect grid belongs to the composite-pattern page) 8. done by the Workstation.
    wireDiagnosisRun();
    // 9.
    PageControl1->setCurrentIndex(static_cast<int>(Page::DataEntry));
}

void Tinpfrm::playStartupSound()
{
    const auto& services = core_.services();
    const auto& key = platform::keys::soundCheck;
    soundFlag_ = services.settings->readString(key.section, key.key, key.fallback) == "True";
    if (soundFlag_ && services.sound) {
        const int day = platform::weekday(services.clock->today());
        services.sound->play(services.dirs.soundFile(weekdaySounds[day]));
    }
}

void Tinpfrm::checkScreenSize()
{
    const QScreen* scr = screen();
    if (!scr) return;
    const QSize size = scr->size();
    if (size.height() < minScreenHeight || size.width() < minScreenWidth) {
        core_.services().messages->information(screenSizeMessage);
    }
}

void Tinpfrm::fillDateAndTimeBoxes()
{
    auto& calc = core_.datacalc();
    for (int y = 1926; y <= 2040; ++y) boxes_.yyComboBox->addItem(QString::number(y));
    for (int m = 1; m <= 12; ++m) boxes_.mmComboBox->addItem(q(calc.ZeroPad2(m)));
    for (int d = 1; d <= 31; ++d) boxes_.ddComboBox->addItem(q(calc.ZeroPad2(d)));
    for (int h = 0; h <= 23; ++h) boxes_.hComboBox->addItem(q(calc.ZeroPad2(h)));
    for (int m = 0; m <= 59; ++m) boxes_.mComboBox->addItem(q(calc.ZeroPad2(m)));
    boxes_.yyComboBox->setCurrentText("");
    boxes_.mmComboBox->setCurrentText("");
    boxes_.ddComboBox->setCurrentText("");
    boxes_.hComboBox->setCurrentText("");
    boxes_.mComboBox->setCurrentText("");
}

void Tinpfrm::setGridHeadings()
{
    auto head = [](QTableWidget* g, const QString& c0, const QString& c1, const QString& c2) {
        const int w0 = textWidth(g, c0), w1 = textWidth(g, c1), w2 = textWidth(g, c2);
        g->setColumnWidth(0, w0);
        g->setColumnWidth(1, w1);
        g->setColumnWidth(2, w2);
        g->setItem(0, 1, new QTableWidgetItem("星座名"));
        g->setItem(0, 2, new QTableWidgetItem("角度"));
        g->setFixedWidth(w0 + w1 + w2 + 8);
        g->setFixedHeight(g->rowCount() * g->verticalHeader()->defaultSectionSize() + 4);
    };
    head(seizagrid_, "第１２ハウス", "さそり座", "99.99.99");
    head(stargrid_, "ドラゴンヘッド", "さそり座 ", "99.99.99 ");
}

void Tinpfrm::setArea1Source(std::function<std::string()> source)
{
    area1Source_ = std::move(source);
}

core::BirthInput Tinpfrm::readBoxes() const
{
    core::BirthInput in;
    in.name = s(boxes_.NameDB->text());
    in.yearText = s(boxes_.yyComboBox->currentText());
    in.monthText = s(boxes_.mmComboBox->currentText());
    in.dayText = s(boxes_.ddComboBox->currentText());
    in.hourText = s(boxes_.hComboBox->currentText());
    in.minuteText = s(boxes_.mComboBox->currentText());
    in.sex = s(boxes_.DBsex->currentText());
    in.timeDiffText = s(boxes_.jisalbl->text());
    in.area1 = area1Source_ ? area1Source_() : std::string();
    return in;
}

void Tinpfrm::wireDiagnosisRun()
{
    using core::DiagnosisStep;
    auto& run = core_.run();
    run.afterStep(DiagnosisStep::NameLabel,
                  [this](core::DiagnosisContext& ctx) { Namlbl->setText(q(ctx.labels.namlbl)); });
    run.afterStep(DiagnosisStep::MeanSiderealLabel,
                  [this](core::DiagnosisContext& ctx) { koseijilbl_->setText(q(ctx.labels.koseijilbl)); });
    run.afterStep(DiagnosisStep::LocalSiderealLabel,
                  [this](core::DiagnosisContext& ctx) { syuseiji_->setText(q(ctx.labels.syuseiji)); });
    run.afterStep(DiagnosisStep::HouseGrid, [this](core::DiagnosisContext&) { fillHouseGrid(); });
    run.afterStep(DiagnosisStep::DetailGrids, [this](core::DiagnosisContext&) { fillPlanetGrid(); });
    run.afterStep(DiagnosisStep::ShowDetailPage, [this](core::DiagnosisContext&) {
        PageControl1->setCurrentIndex(static_cast<int>(Page::ChartDetail));
    });
    // A run that ends early leaves what it did not reach blank, not the previous chart's.
    run.whenSkipped(DiagnosisStep::NameLabel, [this](core::DiagnosisContext&) { Namlbl->clear(); });
    run.whenSkipped(DiagnosisStep::MeanSiderealLabel, [this](core::DiagnosisContext&) { koseijilbl_->clear(); });
    run.whenSkipped(DiagnosisStep::LocalSiderealLabel, [this](core::DiagnosisContext&) { syuseiji_->clear(); });
    run.whenSkipped(DiagnosisStep::HouseGrid, [this](core::DiagnosisContext&) { clearGridRows(seizagrid_); });
    run.whenSkipped(DiagnosisStep::DetailGrids, [this](core::DiagnosisContext&) { clearGridRows(stargrid_); });
}

namespace {
void fillGrid(QTableWidget* grid, const std::vector<core::GridRow>& rows)
{
    // Row 0 holds the headings.
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 3; ++c) {
            grid->setItem(static_cast<int>(r) + 1, c, new QTableWidgetItem(q(rows[r][static_cast<std::size_t>(c)])));
        }
    }
}
}  // namespace

void Tinpfrm::clearGridRows(QTableWidget* grid)
{
    // Row 0 keeps the headings.
    for (int r = 1; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) delete grid->takeItem(r, c);
    }
}

void Tinpfrm::fillHouseGrid()
{
    fillGrid(seizagrid_, core::houseGridRows(core_.chart()));
}

void Tinpfrm::fillPlanetGrid()
{
    fillGrid(stargrid_, core::starGridRows(core_.chart()));
}

void Tinpfrm::shindanbtnClick()
{
    if (core_.run().run(readBoxes())) emit chartDiagnosed();
}

void Tinpfrm::PageControl1Change(int index)
{
    if (guarding_ || index == static_cast<int>(Page::DataEntry)) return;
    // After a run that ended early only the chart-detail page shows what it reached;
    // every other page would read a chart with its later parts blank.
    const bool incomplete = core_.run().endedAt().has_value() && index != static_cast<int>(Page::ChartDetail);
    if (core_.chart().name.empty() || incomplete) {
        guarding_ = true;
        PageControl1->setCurrentIndex(static_cast<int>(Page::DataEntry));
        guarding_ = false;
        core_.services().messages->information(core_.chart().name.empty() ? notDiagnosedMessage : incompleteRunMessage);
    }
}

void Tinpfrm::yyComboBoxKeyUp(int key)
{
    if (key != Qt::Key_F1) return;
    boxes_.yyComboBox->setCurrentText(q(core::eraYearText(s(boxes_.yyComboBox->currentText()))));
}

bool Tinpfrm::eventFilter(QObject* watched, QEvent* event)
{
    // A key handler is no connection: it gets the boundary by hand (F1 on an empty box).
    if (watched == boxes_.yyComboBox && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        platform::guarded(*core_.services().messages, [&] { yyComboBoxKeyUp(key); });
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace celmora::ui
