// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

#include <string>
#include <vector>

namespace celmora::platform {

// Plays a WAV file without waiting. Silent when there is no audio device or the
// file is missing: a chime is never worth an error.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const std::string& wavPath) = 0;
};

class RecordingSound final : public Sound {
public:
    void play(const std::string& wavPath) override { played.push_back(wavPath); }
    std::vector<std::string> played;
};

}  // namespace celmora::platform
