// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The sort screen "並び替え画面": a radio group "並び替えるキーを指定" whose items
// choose the order of the open person list at once (the current person stays
// current), and a close button. The checked item always shows the list's actual
// order, so a name search or a switch of lists is reflected here too.

#include <QDialog>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonTable;

class Tsortfrm : public QDialog {
    Q_OBJECT

public:
    Tsortfrm(PersonTable& persons, platform::Messages& messages, QWidget* parent = nullptr);
    ~Tsortfrm() override;

    // Item 0..8 in screen order.
    QRadioButton* item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int checkedItem() const;
    // Choosing an item switches the list's order; a refusal throws (reported by the
    // group's guarded connection) and the checked item goes back to the actual order.
    void RadioGroup1Click(int index);

private:
    void showOrder();

    PersonTable& persons_;
    platform::Messages& messages_;
    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> items_;
    int listener_ = 0;
};

}  // namespace celmora::records
