// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The event boundary: where one command (a button press, a menu command, one
// command-line invocation) ends, normally or by an error. A range, overflow or
// conversion error ends only that command, never the program:
//  - CommandAborted: the command already told the user why; nothing more is shown;
//  - CommandError (and its kinds): what() is a Japanese text for the user, shown as is;
//  - any other exception: a fault of the program, shown after internalErrorPrefix.
// Whatever the command wrote before the error stays written.
//
// The workstation applies this to every event (GuardedApplication); the
// command-line program and toolkit-free code call guarded() directly.

#include "platform/Errors.h"
#include "platform/Messages.h"

#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace celmora::platform {

inline constexpr std::string_view internalErrorPrefix = "内部エラーが発生しました: ";
// Shown after the prefix when the exception carries no text of its own.
inline constexpr std::string_view unknownErrorText = "不明なエラー";

inline std::string internalErrorText(std::string_view detail)
{
    std::string text(internalErrorPrefix);
    text += detail.empty() ? unknownErrorText : detail;
    return text;
}

// Runs `command`; true when it ended normally. An error is reported through
// `messages` as described above and yields false.
template <class F>
bool guarded(Messages& messages, F&& command)
{
    try {
        static_cast<void>(std::forward<F>(command)());
        return true;
    } catch (const CommandAborted&) {
    } catch (const CommandError& e) {
        messages.error(e.what());
    } catch (const std::exception& e) {
        messages.error(internalErrorText(e.what()));
    } catch (...) {
        messages.error(internalErrorText({}));
    }
    return false;
}

// A program's main body under the same boundary: its exit status, or 1 when it
// ended with an error (already reported through `messages`).
template <class F>
int guardedMain(Messages& messages, F&& body)
{
    int status = 1;
    guarded(messages, [&] { status = std::forward<F>(body)(); });
    return status;
}

}  // namespace celmora::platform
