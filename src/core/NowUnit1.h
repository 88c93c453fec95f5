// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The current residence: the house table of the place where the person lives now
// gives the Ascendant and Midheaven that transits show there.

namespace celmora::core {

struct ChartRecord;
class Tsitukofrm;

// Opens the house table of place 1..50 and fills the current-location ASC and MC of
// the main chart for its localSiderealTime. The house table component stays on that
// table until the next Diagnose run selects the birthplace's again. False after
// telling the user when the table cannot be opened or has no row for that time.
bool SelectResidenceAngles(Tsitukofrm& houses, ChartRecord& mainChart, int placeNo);

}  // namespace celmora::core
