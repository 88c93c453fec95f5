// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A name search with a grid over the open person list: the data-entry page's
// `simeitxt`/`srch1btn`/`DBGrid1`, and the compatibility page's own search and grid
// over the same list. Searching and clicking a row move the list's cursor, so every
// grid over the list shows the same current person.

#include <QWidget>
#include <vector>

#include "records/ui/PersonGridColumns.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonGridModel;
class PersonTable;

class PersonSearchPanel : public QWidget {
    Q_OBJECT

public:
    // Object names of the search box, the search button and the grid.
    struct Names {
        QString searchBox;
        QString searchButton;
        QString grid;
    };

    PersonSearchPanel(PersonTable& persons, platform::Messages& messages, const Names& names,
                      std::vector<PersonGridColumn> columns, QWidget* parent = nullptr);

    QLineEdit* searchBox() const { return searchBox_; }
    QPushButton* searchButton() const { return searchButton_; }
    QTableView* grid() const { return grid_; }
    PersonGridModel* model() const { return model_; }
    // Puts a row of buttons left of the search box (the data-entry page's navigation).
    void addLeadingWidget(QWidget* widget);

    // 氏名検索: the nearest name at or after the box text, in name order. A refused
    // value of the row being left throws TableError (reported by the button's guard).
    void search();

private:
    void showCurrentRow(int row);
    void gridRowChosen(int row);

    PersonTable& persons_;
    platform::Messages& messages_;
    QLineEdit* searchBox_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QTableView* grid_ = nullptr;
    PersonGridModel* model_ = nullptr;
    QHBoxLayout* topRow_ = nullptr;
    bool syncing_ = false;
};

}  // namespace celmora::records
