// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The person-records screens on the main window: the person list on the data-entry
// page (bound to the page's boxes), the list switch `Jbox` on the top panel, the
// detail screen behind `detailbtn`, the hand-over to the sibling program behind
// `sidrel`, and the current row's "AREA1" for the Diagnose run.

#include "records/ui/BirthBoxes.h"

#include <QObject>

class QPushButton;
class QWidget;

namespace celmora::core {
struct ChartRecord;
}

namespace celmora::records {

class RecordsModule;
class PersonListPanel;
class PersonListSwitch;
class TDetailfrm;

// Where the person screens go on the main window.
struct PersonScreenPlaces {
    QWidget* owner = nullptr;         // owns the screens (the main window)
    BirthBoxes boxes;                 // the data-entry page's boxes
    QWidget* listArea = nullptr;      // the person list's area of the data-entry page (a layout)
    QWidget* switchHost = nullptr;    // where `Jbox` goes (a layout)
    QPushButton* detailButton = nullptr;
    QPushButton* sidrelButton = nullptr;
};

// Not a Q_OBJECT: it declares no signals or slots.
class PersonRecordsScreens : public QObject {
public:
    // `records` and `chart` (the main record, handed to the sibling program) must
    // outlive the screens; `places.owner` owns the result.
    PersonRecordsScreens(RecordsModule& records, const core::ChartRecord& chart, const PersonScreenPlaces& places);
    ~PersonRecordsScreens() override;

    PersonListPanel* listPanel() const { return panel_; }
    PersonListSwitch* listSwitch() const { return switch_; }
    // Created on first use.
    TDetailfrm& detailScreen();

    void detailbtnClick();
    void sidrelClick();

private:
    RecordsModule& records_;
    const core::ChartRecord& chart_;
    QWidget* owner_;
    PersonListPanel* panel_ = nullptr;
    PersonListSwitch* switch_ = nullptr;
    TDetailfrm* detail_ = nullptr;
};

PersonRecordsScreens* attachPersonRecords(RecordsModule& records, const core::ChartRecord& chart,
                                          const PersonScreenPlaces& places);

}  // namespace celmora::records
