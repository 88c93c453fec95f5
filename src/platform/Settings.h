// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The settings file celmora.ini: strings by section and key. Every key the
// program uses is declared once in SettingsKeys.h with its default.

#include <map>
#include <memory>
#include <string>

namespace celmora::platform {

class Settings {
public:
    virtual ~Settings() = default;
    // A missing file, section or key gives `fallback`.
    virtual std::string readString(const std::string& section, const std::string& key,
                                   const std::string& fallback) const = 0;
    // Writes through to the file at once (the sibling program reads it right after).
    virtual void writeString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// The real file: INI syntax ("[section]", "key=value"), UTF-8, written atomically
// (temporary file + rename) so that a crash never leaves half a file.
std::unique_ptr<Settings> makeIniSettings(const std::string& path);

// Test double.
class MemorySettings final : public Settings {
public:
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback) const override
    {
        auto it = values.find(section + "\n" + key);
        return it == values.end() ? fallback : it->second;
    }
    void writeString(const std::string& section, const std::string& key, const std::string& value) override
    {
        values[section + "\n" + key] = value;
    }
    std::map<std::string, std::string> values;
};

}  // namespace celmora::platform
