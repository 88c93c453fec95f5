// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "Chimes.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace celmora::datagen {

namespace {

// Equal-tempered pitch from a MIDI note number (69 = A4 = 440 Hz).
constexpr double pitch(int midiNote) { return 440.0 * std::exp2((midiNote - 69) / 12.0); }

struct Partial {
    double ratio;      // of the fundamental; 4.2 is slightly inharmonic, the bell-like shimmer
    double amplitude;
    double decayScale; // higher partials die away sooner
};

constexpr Partial partials[] = {
    {1.0, 1.00, 1.00},
    {2.0, 0.35, 0.55},
    {3.0, 0.12, 0.35},
    {4.2, 0.06, 0.20},
};

constexpr double attackSeconds = 0.006;
constexpr double fadeSeconds = 0.060;
constexpr double peakLevel = 0.5;  // −6 dBFS

void putLe(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

const std::vector<Chime>& startupChimes()
{
    // Notes in MIDI numbers: 72 = C5. Each chime has its own contour and key so that
    // the weekday sounds are told apart at once.
    static const std::vector<Chime> chimes = {
        {"WAV01.WAV", 1.30, 0.45, {{0.00, pitch(72), 0.8}, {0.12, pitch(76), 0.8}, {0.24, pitch(79), 0.8}, {0.36, pitch(84), 1.0}}},
        {"WAV02.WAV", 1.20, 0.55, {{0.00, pitch(79), 1.0}, {0.30, pitch(76), 0.9}}},
        {"WAV03.WAV", 1.00, 0.40, {{0.00, pitch(69), 1.0}, {0.00, pitch(76), 0.5}}},
        {"WAV04.WAV", 0.90, 0.30, {{0.00, pitch(74), 0.8}, {0.10, pitch(78), 0.8}, {0.20, pitch(81), 1.0}}},
        {"WAV05.WAV", 1.40, 0.40, {{0.00, pitch(76), 0.8}, {0.15, pitch(79), 0.8}, {0.30, pitch(81), 0.8}, {0.45, pitch(86), 1.0}}},
        {"WAV06.WAV", 1.10, 0.35, {{0.00, pitch(84), 0.7}, {0.00, pitch(88), 0.5}, {0.18, pitch(91), 0.8}}},
    };
    return chimes;
}

std::vector<std::int16_t> synthesise(const Chime& chime)
{
    const auto count = static_cast<std::size_t>(std::lround(chime.seconds * chimeSampleRate));
    std::vector<double> mix(count, 0.0);
    for (const ChimeNote& note : chime.notes) {
        const auto start = static_cast<std::size_t>(std::lround(note.startSeconds * chimeSampleRate));
        for (std::size_t i = start; i < count; ++i) {
            const double t = static_cast<double>(i - start) / chimeSampleRate;
            const double attack = t < attackSeconds ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attackSeconds) : 1.0;
            double value = 0.0;
            for (const Partial& p : partials) {
                const double frequency = note.frequency * p.ratio;
                if (frequency > 0.45 * chimeSampleRate) continue;  // keep clear of aliasing
                value += p.amplitude * std::exp(-t / (chime.decay * p.decayScale)) *
                         std::sin(2.0 * std::numbers::pi * frequency * t);
            }
            mix[i] += note.gain * attack * value;
        }
    }
    const auto fade = static_cast<std::size_t>(fadeSeconds * chimeSampleRate);
    for (std::size_t k = 0; k < fade && k < count; ++k) {
        mix[count - 1 - k] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(k) / fade);
    }
    double peak = 0.0;
    for (double v : mix) peak = std::max(peak, std::abs(v));
    const double scale = peak > 0.0 ? peakLevel * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) samples[i] = static_cast<std::int16_t>(std::lround(mix[i] * scale));
    return samples;
}

void writeWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples, int sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error(file.string() + ": cannot be written");
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putLe(out, 16, 4);                              // chunk size
    putLe(out, 1, 2);                               // PCM
    putLe(out, 1, 2);                               // mono
    putLe(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLe(out, static_cast<std::uint32_t>(sampleRate * 2), 4);  // bytes per second
    putLe(out, 2, 2);                               // block align
    putLe(out, 16, 2);                              // bits per sample
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (std::int16_t s : samples) putLe(out, static_cast<std::uint16_t>(s), 2);
    if (!out) throw std::runtime_error(file.string() + ": write failed");
}

}  // namespace celmora::datagen
