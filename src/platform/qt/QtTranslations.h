// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Qt's own texts in Japanese: the edit boxes' context menus, standard buttons and
// dialogs. The catalogues come with the system's Qt translations; without them the
// program runs with Qt's English texts.

class QCoreApplication;

namespace celmora::platform {

// Installs the Japanese catalogue of Qt on `app` (once per application); false when
// it is not installed.
bool installQtTranslations(QCoreApplication& app);

}  // namespace celmora::platform
