// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Plays a WAV file through Qt Multimedia and returns at once. Nothing happens — no
// message, no exception — when the file is missing, there is no audio output
// device, or the build has no Qt Multimedia. Needs a running event loop to be heard.

#include "platform/Sound.h"

#include <memory>

namespace celmora::platform {

class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(const std::string& wavPath) override;

private:
    struct Player;
    std::unique_ptr<Player> player_;  // made on the first sound that can be heard
};

}  // namespace celmora::platform
