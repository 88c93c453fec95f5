// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// The start-up chimes WAV01..WAV06: plain 16-bit PCM files any player opens, short,
// audible without clipping, starting and ending in silence, and not alike.

#include "DataTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace celmora::testing {
namespace {

struct Wave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int format = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// Walks the RIFF chunks as a player does, rather than assuming a 44-byte header.
Wave readWave(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wave w;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
    EXPECT_EQ(le(b, 4, 4), b.size() - 8) << path;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = le(b, at + 4, 4);
        if (id == "fmt ") {
            w.format = static_cast<int>(le(b, at + 8, 2));
            w.channels = static_cast<int>(le(b, at + 10, 2));
            w.sampleRate = static_cast<int>(le(b, at + 12, 4));
            w.bitsPerSample = static_cast<int>(le(b, at + 22, 2));
        } else if (id == "data" && at + 8 + size <= b.size()) {
            w.samples.resize(size / 2);
            std::memcpy(w.samples.data(), b.data() + at + 8, size / 2 * 2);
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

const std::vector<std::string> names = {"WAV01.WAV", "WAV02.WAV", "WAV03.WAV", "WAV04.WAV", "WAV05.WAV", "WAV06.WAV"};

TEST(StartupChimes, ShortAudibleUnclippedPcmThatStartsAndEndsSilent)
{
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Wave w = readWave(fixtureDir + "/" + name);
        EXPECT_EQ(w.format, 1);  // PCM
        EXPECT_EQ(w.bitsPerSample, 16);
        ASSERT_GT(w.sampleRate, 0);
        ASSERT_GE(w.channels, 1);
        const double seconds = static_cast<double>(w.samples.size()) / w.channels / w.sampleRate;
        EXPECT_GE(seconds, 0.5);
        EXPECT_LE(seconds, 1.5);
        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 32767 / 4);      // louder than −12 dBFS
        EXPECT_LT(peak, 32767 * 9 / 10);  // clear of clipping
        // The sound fades in over the first half millisecond and has died away in the last
        // two: a jump from or to silence at either end would click.
        const auto fadeIn = static_cast<std::size_t>(w.sampleRate / 2000 * w.channels);
        const auto fadeOut = static_cast<std::size_t>(w.sampleRate / 500 * w.channels);
        ASSERT_GT(w.samples.size(), fadeIn + fadeOut);
        for (std::size_t i = 0; i < fadeIn; ++i) EXPECT_LT(std::abs(w.samples[i]), 32767 / 50) << "start " << i;
        for (std::size_t i = 0; i < fadeOut; ++i)
            EXPECT_LT(std::abs(w.samples[w.samples.size() - 1 - i]), 32767 / 50) << "end " << i;
    }
}

// Normalised correlation of the first 0.3 s: near 1 only for the same sound.
double similarity(const Wave& a, const Wave& b)
{
    const std::size_t n = std::min({a.samples.size(), b.samples.size(), static_cast<std::size_t>(a.sampleRate * 3 / 10)});
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += static_cast<double>(a.samples[i]) * b.samples[i];
        aa += static_cast<double>(a.samples[i]) * a.samples[i];
        bb += static_cast<double>(b.samples[i]) * b.samples[i];
    }
    return ab / std::sqrt(aa * bb);
}

TEST(StartupChimes, EachWeekdaySoundIsDistinct)
{
    std::vector<Wave> waves;
    for (const std::string& name : names) waves.push_back(readWave(fixtureDir + "/" + name));
    for (std::size_t i = 0; i < waves.size(); ++i) {
        for (std::size_t j = i + 1; j < waves.size(); ++j) {
            EXPECT_LT(std::abs(similarity(waves[i], waves[j])), 0.5) << names[i] << " vs " << names[j];
        }
    }
}

}  // namespace
}  // namespace celmora::testing
