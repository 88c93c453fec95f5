// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The main window "Celmora Pro2021".
//
// Data path: the data-entry page's boxes (bound to the current person row) are read
// into a BirthInput when 診断 is pressed; the Workstation runs the Diagnose run on the
// main ChartRecord; the screens of every subsystem refresh from that record through
// the run's step hooks. Result pages stay closed until a chart exists.

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

#include "records/ui/BirthBoxes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;
class QKeyEvent;

namespace celmora::core {
struct BirthInput;
class ChartCoreModule;
}  // namespace celmora::core

namespace celmora::ui {

// The boxes of the data-entry page (the person list binds them to its current row).
using BirthBoxes = records::BirthBoxes;

// The feature buttons of the top panel, in order. Each subsystem's screens connect
// and enable their own; until then a button stays disabled.
enum class TopButton {
    Horoscope,     // "ホロスコープ図(&Z)"
    ChartPrint,    // "チャート図印刷（&P）"
    Detail,        // "人名情報記録" (detailbtn)
    Indian,        // "インド占星学"
    ReadingPrint,  // "スピリチュアル鑑定文章印刷"
    Sidrel,        // "マヤ占星術"
    MindMap,       // "マインドマップ(&M)"
    Method,        // "Orvelle流解読技法表示(&F)"
    DbCustom,      // "データベース設定"
};

// Pages of PageControl1, in order.
enum class Page {
    DataEntry,
    ChartDetail,
    Classification1,
    Classification2,
    Essence,
    Intellect,
    Business,
    AiReading,
    CompositeAspects,
    Future,
    Compatibility,
    SevenGovernors,
    Faq,
};

class Tinpfrm : public QMainWindow {
    Q_OBJECT

public:
    // `chartCore` (its run, main record and services) must outlive the window.
    explicit Tinpfrm(core::ChartCoreModule& chartCore, QWidget* parent = nullptr);
    ~Tinpfrm() override;

    core::ChartCoreModule& chartCore() { return core_; }
    const BirthBoxes& birthBoxes() const { return boxes_; }
    QTabWidget* pageControl() const { return PageControl1; }
    QWidget* page(Page page) const;
    // The area of the data-entry page where the person list (navigation, search, grid) lives.
    QWidget* personListArea() const { return personListArea_; }
    QPushButton* topButton(TopButton button) const;
    // Where the person list puts its list switch `Jbox` (top panel, a box layout).
    QWidget* listSwitchHost() const { return jboxHost_; }
    // The chart-detail page's area for the subsystems' panels (a QVBoxLayout).
    QWidget* chartDetailExtras() const { return syosaiExtras_; }
    QLabel* nameLabel() const { return Namlbl; }
    QTableWidget* seizagrid() const { return seizagrid_; }
    QTableWidget* stargrid() const { return stargrid_; }
    QLabel* koseijilbl() const { return koseijilbl_; }
    QLabel* syuseiji() const { return syuseiji_; }
    QComboBox* prnbox() const { return prnbox_; }
    // The birthplace's name beside the time difference.
    QLabel* arealbl() const { return boxes_.arealbl; }
    QPushButton* birthplaceButton() const { return jisabtn; }

    // Reads the data-entry boxes as typed; `area1` comes from the person row when a
    // person list is attached (see setArea1Source).
    core::BirthInput readBoxes() const;
    void setArea1Source(std::function<std::string()> source);

    // The handler of 診断(&S).
    void shindanbtnClick();
    // Result-page guard of PageControl1.
    void PageControl1Change(int index);
    // Era years typed into the year box ("S34" + F1 -> 1959).
    void yyComboBoxKeyUp(int key);

    // Sound flag set at start-up from celmora.ini.
    bool soundEnabled() const { return soundFlag_; }

signals:
    void chartDiagnosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildTopPanel();
    void buildPages();
    void buildDataEntryPage(QWidget* page);
    void buildChartDetailPage(QWidget* page);
    void fillDateAndTimeBoxes();
    void setGridHeadings();
    void playStartupSound();
    void checkScreenSize();
    void wireDiagnosisRun();
    void fillHouseGrid();
    void fillPlanetGrid();
    static void clearGridRows(QTableWidget* grid);

    core::ChartCoreModule& core_;
    BirthBoxes boxes_;
    std::function<std::string()> area1Source_;
    bool soundFlag_ = false;
    bool guarding_ = false;

    QLabel* Namlbl = nullptr;
    QLabel* flag = nullptr;  // hidden: "1" until the first creation has run, then "2"
    QTabWidget* PageControl1 = nullptr;
    QWidget* personListArea_ = nullptr;
    QPushButton* shindanbtn = nullptr;
    QPushButton* jisabtn = nullptr;
    QPushButton* hlpbtn = nullptr;
    QLabel* koseijilbl_ = nullptr;
    QLabel* syuseiji_ = nullptr;
    QTableWidget* seizagrid_ = nullptr;
    QTableWidget* stargrid_ = nullptr;
    QComboBox* prnbox_ = nullptr;
    std::map<TopButton, QPushButton*> topButtons_;
    QWidget* jboxHost_ = nullptr;
    QWidget* syosaiExtras_ = nullptr;
    std::map<Page, QWidget*> pages_;
};

}  // namespace celmora::ui
