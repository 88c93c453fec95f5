// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The start-up chimes WAV01..WAV06 (one per weekday group), synthesised: each note is
// a few sine partials with exponential decay, as a small struck bell or glass chime
// sounds, with a short raised-cosine attack and a fade at the end so the file starts
// and ends in silence (no click).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace celmora::datagen {

inline constexpr int chimeSampleRate = 44100;

struct ChimeNote {
    double startSeconds;
    double frequency;  // Hz of the fundamental
    double gain;       // relative loudness 0..1
};

struct Chime {
    std::string fileName;  // "WAV01.WAV"
    double seconds;        // total length
    double decay;          // fundamental's decay time constant in seconds
    std::vector<ChimeNote> notes;
};

const std::vector<Chime>& startupChimes();

// Mono 16-bit samples, peak normalised to about −6 dBFS.
std::vector<std::int16_t> synthesise(const Chime& chime);

// A canonical PCM WAV file (RIFF, "fmt " chunk of 16 bytes, "data"), mono, 16 bits.
void writeWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace celmora::datagen
