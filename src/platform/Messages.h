// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Modal message boxes. Computation never opens a dialog itself: it calls this
// interface. The workstation shows a box; the command-line program collects the
// texts into its output; tests use RecordingMessages.

#include <string>
#include <vector>

namespace celmora::platform {

enum class MessageKind { Information, Error, Question };

class Messages {
public:
    virtual ~Messages() = default;
    virtual void information(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

struct RecordedMessage {
    MessageKind kind;
    std::string text;
    bool operator==(const RecordedMessage&) const = default;
};

// Collects every message in order. Questions are answered with `answer`.
class RecordingMessages final : public Messages {
public:
    void information(const std::string& text) override { list.push_back({MessageKind::Information, text}); }
    void error(const std::string& text) override { list.push_back({MessageKind::Error, text}); }
    bool askYesNo(const std::string& text) override
    {
        list.push_back({MessageKind::Question, text});
        return answer;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& m : list) out.push_back(m.text);
        return out;
    }

    std::vector<RecordedMessage> list;
    bool answer = true;
};

}  // namespace celmora::platform
