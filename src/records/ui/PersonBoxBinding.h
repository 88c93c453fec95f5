// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Binds the data-entry page's boxes to the current person row: a row that becomes
// current is shown in the boxes, and what is typed goes into the row's edit buffer at
// once (saved when the cursor leaves the row) as long as it is a value the field may
// hold (records/BirthFieldCheck.h). When a box is posted (Enter, leaving the box, a
// choice from its list, a text set by the program) with a value it may not hold, the
// box and the row go back to the value last posted and a message names the field and
// its range, so the row only ever holds readable birth data. Each box takes no more characters than its field holds.

#include <QObject>
#include <map>
#include <string>
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
    void boxPosted(std::string_view field);
    QString boxText(std::string_view field) const;
    void showField(std::string_view field);
    bool isTyping(std::string_view field) const;

    PersonTable& persons_;
    BirthBoxes boxes_;
    platform::Messages& messages_;
    // Per field, the value the row held when the box was last shown or posted: what a
    // refused post goes back to (while typing, "1" of "13" already reached the row).
    std::map<std::string_view, std::string> posted_;
    int listener_ = 0;
    bool loading_ = false;
};

}  // namespace celmora::records
