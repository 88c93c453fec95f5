// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The Japanese text order of TextOrder::Japanese (platform/Table.h): names sort as in
// Japanese name lists and dictionaries, kanji in the order of the national character
// set (佐藤, 山田, 和暦), kana by the syllabary, Latin letters before kana. ASCII
// letters fold as in every index; texts this order calls equal then come in the order
// of their folded UTF-8 bytes, so the order is total and only texts that are equal
// after folding compare equal. Any bytes are accepted (invalid UTF-8 included).

#include <string_view>

namespace celmora::platform {

// Negative, zero or positive as `a` comes before, with or after `b`.
int compareJapanese(std::string_view a, std::string_view b);

// The name the table engine registers compareJapanese under.
inline constexpr const char* japaneseCollationName = "celmora_ja";

}  // namespace celmora::platform
