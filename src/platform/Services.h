// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The platform facilities a module needs, handed in once at start-up. The workstation
// fills it with the real implementations; the command-line program with real tables
// and collecting messages; tests with doubles.

#include "platform/ProgramDir.h"

namespace celmora::platform {

class TableEngine;
class Settings;
class Messages;
class Clock;
class Sound;
class ProgramStart;
class Printer;

struct Services {
    ProgramDir dirs;
    TableEngine* tables = nullptr;
    Settings* settings = nullptr;
    Messages* messages = nullptr;
    Clock* clock = nullptr;
    Sound* sound = nullptr;
    ProgramStart* programs = nullptr;
    Printer* printer = nullptr;  // may be null where nothing prints
};

}  // namespace celmora::platform
