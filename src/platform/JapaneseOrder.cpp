// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/JapaneseOrder.h"

#include <unicode/ucol.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace celmora::platform {

namespace {

struct CollatorClose {
    void operator()(UCollator* c) const { ucol_close(c); }
};

// A collator serves one thread at a time; each thread that sorts gets its own.
UCollator* japaneseCollator()
{
    thread_local const std::unique_ptr<UCollator, CollatorClose> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("ja", &status);
        if (U_FAILURE(status)) throw std::runtime_error(std::string("Japanese collation: ") + u_errorName(status));
        return std::unique_ptr<UCollator, CollatorClose>(c);
    }();
    return collator.get();
}

std::string foldAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

}  // namespace

int compareJapanese(std::string_view a, std::string_view b)
{
    const std::string fa = foldAscii(a);
    const std::string fb = foldAscii(b);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(japaneseCollator(), fa.data(), static_cast<int32_t>(fa.size()),
                                                fb.data(), static_cast<int32_t>(fb.size()), &status);
    if (U_SUCCESS(status) && r != UCOL_EQUAL) return r == UCOL_LESS ? -1 : 1;
    const int bytes = fa.compare(fb);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

}  // namespace celmora::platform
