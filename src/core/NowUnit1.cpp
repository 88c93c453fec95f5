// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "core/NowUnit1.h"

#include "core/JisaUnit.h"
#include "core/situkohyodb.h"

namespace celmora::core {

bool SelectResidenceAngles(Tsitukofrm& houses, ChartRecord& mainChart, int placeNo)
{
    return houses.selectTable(place(placeNo).houseTable) && houses.FindNowAngles(mainChart);
}

}  // namespace celmora::core
