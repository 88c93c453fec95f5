// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Every path is the program folder plus a fixed sub-folder. The program folder is
// the folder of the executable (or the one given with --program-dir). When it is
// not writable (an installed copy), the writable files — the person tables in
// "jinmei", celmora.ini and temporary files — live in the user's data folder
// ($XDG_DATA_HOME/celmora or ~/.local/share/celmora) instead.
//
// The installed data (year tables, house tables, reading texts, pictures) is only
// ever read, even where the folder could be written (a development build, a root
// user): the data builders make it, and a table there is opened read-only.

#include <functional>
#include <string>
#include <vector>

namespace celmora::platform {

class ProgramDir {
public:
    // `programDir` holds the installed data; `writableDir` is where writable files go
    // (equal to programDir when that is writable).
    ProgramDir(std::string programDir, std::string writableDir);

    // The decision alone, without touching the disk: `isWritable` tells whether a folder
    // can take new files. Writable files go beside the program when it is writable,
    // otherwise into `userDataDir`.
    using WritableProbe = std::function<bool(const std::string& folder)>;

    // Resolves the layout for an executable folder (checks writability with
    // `isWritable`). When the folder is not writable, the user data folder is created
    // and seeded with copies of the installed person tables and settings file that it
    // does not have yet; the program folder itself is only read.
    static ProgramDir forExecutableDir(const std::string& exeDir, const WritableProbe& isWritable = isWritableFolder);
    static ProgramDir resolve(const std::string& exeDir, const WritableProbe& isWritable,
                              const std::string& userDataDir);
    // Creates and removes a probe file: true when new files can really be created there
    // (a permission check alone misjudges read-only mounts).
    static bool isWritableFolder(const std::string& folder);
    // $XDG_DATA_HOME/celmora, or ~/.local/share/celmora.
    static std::string userDataDir();
    // The folder of the running executable (/proc/self/exe).
    static std::string executableDir();

    const std::string& root() const { return root_; }
    const std::string& writableRoot() const { return writable_; }

    std::string ephemerisDir() const;                          // "db"
    std::string houseTableDir() const;                         // "precidus"
    std::string personDir() const;                             // "jinmei" (writable)
    std::string textDir() const;                               // "bunsyodb"
    // The user's own copies of text tables edited in the settings windows (writable);
    // the installed tables in textDir() are never written.
    std::string editedTextDir() const;                         // "userdb"
    std::string iconDir() const;                               // "icon"
    std::string signPictureDir() const;                        // "bmp"
    std::string signSymbolDir() const;                         // "bmp2"
    std::string soundFile(const std::string& fileName) const;  // beside the program
    std::string settingsFile() const;                          // celmora.ini (writable)
    std::string tempDir() const;                               // writable
    std::string file(const std::string& relative) const;       // root + "/" + relative

    // The folders of installed data: db, precidus, bunsyodb, icon, bmp, bmp2, mmap.
    std::vector<std::string> installedDataDirs() const;
    // True when `path` is one of those folders or lies inside one (compared after
    // removing "." and ".." steps, without asking the file system).
    bool isInstalledData(const std::string& path) const;

private:
    std::string root_;
    std::string writable_;
};

}  // namespace celmora::platform
