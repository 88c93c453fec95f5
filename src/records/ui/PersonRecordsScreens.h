// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The person-records screens on the main window: the person list on the data-entry
// page (bound to the page's boxes), the list switch `Jbox` on the top panel, the
// detail screen behind `detailbtn`, the hand-over to the sibling program behind
// `sidrel`, and the current row's "AREA1" for the Diagnose run.

#include <QObject>

namespace celmora::ui {
class Tinpfrm;
}

namespace celmora::records {

class PersonListPanel;
class PersonListSwitch;
class TDetailfrm;

// Not a Q_OBJECT: it declares no signals or slots, and staying out of the moc keeps
// the main window's symbols out of programs that use the screens without it.
class PersonRecordsScreens : public QObject {
public:
    // Attaches to `window`, which owns the result.
    explicit PersonRecordsScreens(ui::Tinpfrm& window);
    ~PersonRecordsScreens() override;

    PersonListPanel* listPanel() const { return panel_; }
    PersonListSwitch* listSwitch() const { return switch_; }
    // Created on first use.
    TDetailfrm& detailScreen();

    void detailbtnClick();
    void sidrelClick();

private:
    ui::Tinpfrm& window_;
    PersonListPanel* panel_ = nullptr;
    PersonListSwitch* switch_ = nullptr;
    TDetailfrm* detail_ = nullptr;
};

PersonRecordsScreens* attachPersonRecords(ui::Tinpfrm& window);

}  // namespace celmora::records
