// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The detail screen "ユーザ情報画面": the address data of every person in a grid
// that edits them ("氏名", "性別", "郵便", "住所", "TEL", "FAX"), and below it the
// memo of the current person. Both write into the current row's edit buffer; the row
// is saved when the cursor leaves it, as on the data-entry page.

#include <QDialog>

class QPlainTextEdit;
class QTableView;

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonGridModel;
class PersonTable;

class TDetailfrm : public QDialog {
    Q_OBJECT

public:
    TDetailfrm(PersonTable& persons, platform::Messages& messages, QWidget* parent = nullptr);
    ~TDetailfrm() override;

    QTableView* grid() const { return grid_; }
    QPlainTextEdit* memo() const { return memo_; }

private:
    void loadMemo();
    void showCurrentRow();

    PersonTable& persons_;
    platform::Messages& messages_;
    PersonGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    int listener_ = 0;
    bool loading_ = false;
};

}  // namespace celmora::records
