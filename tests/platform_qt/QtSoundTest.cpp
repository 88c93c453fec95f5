// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TestSupport.h"
#include "platform/qt/QtSound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

namespace celmora::platform {
namespace {

// A 0.1-second mono 8-bit silent WAV file.
void writeSilentWav(const std::string& path)
{
    constexpr std::uint32_t rate = 8000, samples = 800;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&out](std::uint32_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); };
    auto u16 = [&out](std::uint16_t v) { out.put(static_cast<char>(v)); out.put(static_cast<char>(v >> 8)); };
    out << "RIFF";
    u32(36 + samples);
    out << "WAVEfmt ";
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate);  // bytes per second
    u16(1);  // block align
    u16(8);  // bits per sample
    out << "data";
    u32(samples);
    for (std::uint32_t i = 0; i < samples; ++i) out.put(static_cast<char>(128));
}

// Whatever this machine has (no audio device when headless), playing returns at once
// and neither a real nor a missing file brings the program down.
TEST(QtSound, PlaysOrStaysSilentWithoutFailing)
{
    const std::string wav = platform_qt_test::outputPath("chime.wav");
    writeSilentWav(wav);
    {
        QtSound sound;
        sound.play(platform_qt_test::outputPath("WAV99.WAV"));
        sound.play(wav);
        sound.play(wav);  // again while the first may still play
        platform_qt_test::spinEventLoop(300);
    }
    platform_qt_test::spinEventLoop(50);
    SUCCEED();
}

}  // namespace
}  // namespace celmora::platform
