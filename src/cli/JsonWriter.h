// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// JSON text written as it goes, in exactly the layout of nlohmann's dump(2) with
// malformed UTF-8 replaced: two spaces per level, `"key": value`, one member or
// element per line, `{}` and `[]` when empty. The chart record alone holds some 1,700
// values; building nlohmann's document tree for them and then walking it cost more
// than the Diagnose run itself.
//
// The text goes to the stream in pieces of a few kilobytes, so the whole document is
// never held in memory either.
//
//   JsonWriter w(out);
//   w.beginObject();
//   w.key("pointSign");
//   w.beginArray();
//   for (...) w.value(sign);
//   w.end();
//   w.end();
//   w.flush();

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace celmora::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject();
    void beginArray();
    // Closes the innermost object or array.
    void end();
    // Inside an object, before each value.
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(const std::string& text) { value(std::string_view(text)); }
    void value(int number);
    void value(double number);
    void value(bool flag);
    // A finished value, as nlohmann writes it at this level.
    void value(const nlohmann::ordered_json& json);

    // Hands what is written so far to the stream (also done on destruction).
    void flush();

private:
    void beforeValue();
    void newLine(int level);
    int level() const { return static_cast<int>(open_.size()); }
    void string(std::string_view text);

    struct Open {
        bool object;
        int count;
    };

    std::ostream& out_;
    std::string buffer_;
    std::vector<Open> open_;
};

}  // namespace celmora::cli
