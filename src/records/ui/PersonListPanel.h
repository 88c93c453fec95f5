// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The person list on the data-entry page: the navigation and editing buttons, the
// name search, the sort button and the grid `DBGrid1`, over the list whose current row
// the page's boxes edit.
//
//   in:  the user's clicks; the PersonTable's change notices
//   out: moves, new rows, saves and deletions on the PersonTable; the sort screen

#include <QWidget>

#include "records/ui/BirthBoxes.h"

class QPushButton;

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonBoxBinding;
class PersonSearchPanel;
class PersonTable;
class Tsortfrm;

// Asked before a row is deleted (a misclick must not lose a client's record).
inline constexpr char deleteQuestion[] = "このデータを削除しますか？";

class PersonListPanel : public QWidget {
    Q_OBJECT

public:
    PersonListPanel(PersonTable& persons, const BirthBoxes& boxes, platform::Messages& messages,
                    QWidget* parent = nullptr);
    ~PersonListPanel() override;

    PersonSearchPanel* search() const { return search_; }
    QPushButton* button(const char* objectName) const;
    // The sort screen, created on first use.
    Tsortfrm& sortScreen();

    // The buttons' handlers. A value the table refuses throws TableError, which the
    // button's guarded connection reports; called directly, the caller gets it.
    void gotopClick();
    void gomaeClick();
    void gosakiClick();
    void golastClick();
    void gonnewClick();
    void gotorokuClick();
    void godelClick();
    void sortbtnClick();

private:
    QPushButton* addButton(const char* objectName, const char* caption);

    PersonTable& persons_;
    BirthBoxes boxes_;
    platform::Messages& messages_;
    PersonSearchPanel* search_ = nullptr;
    PersonBoxBinding* binding_ = nullptr;
    Tsortfrm* sortScreen_ = nullptr;
    QWidget* buttonRow_ = nullptr;
};

}  // namespace celmora::records
