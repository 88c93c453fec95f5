// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// celmora-build-sounds OUTPUT_FOLDER: writes WAV01.WAV .. WAV06.WAV.

#include "Chimes.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv)
{
    using namespace celmora::datagen;
    if (argc != 2) {
        std::fprintf(stderr, "使い方: celmora-build-sounds 出力フォルダ\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const Chime& chime : startupChimes()) {
            // Written beside and renamed, so a player never opens a half-written file.
            const std::filesystem::path target = folder / chime.fileName;
            const std::filesystem::path work = folder / (chime.fileName + ".part");
            writeWav(work, synthesise(chime), chimeSampleRate);
            std::filesystem::rename(work, target);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "celmora-build-sounds: %s\n", error.what());
        return 1;
    }
}
