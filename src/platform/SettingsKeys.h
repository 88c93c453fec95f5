// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Every key of celmora.ini, declared once with its default. Screens never spell a key.

namespace celmora::platform::keys {

struct Key {
    const char* section;
    const char* key;
    const char* fallback;
};

// Start-up chime on or off ("True" plays it).
inline constexpr Key soundCheck{"sound", "check", "True"};

// The current person, handed to the sibling program.
inline constexpr Key jinmeiName{"jinmei", "name", ""};
inline constexpr Key jinmeiYear{"jinmei", "yy", ""};
inline constexpr Key jinmeiMonth{"jinmei", "mm", ""};
inline constexpr Key jinmeiDay{"jinmei", "dd", ""};
inline constexpr Key jinmeiSex{"jinmei", "sex", ""};

}  // namespace celmora::platform::keys
