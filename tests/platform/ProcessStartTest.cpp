// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/ProgramStart.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace celmora::platform {
namespace {

namespace fs = std::filesystem;

bool waitForFile(const std::string& path)
{
    // Generous: only a hung start would take this long.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (fs::exists(path) && fs::file_size(path) > 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(ProcessStartTest, StartsDetachedInItsOwnFolderWithoutAZombie)
{
    testing::TempDir dir;
    const std::string program = dir / "Sidrel.sh";
    // Writes its working folder, its session and its process id.
    // (Field 6 of /proc/PID/stat is the session id.)
    std::ofstream(program) << "#!/bin/sh\nsleep 0.2\nset -- $(cat /proc/$$/stat)\n"
                              "echo \"$(pwd) $6 $1\" > started.txt.tmp\n"
                              "mv started.txt.tmp started.txt\n";
    fs::permissions(program, fs::perms::owner_all);

    auto starter = makeProcessStart();
    EXPECT_TRUE(starter->exists(program));
    ASSERT_TRUE(starter->start(program));

    // start() has already reaped its helper child: we have no child left to wait for,
    // even while the program still runs.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);

    ASSERT_TRUE(waitForFile(dir / "started.txt"));
    std::ifstream in(dir / "started.txt");
    std::string folder, sid, pid;
    in >> folder >> sid >> pid;
    EXPECT_EQ(fs::canonical(folder), fs::canonical(dir.path()));
    EXPECT_NE(std::stoi(sid), ::getsid(0)) << "the program runs in a session of its own";
    EXPECT_NE(std::stoi(pid), std::stoi(sid)) << "not as session leader: it can never take a terminal";
}

TEST(ProcessStartTest, MissingOrNonExecutableFilesAreNotStarted)
{
    testing::TempDir dir;
    auto starter = makeProcessStart();
    EXPECT_FALSE(starter->exists(dir / "Sidrel.exe"));
    EXPECT_FALSE(starter->start(dir / "Sidrel.exe"));
    EXPECT_FALSE(starter->exists(dir.path())) << "a folder is not a program";

    std::ofstream(dir / "notes.txt") << "not a program";
    fs::permissions(dir / "notes.txt", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(starter->exists(dir / "notes.txt"));
    EXPECT_FALSE(starter->start(dir / "notes.txt")) << "exec fails and start() says so";
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

}  // namespace
}  // namespace celmora::platform
