// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

class QComboBox;
class QLabel;
class QLineEdit;

namespace celmora::records {

// The boxes of the data-entry page; the person list binds them to its current row.
struct BirthBoxes {
    QLineEdit* NameDB = nullptr;
    QComboBox* yyComboBox = nullptr;
    QComboBox* mmComboBox = nullptr;
    QComboBox* ddComboBox = nullptr;
    QComboBox* hComboBox = nullptr;
    QComboBox* mComboBox = nullptr;
    QComboBox* DBsex = nullptr;
    QLineEdit* jisalbl = nullptr;
    // The row's birthplace ("AREA1") beside the time difference; shown, not edited.
    QLabel* arealbl = nullptr;
};

}  // namespace celmora::records
