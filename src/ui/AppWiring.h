// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Creates the screens of every subsystem once, in start-up order, and attaches them to
// the main window (its buttons, pages and Diagnose-run hooks).

namespace celmora::app {
class Workstation;
}

namespace celmora::ui {

class Tinpfrm;

// Each screen receives the module it works with; `window` was made on
// `workstation.chartCore()`.
void attachScreens(Tinpfrm& window, app::Workstation& workstation);

}  // namespace celmora::ui
