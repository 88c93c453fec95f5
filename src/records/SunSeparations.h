// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

#include "platform/Checked.h"

namespace celmora::records {

// The Sun's row of the natal wheel's separation matrix: the whole-degree separation
// 0..180 of the Sun from point k, for k = 2 (Moon) .. 13 (MC). The natal wheel computes
// it when it draws; the person table only stores it ("SUN月" .. "SUNMC").
using SunSeparations = platform::Array1<int, 2, 13>;

}  // namespace celmora::records
