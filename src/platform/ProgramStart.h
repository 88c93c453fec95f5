// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace celmora::platform {

// Starts another executable, detached.
class ProgramStart {
public:
    virtual ~ProgramStart() = default;
    virtual bool exists(const std::string& path) const = 0;
    // Returns false when it could not be started.
    virtual bool start(const std::string& path) = 0;
};

// POSIX implementation (fork/exec, detached); no Qt.
std::unique_ptr<ProgramStart> makeProcessStart();

class RecordingProgramStart final : public ProgramStart {
public:
    bool exists(const std::string& path) const override
    {
        for (const auto& p : existing)
            if (p == path) return true;
        return false;
    }
    bool start(const std::string& path) override
    {
        started.push_back(path);
        return exists(path);
    }
    std::vector<std::string> existing;
    std::vector<std::string> started;
};

}  // namespace celmora::platform
