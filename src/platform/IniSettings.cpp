// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "platform/Settings.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace celmora::platform {

namespace {

// Section and key names compare case-insensitively for ASCII, as INI readers on the
// sibling program's side do; values are kept byte for byte.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// One line of the file, classified once; unknown lines (comments, blank lines) are
// written back unchanged.
struct Line {
    std::string raw;
    std::optional<std::string> section;  // set for "[name]" lines
    std::optional<std::string> key;      // set for "key=value" lines
    std::string value;
};

std::vector<Line> parse(const std::string& content)
{
    std::vector<Line> lines;
    std::string_view rest = content;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);  // UTF-8 byte order mark
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view raw = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (raw.ends_with('\r')) raw.remove_suffix(1);

        Line line{std::string(raw), std::nullopt, std::nullopt, {}};
        const std::string_view t = trim(raw);
        if (t.starts_with('[') && t.ends_with(']')) {
            line.section = std::string(trim(t.substr(1, t.size() - 2)));
        } else if (!t.starts_with(';') && !t.starts_with('#')) {
            const auto eq = t.find('=');
            if (eq != std::string_view::npos) {
                line.key = std::string(trim(t.substr(0, eq)));
                line.value = std::string(trim(t.substr(eq + 1)));
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

class IniSettings final : public Settings {
public:
    explicit IniSettings(std::string path) : path_(std::move(path)) {}

    // The file is read on every call: it is small, and the sibling program or a second
    // copy of this one may have changed it since.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback) const override
    {
        const auto content = readWholeFile(path_);
        if (!content) return fallback;
        bool inSection = false;
        for (const Line& line : parse(*content)) {
            if (line.section) {
                inSection = sameName(*line.section, section);
            } else if (inSection && line.key && sameName(*line.key, key)) {
                return line.value;
            }
        }
        return fallback;
    }

    void writeString(const std::string& section, const std::string& key, const std::string& value) override
    {
        // One entry is one line: a line break (or a NUL byte) would cut the value and
        // could start a section or key of its own. Refused before the file is touched.
        for (const std::string* part : {&section, &key, &value}) {
            if (part->find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos) {
                throw CommandError("設定ファイル「" + path_ + "」のセクション「" + section + "」のキー「" + key +
                                   "」には、改行を含む値は書き込めません。");
            }
        }
        std::vector<Line> lines = parse(readWholeFile(path_).value_or(""));

        // Replace the key in the first matching section, else add it at the end of that
        // section, else add the section at the end of the file.
        std::optional<std::size_t> sectionEnd;
        bool replaced = false;
        bool inSection = false;
        for (std::size_t i = 0; i < lines.size() && !replaced; ++i) {
            if (lines[i].section) {
                if (inSection) break;
                inSection = sameName(*lines[i].section, section);
                if (inSection) sectionEnd = i + 1;
            } else if (inSection) {
                if (lines[i].key && sameName(*lines[i].key, key)) {
                    lines[i].raw = *lines[i].key + "=" + value;
                    replaced = true;
                } else if (!trim(lines[i].raw).empty()) {
                    sectionEnd = i + 1;
                }
            }
        }
        if (!replaced) {
            Line entry{key + "=" + value, std::nullopt, key, value};
            if (sectionEnd) {
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
            } else {
                if (!lines.empty() && !trim(lines.back().raw).empty()) lines.push_back(Line{});
                lines.push_back(Line{"[" + section + "]", section, std::nullopt, {}});
                lines.push_back(entry);
            }
        }

        std::string out;
        for (const Line& line : lines) out += line.raw + "\n";
        writeAtomically(out);
    }

private:
    [[noreturn]] void fail(const std::string& what, int error) const
    {
        throw CommandError("設定ファイル「" + path_ + "」に書き込めません（" + what + ": " + std::strerror(error) + "）。");
    }

    // Temporary file in the same folder, flushed to disk, then renamed over the old
    // file: a reader sees either the old or the new content, never a mixture, and a
    // crash leaves at most a stray temporary file.
    void writeAtomically(const std::string& content) const
    {
        const std::filesystem::path target(path_);
        const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);

        const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) fail("作成", errno);
        std::size_t written = 0;
        while (written < content.size()) {
            const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
            if (n < 0) {
                if (errno == EINTR) continue;
                const int error = errno;
                ::close(fd);
                ::unlink(temp.c_str());
                fail("書き込み", error);
            }
            written += static_cast<std::size_t>(n);
        }
        if (::fsync(fd) != 0 || ::close(fd) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            fail("書き込み", error);
        }
        if (::rename(temp.c_str(), path_.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            fail("置き換え", error);
        }
        // Make the rename itself durable.
        const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }

    std::string path_;
};

}  // namespace

std::unique_ptr<Settings> makeIniSettings(const std::string& path)
{
    return std::make_unique<IniSettings>(path);
}

}  // namespace celmora::platform
