// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/TRedispFlg.h"

#include "core/ChartRecord.h"

namespace celmora::core {

bool TRedispFlg::changedSince(const ChartRecord& chart)
{
    if (chart.name == name_ && chart.birthDateText == birthDateText_ && chart.birthTimeText == birthTimeText_) {
        return false;
    }
    name_ = chart.name;
    birthDateText_ = chart.birthDateText;
    birthTimeText_ = chart.birthTimeText;
    return true;
}

}  // namespace celmora::core
