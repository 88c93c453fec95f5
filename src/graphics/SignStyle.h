// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

namespace celmora::graphics {

// How the wheels show the twelve signs: coloured pictures (60 × 58 from "bmp") or
// symbols (40 × 40 from "bmp2"). One setting for the whole run, shared by the natal
// and the double wheel; pictures until the user switches.
enum class SignStyle { Picture, Symbol };

}  // namespace celmora::graphics
