// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Hands the diagnosed person to the sibling program: it reads section "jinmei" of
// celmora.ini when it starts, so the settings are written first and the program is
// started afterwards.

#include <string_view>

namespace celmora::core {
struct ChartRecord;
}
namespace celmora::platform {
struct Services;
}

namespace celmora::records {

// The sibling program's executable in the program folder (a Linux executable carries no
// extension; the sibling installs itself under this name).
inline constexpr std::string_view sidrelProgramName = "Sidrel";
inline constexpr std::string_view sidrelMissingMessage =
    "ソフトは、まだセットアップが完了していません。CDROMからセットアップを実行してください。";

enum class SidrelOutcome {
    NoChart,  // nothing diagnosed yet: nothing written, nothing started
    Started,
    NotInstalled,  // settings written, the program missing (or not startable): told the user
};

// Writes "name", "yy", "mm", "dd" (decimal, no leading zeros) and "sex" of the main
// chart into section "jinmei", then starts program folder + "Sidrel" when it exists.
SidrelOutcome SidrelHandOver(const core::ChartRecord& chart, const platform::Services& services);

}  // namespace celmora::records
