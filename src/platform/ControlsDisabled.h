// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Keeps the bound views of a table quiet for a scope: disableControls() when made,
// enableControls() when the scope ends, by return or by exception. The table counts
// the calls, so guards may nest.

#include "platform/Table.h"

namespace celmora::platform {

class ControlsDisabled {
public:
    explicit ControlsDisabled(Table& table) : table_(table) { table_.disableControls(); }
    ~ControlsDisabled() { table_.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    Table& table_;
};

}  // namespace celmora::platform
