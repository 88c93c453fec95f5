// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/JsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Utf8.h"

namespace celmora::cli {

namespace {

using Json = nlohmann::ordered_json;

// True when nlohmann writes the text as it is between the quotes: well-formed UTF-8
// without a control character, DEL, quote or backslash.
bool writtenAsIs(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F || c == '"' || c == '\\') return false;
            ++i;
            continue;
        }
        const std::size_t start = i;
        // A malformed sequence decodes as U+FFFD over one byte; U+FFFD itself takes three.
        if (platform::utf8::next(text, i) == U'\uFFFD' && i - start != 3) return false;
    }
    return true;
}

// Pieces of about this size go to the stream.
constexpr std::size_t pieceSize = 8192;

}  // namespace

JsonWriter::JsonWriter(std::ostream& out) : out_(out)
{
    buffer_.reserve(2 * pieceSize);
}

JsonWriter::~JsonWriter()
{
    flush();
}

void JsonWriter::flush()
{
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void JsonWriter::newLine(int level)
{
    if (buffer_.size() >= pieceSize) flush();
    // A line break and the indentation in one copy: there is one per value.
    static constexpr std::string_view indented = "\n                                ";
    std::size_t width = static_cast<std::size_t>(2 * level);
    buffer_.append(indented.substr(0, 1 + std::min(width, indented.size() - 1)));
    for (width -= std::min(width, indented.size() - 1); width > 0; --width) buffer_ += ' ';
}

void JsonWriter::beforeValue()
{
    if (open_.empty() || open_.back().object) return;  // top level, or after key()
    buffer_ += open_.back().count++ == 0 ? "" : ",";
    newLine(level());
}

void JsonWriter::beginObject()
{
    beforeValue();
    buffer_ += '{';
    open_.push_back({true, 0});
}

void JsonWriter::beginArray()
{
    beforeValue();
    buffer_ += '[';
    open_.push_back({false, 0});
}

void JsonWriter::end()
{
    const Open closed = open_.back();
    open_.pop_back();
    if (closed.count > 0) newLine(level());
    buffer_ += closed.object ? '}' : ']';
}

void JsonWriter::key(std::string_view name)
{
    buffer_ += open_.back().count++ == 0 ? "" : ",";
    newLine(level());
    string(name);
    buffer_ += ": ";
}

void JsonWriter::string(std::string_view text)
{
    if (writtenAsIs(text)) {
        buffer_ += '"';
        buffer_ += text;
        buffer_ += '"';
    } else {
        buffer_ += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

void JsonWriter::value(std::string_view text)
{
    beforeValue();
    string(text);
}

void JsonWriter::value(int number)
{
    beforeValue();
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    buffer_.append(digits, static_cast<std::size_t>(end - digits));
}

void JsonWriter::value(double number)
{
    beforeValue();
    if (!std::isfinite(number)) {
        buffer_ += "null";
        return;
    }
    // nlohmann's own shortest form (Grisu2, "1.0" for whole numbers), so the text is
    // the one dump() writes.
    char digits[64];
    const char* end = nlohmann::detail::to_chars(digits, digits + sizeof digits, number);
    buffer_.append(digits, static_cast<std::size_t>(end - digits));
}

void JsonWriter::value(bool flag)
{
    beforeValue();
    buffer_ += flag ? "true" : "false";
}

void JsonWriter::value(const Json& json)
{
    beforeValue();
    // Strings hold no raw line break, so every line break starts a nested line.
    const std::string text = json.dump(2, ' ', false, Json::error_handler_t::replace);
    const std::string indent(static_cast<std::size_t>(2 * level()), ' ');
    for (char c : text) {
        buffer_ += c;
        if (c == '\n') buffer_ += indent;
    }
}

}  // namespace celmora::cli
