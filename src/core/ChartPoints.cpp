// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/ChartPoints.h"

#include "platform/Checked.h"

namespace celmora::core {

std::string_view pointName(int p)
{
    platform::checkedRange(p, 1, point::count, "天体番号");
    return pointNames[static_cast<std::size_t>(p - 1)];
}

}  // namespace celmora::core
