// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/PictureFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace celmora::platform::picturefile {

namespace {

std::uint32_t le16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t le32(const std::string& b, std::size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

std::uint32_t be16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1]));
}

std::uint32_t be32(const std::string& b, std::size_t at)
{
    return be16(b, at) << 16 | be16(b, at + 2);
}

bool isBmp(const std::string& b) { return b.size() >= 26 && b.compare(0, 2, "BM") == 0; }
bool isPng(const std::string& b) { return b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0; }
bool isGif(const std::string& b) { return b.size() >= 10 && b.compare(0, 4, "GIF8") == 0; }
bool isJpeg(const std::string& b) { return b.size() >= 4 && b.compare(0, 3, "\xFF\xD8\xFF") == 0; }

Size jpegSize(const std::string& b)
{
    std::size_t i = 2;
    while (i + 9 < b.size()) {
        if (static_cast<unsigned char>(b[i]) != 0xFF) return {};
        const auto marker = static_cast<unsigned char>(b[i + 1]);
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) return {static_cast<int>(be16(b, i + 7)), static_cast<int>(be16(b, i + 5))};
        i += 2 + be16(b, i + 2);
    }
    return {};
}

void put32be(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v >> 24);
    out += static_cast<char>(v >> 16);
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v);
}

std::uint32_t crc32(const std::string& data, std::size_t from)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void chunk(std::string& png, const char* type, const std::string& data)
{
    put32be(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.append(type, 4);
    png += data;
    put32be(png, crc32(png, start));
}

}  // namespace

std::optional<std::string> readBinary(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Size sizeOf(const std::string& b)
{
    if (isBmp(b)) {
        const std::uint32_t headerSize = le32(b, 14);
        if (headerSize == 12) return {static_cast<int>(le16(b, 18)), static_cast<int>(le16(b, 20))};
        const auto height = static_cast<std::int32_t>(le32(b, 22));
        return {static_cast<int>(static_cast<std::int32_t>(le32(b, 18))), height < 0 ? -height : height};
    }
    if (isPng(b)) return {static_cast<int>(be32(b, 16)), static_cast<int>(be32(b, 20))};
    if (isGif(b)) return {static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8))};
    if (isJpeg(b)) return jpegSize(b);
    return {};
}

std::string mimeTypeOf(const std::string& b)
{
    if (isBmp(b)) return "image/bmp";
    if (isPng(b)) return "image/png";
    if (isGif(b)) return "image/gif";
    if (isJpeg(b)) return "image/jpeg";
    return "";
}

std::optional<Image> decodeBmp(const std::string& b)
{
    if (!isBmp(b) || b.size() < 54) return std::nullopt;
    const std::uint32_t dataOffset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, 14);
    if (headerSize < 40) return std::nullopt;
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(b, 22));
    const std::uint32_t bits = le16(b, 28);
    const std::uint32_t compression = le32(b, 30);
    std::uint32_t paletteCount = le32(b, 46);
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;
    const bool plainBits = compression == 0 || (compression == 3 && bits == 32);
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || !plainBits) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;

    // A palette has at most 2^bits entries; a larger count in a damaged header must not
    // wrap the size check below and let indexes read past the file.
    if (bits <= 8 && (paletteCount == 0 || paletteCount > (1u << bits))) paletteCount = 1u << bits;
    const std::size_t paletteAt = std::size_t{14} + headerSize;
    if (bits <= 8 && paletteAt + std::size_t{paletteCount} * 4 > b.size()) return std::nullopt;

    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset + stride * static_cast<std::size_t>(height) > b.size()) return std::nullopt;

    Image image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = dataOffset + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint8_t r = 0, g = 0, bl = 0;
            if (bits >= 24) {
                const std::size_t at = row + static_cast<std::size_t>(x) * (bits / 8);
                bl = static_cast<std::uint8_t>(b[at]);
                g = static_cast<std::uint8_t>(b[at + 1]);
                r = static_cast<std::uint8_t>(b[at + 2]);
            } else {
                const std::size_t bitPos = static_cast<std::size_t>(x) * bits;
                const auto packed = static_cast<unsigned char>(b[row + bitPos / 8]);
                const unsigned shift = 8 - bits - static_cast<unsigned>(bitPos % 8);
                const std::uint32_t index = (packed >> shift) & ((1u << bits) - 1);
                if (index >= paletteCount) return std::nullopt;
                const std::size_t entry = paletteAt + index * 4;
                bl = static_cast<std::uint8_t>(b[entry]);
                g = static_cast<std::uint8_t>(b[entry + 1]);
                r = static_cast<std::uint8_t>(b[entry + 2]);
            }
            std::uint8_t* px = &image.rgba[(static_cast<std::size_t>(y) * width + x) * 4];
            px[0] = r;
            px[1] = g;
            px[2] = bl;
            px[3] = 255;
        }
    }
    return image;
}

std::string encodePng(const Image& image)
{
    // Filter byte 0 before every row, then the raw pixels.
    std::string raw;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(image.rgba.data()) + rowBytes * static_cast<std::size_t>(y), rowBytes);
    }

    // zlib stream of stored blocks (at most 65535 bytes each) with its Adler-32.
    std::string z = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + n == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, bsum = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        bsum = (bsum + a) % 65521;
    }
    put32be(z, bsum << 16 | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    put32be(header, static_cast<std::uint32_t>(image.width));
    put32be(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", "");
    return png;
}

std::string base64(const std::string& bytes)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const std::uint32_t v = static_cast<unsigned char>(bytes[i]) << 16 |
                                static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 63];
        out += alphabet[(v >> 6) & 63];
        out += alphabet[v & 63];
    }
    if (i < bytes.size()) {
        std::uint32_t v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

}  // namespace celmora::platform::picturefile
