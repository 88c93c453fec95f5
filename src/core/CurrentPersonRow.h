// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The current row of the person table, as far as the place screens write to it. The
// person-records subsystem implements it; without a person table there is none.

#include <string>

namespace celmora::core {

class CurrentPersonRow {
public:
    virtual ~CurrentPersonRow() = default;
    // Puts the row into edit mode, sets "時差" := timeDiffText and "AREA1" := area,
    // and posts it.
    virtual void setTimeDiffAndArea(const std::string& timeDiffText, const std::string& area) = 0;
};

}  // namespace celmora::core
