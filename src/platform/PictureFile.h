// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Picture files without a graphics library: enough to know a picture's size and
// type, to decode the uncompressed BMP files the program ships, and to write a PNG.

#include "platform/Canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace celmora::platform::picturefile {

std::optional<std::string> readBinary(const std::string& path);

// From the file's header; {0,0} when the format is unknown or the header is damaged.
Size sizeOf(const std::string& bytes);

// "image/bmp", "image/png", "image/jpeg", "image/gif", or "" when unknown.
std::string mimeTypeOf(const std::string& bytes);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // rows top to bottom, 4 bytes a pixel
};

// Uncompressed BMP with 1, 4, 8, 24 or 32 bits a pixel; nullopt otherwise.
std::optional<Image> decodeBmp(const std::string& bytes);

// A valid PNG (RGBA, 8 bits a channel) using stored deflate blocks: larger than a
// compressed file but needs no compression library.
std::string encodePng(const Image& image);

std::string base64(const std::string& bytes);

}  // namespace celmora::platform::picturefile
