// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

#include <string>

namespace celmora::core {

// The texts of the data-entry page's boxes, as typed, that one Diagnose run reads.
struct BirthInput {
    std::string name;
    std::string yearText;    // four digits
    std::string monthText;   // "01".."12"
    std::string dayText;     // "01".."31"
    std::string hourText;    // "00".."23"
    std::string minuteText;  // "00".."59"
    std::string sex;         // "男" or "女"
    std::string timeDiffText;  // signed minutes ("+19"), or empty
    std::string area1;       // "AREA1" of the current person row, "" when none
};

}  // namespace celmora::core
