// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The birthplace screen: the user picks the nearest of the 50 places; its time
// difference and name go into the current person row and the main chart's
// birthPlace (core/JisaUnit.h). The chart is recomputed by the next Diagnose run.

#include <QDialog>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace celmora::platform {
class Messages;
}

namespace celmora::core {

struct ChartRecord;
class CurrentPersonRow;

class Tjisafrm : public QDialog {
    Q_OBJECT

public:
    Tjisafrm(ChartRecord& mainChart, platform::Messages& messages, QWidget* parent = nullptr);

    // The person table's current row; null while there is none.
    void setPersonRow(CurrentPersonRow* row) { personRow_ = row; }
    // Shows the screen with the person's own place (the row's "AREA1") selected and
    // scrolled into view; with no place, or one not among the 50, nothing is selected,
    // so that 確認 cannot write a place the user never chose.
    void openForPlace(const std::string& area1);
    // The chosen place 1..50, 0 while none is selected.
    int selectedPlace() const;

    QListWidget* AreaListBox = nullptr;
    QGroupBox* SelSituko = nullptr;
    QButtonGroup* SelSitukoItems = nullptr;  // ids 0..5: the house-table numbers
    QPushButton* okbtn = nullptr;
    QPushButton* cancelbtn = nullptr;

signals:
    // A place was confirmed; the data-entry page shows its time difference and name.
    void birthplaceChosen(const QString& timeDiffText, const QString& placeName);

public slots:
    void AreaListBoxClick();
    void okbtnClick();

private:
    ChartRecord& mainChart_;
    platform::Messages& messages_;
    CurrentPersonRow* personRow_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace celmora::core
