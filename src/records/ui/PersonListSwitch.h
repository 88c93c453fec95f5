// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// `Jbox` on the top panel: which of the two person lists is open ("人名１", "人名２").

#include <QGroupBox>

class QRadioButton;

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonTable;

class PersonListSwitch : public QGroupBox {
    Q_OBJECT

public:
    PersonListSwitch(PersonTable& persons, platform::Messages& messages, QWidget* parent = nullptr);
    ~PersonListSwitch() override;

    QRadioButton* item(int index) const { return index == 0 ? first_ : second_; }
    // Item 0 opens "人名DB", item 1 "人名2DB". A list that cannot be opened throws
    // TableError (the item's guarded connection reports it) and stays unchosen.
    void JboxClick(int index);

private:
    void showOpenList();

    PersonTable& persons_;
    platform::Messages& messages_;
    QRadioButton* first_ = nullptr;
    QRadioButton* second_ = nullptr;
    int listener_ = 0;
};

}  // namespace celmora::records
