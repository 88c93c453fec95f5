// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "ui/AppWiring.h"

#include "ui/InpUnit.h"

namespace celmora::ui {

void attachScreens(Tinpfrm& window)
{
    (void)window;
}

}  // namespace celmora::ui
