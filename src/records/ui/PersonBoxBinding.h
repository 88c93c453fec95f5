// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Binds the data-entry page's boxes to the current person row: a row that becomes
// current is shown in the boxes, and what is typed goes into the row's edit buffer at
// once (saved when the cursor leaves the row). Each box takes no more characters than
// its field holds.

#include <QObject>
#include <string_view>

#include "records/ui/BirthBoxes.h"

namespace celmora::platform {
class Messages;
}

namespace celmora::records {

class PersonTable;

class PersonBoxBinding : public QObject {
    Q_OBJECT

public:
    PersonBoxBinding(PersonTable& persons, const BirthBoxes& boxes, platform::Messages& messages,
                     QObject* parent = nullptr);
    ~PersonBoxBinding() override;

    // Shows the current row in the boxes (only boxes whose text differs are touched,
    // so typing is never disturbed).
    void load();

private:
    void boxEdited(std::string_view field, const QString& text);

    PersonTable& persons_;
    BirthBoxes boxes_;
    platform::Messages& messages_;
    int listener_ = 0;
    bool loading_ = false;
};

}  // namespace celmora::records
