// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Small UTF-8 helpers shared inside the platform layer. Field sizes of the tables and
// text extents are counted in code points, never in bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace celmora::platform::utf8 {

// Decodes the code point at `i` and advances `i`. A malformed sequence yields
// U+FFFD and consumes one byte, so any byte string can be walked.
inline char32_t next(std::string_view s, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++i;
        return U'\uFFFD';
    }
    if (i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return U'\uFFFD';
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) {
            ++i;
            return U'\uFFFD';
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    // Reject overlong forms, surrogates and values beyond U+10FFFF.
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++i;
        return U'\uFFFD';
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

inline std::size_t codePointCount(std::string_view s)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size();) {
        next(s, i);
        ++count;
    }
    return count;
}

inline void append(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Half-width for layout estimates: ASCII and the half-width katakana block.
inline bool isHalfWidth(char32_t cp)
{
    return cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
}

}  // namespace celmora::platform::utf8
