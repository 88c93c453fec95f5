// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/ProgramStart.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace celmora::platform {

namespace {

// Starts a program that outlives us and is never our child for long: a short-lived
// intermediate child starts a new session and forks the program, then exits at once
// and is reaped here, so the program is re-parented to init and no zombie remains.
// A close-on-exec pipe carries an exec failure (its errno) back; end of file on the
// pipe without data means exec succeeded.
//
// Between fork and exec only async-signal-safe calls are made: the workstation is
// multi-threaded (the toolkit's own threads), so nothing that could take a lock.
class ProcessStart final : public ProgramStart {
public:
    bool exists(const std::string& path) const override
    {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    bool start(const std::string& path) override
    {
        if (!exists(path)) return false;

        // Everything the children need is prepared before fork.
        std::string folder = path;
        const auto slash = folder.rfind('/');
        folder = slash == std::string::npos ? std::string(".") : (slash == 0 ? std::string("/") : folder.substr(0, slash));
        char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};

        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) return false;

        const pid_t child = ::fork();
        if (child < 0) {
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
            return false;
        }
        if (child == 0) {
            ::close(pipeFds[0]);
            ::setsid();
            const pid_t grandchild = ::fork();
            if (grandchild == 0) {
                sigset_t none;
                sigemptyset(&none);
                ::sigprocmask(SIG_SETMASK, &none, nullptr);
                const int devNull = ::open("/dev/null", O_RDONLY);
                if (devNull >= 0) {
                    ::dup2(devNull, STDIN_FILENO);
                    if (devNull != STDIN_FILENO) ::close(devNull);
                }
                // The sibling program finds its files (the settings file) beside itself;
                // should the folder be unusable, it still starts.
                [[maybe_unused]] const int changed = ::chdir(folder.c_str());
                ::execv(path.c_str(), argv);
                const int error = errno;
                [[maybe_unused]] auto n = ::write(pipeFds[1], &error, sizeof error);
                ::_exit(127);
            }
            if (grandchild < 0) {
                const int error = errno;
                [[maybe_unused]] auto n = ::write(pipeFds[1], &error, sizeof error);
            }
            ::_exit(0);
        }

        ::close(pipeFds[1]);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        int error = 0;
        ssize_t got = 0;
        do {
            got = ::read(pipeFds[0], &error, sizeof error);
        } while (got < 0 && errno == EINTR);
        ::close(pipeFds[0]);
        return got == 0;
    }
};

}  // namespace

std::unique_ptr<ProgramStart> makeProcessStart()
{
    return std::make_unique<ProcessStart>();
}

}  // namespace celmora::platform
