// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/ProgramDir.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace celmora::platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* personFolder = "jinmei";
constexpr const char* settingsFileName = "celmora.ini";
constexpr const char* ephemerisFolder = "db";
constexpr const char* houseTableFolder = "precidus";
constexpr const char* textFolder = "bunsyodb";
constexpr const char* iconFolder = "icon";
constexpr const char* signPictureFolder = "bmp";
constexpr const char* signSymbolFolder = "bmp2";
constexpr const char* mindMapFolder = "mmap";
constexpr const char* installedFolders[] = {ephemerisFolder,   houseTableFolder, textFolder,   iconFolder,
                                            signPictureFolder, signSymbolFolder, mindMapFolder};

std::string join(const std::string& folder, const std::string& relative)
{
    if (folder.empty()) return relative;
    if (folder.back() == '/') return folder + relative;
    return folder + "/" + relative;
}

// Copies what the user data folder lacks from the installed copy, so that an installed
// program starts with its person lists and settings. Existing user files win.
void seedWritableRoot(const std::string& root, const std::string& writable)
{
    std::error_code ec;
    fs::create_directories(join(writable, personFolder), ec);
    if (fs::is_directory(join(root, personFolder), ec)) {
        for (const auto& entry : fs::directory_iterator(join(root, personFolder), ec)) {
            if (!entry.is_regular_file(ec)) continue;
            const fs::path target = fs::path(join(writable, personFolder)) / entry.path().filename();
            if (!fs::exists(target, ec) && fs::copy_file(entry.path(), target, ec)) {
                // Installed copies may come read-only (a read-only medium); the user's own are written.
                fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
            }
        }
    }
    const std::string installedSettings = join(root, settingsFileName);
    const std::string userSettings = join(writable, settingsFileName);
    if (fs::exists(installedSettings, ec) && !fs::exists(userSettings, ec)) {
        if (fs::copy_file(installedSettings, userSettings, ec)) {
            fs::permissions(userSettings, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
        }
    }
}

}  // namespace

ProgramDir::ProgramDir(std::string programDir, std::string writableDir)
    : root_(std::move(programDir)), writable_(std::move(writableDir))
{
}

ProgramDir ProgramDir::resolve(const std::string& exeDir, const WritableProbe& isWritable,
                               const std::string& userDataDir)
{
    if (isWritable(exeDir)) return ProgramDir(exeDir, exeDir);
    return ProgramDir(exeDir, userDataDir);
}

ProgramDir ProgramDir::forExecutableDir(const std::string& exeDir, const WritableProbe& isWritable)
{
    ProgramDir dirs = resolve(exeDir, isWritable, userDataDir());
    if (dirs.writable_ != dirs.root_) seedWritableRoot(dirs.root_, dirs.writable_);
    return dirs;
}

bool ProgramDir::isWritableFolder(const std::string& folder)
{
    std::string probe = join(folder, ".celmora-write-test-XXXXXX");
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string ProgramDir::userDataDir()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        return join(xdg, "celmora");
    }
    std::string home;
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
        home = env;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        home = pw->pw_dir;
    } else {
        home = "/tmp";
    }
    return join(home, ".local/share/celmora");
}

std::string ProgramDir::executableDir()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec).string();
    return exe.parent_path().string();
}

std::string ProgramDir::ephemerisDir() const
{
    return join(root_, ephemerisFolder);
}
std::string ProgramDir::houseTableDir() const
{
    return join(root_, houseTableFolder);
}
std::string ProgramDir::personDir() const
{
    return join(writable_, personFolder);
}
std::string ProgramDir::textDir() const
{
    return join(root_, textFolder);
}
std::string ProgramDir::editedTextDir() const
{
    return join(writable_, "userdb");
}
std::string ProgramDir::iconDir() const
{
    return join(root_, iconFolder);
}
std::string ProgramDir::signPictureDir() const
{
    return join(root_, signPictureFolder);
}
std::string ProgramDir::signSymbolDir() const
{
    return join(root_, signSymbolFolder);
}
std::string ProgramDir::soundFile(const std::string& fileName) const
{
    return join(root_, fileName);
}
std::string ProgramDir::settingsFile() const
{
    return join(writable_, settingsFileName);
}

// The temporary rich-text files of the reading documents live beside the program when
// it is writable (as before), otherwise in a "tmp" folder of the user data folder.
std::string ProgramDir::tempDir() const
{
    if (writable_ == root_) return root_;
    const std::string temp = join(writable_, "tmp");
    std::error_code ec;
    fs::create_directories(temp, ec);
    return temp;
}

std::string ProgramDir::file(const std::string& relative) const
{
    return join(root_, relative);
}

std::vector<std::string> ProgramDir::installedDataDirs() const
{
    std::vector<std::string> dirs;
    for (const char* folder : installedFolders) dirs.push_back(join(root_, folder));
    return dirs;
}

bool ProgramDir::isInstalledData(const std::string& path) const
{
    const fs::path candidate = fs::path(path).lexically_normal();
    for (const std::string& dir : installedDataDirs()) {
        // Inside means: the relative path from the folder neither leaves it ("..") nor
        // changes the root (a relative `path` against an absolute folder).
        const fs::path relative = candidate.lexically_relative(fs::path(dir).lexically_normal());
        if (relative.empty()) continue;
        if (const auto first = relative.begin(); first != relative.end() && *first == "..") continue;
        return true;
    }
    return false;
}

}  // namespace celmora::platform
