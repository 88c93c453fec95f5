// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Every path is the program folder plus a fixed sub-folder. The program folder is
// the folder of the executable (or the one given with --program-dir). When it is
// not writable (an installed copy), the writable files — the person tables in
// "jinmei", celmora.ini and temporary files — live in the user's data folder
// ($XDG_DATA_HOME/celmora or ~/.local/share/celmora) instead.

#include <string>

namespace celmora::platform {

class ProgramDir {
public:
    // `programDir` holds the installed data; `writableDir` is where writable files go
    // (equal to programDir when that is writable).
    ProgramDir(std::string programDir, std::string writableDir);

    // Resolves the layout for an executable folder (checks writability).
    static ProgramDir forExecutableDir(const std::string& exeDir);
    // The folder of the running executable (/proc/self/exe).
    static std::string executableDir();

    const std::string& root() const { return root_; }
    const std::string& writableRoot() const { return writable_; }

    std::string ephemerisDir() const;    // "db"
    std::string houseTableDir() const;   // "precidus"
    std::string personDir() const;       // "jinmei" (writable)
    std::string textDir() const;         // "bunsyodb"
    std::string iconDir() const;         // "icon"
    std::string signPictureDir() const;  // "bmp"
    std::string signSymbolDir() const;   // "bmp2"
    std::string soundFile(const std::string& fileName) const;  // beside the program
    std::string settingsFile() const;    // celmora.ini (writable)
    std::string tempDir() const;         // writable
    std::string file(const std::string& relative) const;  // root + "/" + relative

private:
    std::string root_;
    std::string writable_;
};

}  // namespace celmora::platform
