// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The Seven-Governors part of a chart record: calendar pillars, the four extra stars
// and their screen tables. Filled by the Seven-Governors computation, which declares
// its fields here; empty until that subsystem is built.

namespace celmora::core {

struct SevenGovernorsArea {
    bool operator==(const SevenGovernorsArea&) const = default;
};

}  // namespace celmora::core
